// Flow groups (modelled time periods) with their desired OD flows and route flows.
#pragma once

#include "model/pair_key.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CFlowGroups;
class CNetwork;
class CODMovement;
class CRoute;
class CZone;

// The flow of one route in one flow group. A route without a record reads as {0.0, unlocked,
// no proportion}; a proportion below -0.5 means none.
struct CRouteFlowRecord
{
    CRoute* route = nullptr;
    double flow = 0.0;
    bool locked = false;
    double proportion = -1.0;
};

struct CDesiredFlowRecord
{
    CODMovement* movement = nullptr;
    std::int32_t flow = 0;
};

// One time period: number, id, description, start and end as seconds since midnight, the
// route-flow records keyed by route id and the desired OD flows keyed by movement. Route
// records are created by the first setter for a route and die with the route (RemoveRoute) or
// the group; desired flows die with their movement or the group.
class CFlowGroup
{
public:
    static constexpr std::int64_t DefaultStart = 28800; // 08:00
    static constexpr std::int64_t DefaultEnd = 32400;   // 09:00
    static constexpr std::int64_t SecondsPerDay = 86400;

    CFlowGroup(CFlowGroups* owner, std::uint32_t number, std::uint32_t id);
    // Tells the routes with a record to forget the values they remember of this group.
    virtual ~CFlowGroup();
    CFlowGroup(const CFlowGroup&) = delete;
    CFlowGroup& operator=(const CFlowGroup&) = delete;

    CFlowGroups* GetOwner() const { return m_owner; }
    CNetwork* GetNetwork() const;
    std::uint32_t GetNumber() const { return m_number; }
    std::uint32_t GetId() const { return m_id; }

    const std::string& GetDescription() const { return m_description; }
    void SetDescription(std::string description) { m_description = std::move(description); }
    std::int64_t GetStart() const { return m_start; }
    void SetStart(std::int64_t seconds) { m_start = seconds; }
    std::int64_t GetEnd() const { return m_end; }
    void SetEnd(std::int64_t seconds) { m_end = seconds; }
    // End - start; an end not later than the start is taken as the next day.
    std::int64_t GetDuration() const;

    // Route flows, by route id (the route pointer is kept in the record for writers).
    CRouteFlowRecord GetRouteFlowRecord(std::uint32_t routeId) const;
    double GetRouteFlow(std::uint32_t routeId) const;
    void SetRouteFlow(std::uint32_t routeId, CRoute* route, double flow);
    bool IsLocked(std::uint32_t routeId) const;
    void SetLocked(std::uint32_t routeId, CRoute* route, bool locked);
    double GetProportion(std::uint32_t routeId) const;
    void SetProportion(std::uint32_t routeId, CRoute* route, double proportion);
    // Forgets the route's record; called when the route is destroyed.
    void RemoveRoute(std::uint32_t routeId);
    const std::map<std::uint32_t, CRouteFlowRecord>& GetRouteFlowRecords() const
    {
        return m_routeFlows;
    }

    // Desired OD flows. Reading none or a movement without a record gives 0.
    std::int32_t GetDesiredFlow(const CODMovement* movement) const;
    void SetDesiredFlow(CODMovement* movement, std::int32_t flow);
    // Forgets the movement's desired flow; called when the movement is destroyed.
    void RemoveMovement(const CPairKey& movementKey);
    const std::map<CPairKey, CDesiredFlowRecord>& GetDesiredFlowRecords() const
    {
        return m_desiredFlows;
    }
    // Sums of the desired flows from / to the zone (64-bit: 99 cells of 32-bit values).
    std::int64_t GetOriginTotal(const CZone* zone) const;
    std::int64_t GetDestinationTotal(const CZone* zone) const;

private:
    friend class CFlowGroups;
    CRouteFlowRecord& Record(std::uint32_t routeId, CRoute* route);
    // Refreshes what the record's route remembers of this group.
    void Changed(const CRouteFlowRecord& record) const;

    CFlowGroups* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    std::string m_description;
    std::int64_t m_start = DefaultStart;
    std::int64_t m_end = DefaultEnd;
    std::map<std::uint32_t, CRouteFlowRecord> m_routeFlows;
    std::map<CPairKey, CDesiredFlowRecord> m_desiredFlows;
};

// The numbered flow groups of a network (1..99; inserting beyond count + 1 creates the missing
// groups first). Removing the network's current flow group clears the current pointer.
class CFlowGroups
{
public:
    static constexpr std::uint32_t MaxFlowGroups = 99;
    static constexpr std::uint32_t FirstId = 1001;

    explicit CFlowGroups(CNetwork* network);
    virtual ~CFlowGroups() = default;
    CFlowGroups(const CFlowGroups&) = delete;
    CFlowGroups& operator=(const CFlowGroups&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    CFlowGroup* InsertFlowGroup(std::uint32_t number);
    bool RemoveFlowGroup(std::uint32_t number);
    // Both numbers in 1..count (count + 1 as target puts the group last).
    bool MoveFlowGroup(std::uint32_t fromNumber, std::uint32_t toNumber);
    // Removes the last group until none is left.
    void RemoveAllFlowGroups();

    CFlowGroup* GetFlowGroup(std::uint32_t number) const;
    CFlowGroup* GetFlowGroupById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_groups.size()); }

    // Drop a destroyed route's or movement's records from every group.
    void RemoveRoute(std::uint32_t routeId);
    void RemoveMovement(const CPairKey& movementKey);

private:
    void Renumber();

    CNetwork* m_network;
    std::vector<std::unique_ptr<CFlowGroup>> m_groups;
    std::map<std::uint32_t, CFlowGroup*> m_byId;
    std::uint32_t m_nextId = FirstId;
};

// "Flow Group %d" with the number.
std::string DefaultFlowGroupDescription(std::uint32_t number);
