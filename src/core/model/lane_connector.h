// A directed link from one lane to another, and the collection that owns every such link.
#pragma once

#include "model/pair_key.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CLane;
class CLaneConnectors;
class CNetwork;

// A connector from one lane to another. It has no number: it is identified by its ordered pair
// of lanes. Its key is (from-lane id low 16 bits) * 65536 + (to-lane id low 16 bits).
class CLaneConnector
{
public:
    CLaneConnector(CLaneConnectors* owner, CLane* fromLane, CLane* toLane);
    virtual ~CLaneConnector() = default;
    CLaneConnector(const CLaneConnector&) = delete;
    CLaneConnector& operator=(const CLaneConnector&) = delete;

    CLaneConnectors* GetOwner() const { return m_owner; }
    CLane* GetFromLane() const { return m_from; }
    CLane* GetToLane() const { return m_to; }
    std::uint32_t GetKey() const;
    // A lane-change connector joins two lanes of the same arm.
    bool IsLaneChange() const { return m_laneChange; }

private:
    friend class CLaneConnectors;

    CLaneConnectors* m_owner;
    CLane* m_from;
    CLane* m_to;
    // Fixed at construction: a lane stays on the arm that made it. Routes ask this for every
    // connector they pass whenever lane flows are drawn.
    bool m_laneChange;
    bool m_removing = false; // set while the removal hook runs
};

// Owns the connectors of a network, at most one per ordered pair of lanes, in key order, and
// remembers their creation order too. Creating a connector appends it to the from-lane's
// outgoing and the to-lane's incoming list; removing it takes it out of both. Every removal,
// single or on behalf of a deleted lane, passes BeforeRemove first.
class CLaneConnectors
{
public:
    explicit CLaneConnectors(CNetwork* network);
    virtual ~CLaneConnectors();
    CLaneConnectors(const CLaneConnectors&) = delete;
    CLaneConnectors& operator=(const CLaneConnectors&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    // The new connector, or none when the pair already has one (the old one stays) or a lane
    // is missing.
    CLaneConnector* AddConnector(CLane* fromLane, CLane* toLane);
    CLaneConnector* FindConnector(const CLane* fromLane, const CLane* toLane) const;
    // False when the connector is not one of this collection's, or is already being removed
    // (a hook asking again).
    bool RemoveConnector(CLaneConnector* connector);

    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_byKey.size()); }
    std::vector<CLaneConnector*> GetConnectorsInKeyOrder() const;
    const std::vector<CLaneConnector*>& GetConnectorsInCreationOrder() const { return m_created; }

protected:
    virtual std::unique_ptr<CLaneConnector> CreateConnector(CLane* fromLane, CLane* toLane);
    // Runs before a connector is unlinked and destroyed, while it is still complete.
    virtual void BeforeRemove(CLaneConnector& connector) { (void)connector; }

private:
    static CPairKey MakeKey(const CLane* fromLane, const CLane* toLane);
    void Unlink(CLaneConnector& connector);

    CNetwork* m_network;
    std::map<CPairKey, std::unique_ptr<CLaneConnector>> m_byKey;
    std::vector<CLaneConnector*> m_created;
};
