// A lane of an arm and the arm's ordered lane container.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CArm;
class CLaneConnector;
class CLanes;
class CNetwork;

// Length of an infinitely long lane; every other length is a short lane, in PCU.
inline constexpr std::int32_t InfiniteLaneLength = 9999;

// One lane of an arm: its number within the arm (1 is the nearside, leftmost lane), an id from
// the program-wide lane counter, its length and the connectors that leave and enter it, in the
// order they were created. The connector lists are kept by the connector collection; a lane
// never owns a connector.
class CLane
{
public:
    // Walks a connector list in creation order. First/Next are deliberately not virtual: the
    // routed iterators derive from these and from the Routing iterators, whose First/Next
    // return edges instead.
    class CLaneConnectorIter
    {
    public:
        CLaneConnector* First()
        {
            m_next = 0;
            return Next();
        }
        CLaneConnector* Next() { return m_next < m_list->size() ? (*m_list)[m_next++] : nullptr; }

    protected:
        explicit CLaneConnectorIter(const std::vector<CLaneConnector*>& list) : m_list(&list) {}

    private:
        const std::vector<CLaneConnector*>* m_list;
        std::size_t m_next = 0;
    };

    class CIncomingLaneConnectorIter : public CLaneConnectorIter
    {
    public:
        explicit CIncomingLaneConnectorIter(const CLane& lane) : CLaneConnectorIter(lane.m_incoming)
        {}
    };

    class COutgoingLaneConnectorIter : public CLaneConnectorIter
    {
    public:
        explicit COutgoingLaneConnectorIter(const CLane& lane) : CLaneConnectorIter(lane.m_outgoing)
        {}
    };

    CLane(CLanes* owner, std::uint32_t number);
    virtual ~CLane() = default;
    CLane(const CLane&) = delete;
    CLane& operator=(const CLane&) = delete;

    // Called after the lane's length has changed; the routed lane keeps its lane-change
    // connectors in step here. Editing commands may also call it directly.
    virtual void OnLaneChanged() {}

    std::uint32_t GetNumber() const { return m_number; }
    std::uint32_t GetLaneId() const { return m_id; }
    CLanes* GetOwner() const { return m_owner; }
    CArm* GetArm() const;
    CNetwork* GetNetwork() const;

    std::int32_t GetLength() const { return m_length; }
    // Stores the length and, when it differs from the old one, runs OnLaneChanged.
    void SetLength(std::int32_t length);
    bool IsShort() const { return m_length != InfiniteLaneLength; }

    CLane* GetLeftNeighbour() const;
    CLane* GetRightNeighbour() const;

    const std::vector<CLaneConnector*>& GetOutgoingConnectors() const { return m_outgoing; }
    const std::vector<CLaneConnector*>& GetIncomingConnectors() const { return m_incoming; }
    // True when a connector from `from` enters this lane.
    bool HasIncomingFrom(const CLane& from) const;

    // The value the next lane of the program will get as id (the counter starts at 1001).
    static std::uint32_t PeekNextLaneId();

private:
    friend class CLanes;
    friend class CLaneConnectors;

    CLanes* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    std::int32_t m_length = InfiniteLaneLength;
    std::vector<CLaneConnector*> m_outgoing;
    std::vector<CLaneConnector*> m_incoming;
};

// The lanes of one arm in number order, with a map by lane id. Insert at k allows 1..count+1
// only (no gap filling). Deleting a lane removes its connectors first, outgoing then incoming,
// through the network's connector collection so that the connector hook sees each one.
class CLanes
{
public:
    explicit CLanes(CArm* arm);
    virtual ~CLanes();
    CLanes(const CLanes&) = delete;
    CLanes& operator=(const CLanes&) = delete;

    CArm* GetArm() const { return m_arm; }

    CLane* InsertLane(std::uint32_t number);
    bool DeleteLane(std::uint32_t number);
    void DeleteAllLanes();
    CLane* GetLane(std::uint32_t number) const;
    CLane* GetLaneById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_lanes.size()); }

protected:
    // Makes the lane object this container holds; CCapLanes makes capacity lanes.
    virtual std::unique_ptr<CLane> CreateLane(std::uint32_t number);

private:
    void Renumber(std::size_t from);

    CArm* m_arm;
    std::vector<std::unique_ptr<CLane>> m_lanes;
    std::map<std::uint32_t, CLane*> m_byId;
};

// Inline: drawing and route walks ask every lane they pass for its arm.
inline CArm* CLane::GetArm() const
{
    return m_owner ? m_owner->GetArm() : nullptr;
}

// Allowed length range of a short lane, both ends included.
struct CLaneLengthRange
{
    std::int32_t lower = 1;
    std::int32_t upper = 1000;
};

inline constexpr std::int32_t MaxShortLaneLength = 1000;

// The range a short lane's length must lie in when it sits beside `parent` with `other` on its
// far side (either may be none); `parentOnLeft` says on which side the parent is. Upper: the
// parent's length, or 1000 when the parent is infinitely long or missing. Lower: 1, unless
// `other` is a short lane fed by a lane-change connector from its neighbour on the parent's
// side, in which case that lane's length.
CLaneLengthRange ShortLaneLengthRange(const CLane* parent, const CLane* other, bool parentOnLeft);

// Checks a typed length against the range; a refusal carries the program's message.
CValidationResult ValidateShortLaneLength(const CLaneLengthRange& range, std::int32_t length);
