// Which route flows of a lane are added together into one band, and the bands of a lane.
#pragma once

#include "routing/lane_flow_display.h"
#include "routing/num_list.h"

#include <cstdint>
#include <memory>

class CCapacityLane;
class CFlowGroup;
class CLane;
class CRoute;

// Where a lane lies on a route: `before` arm-to-arm steps made since the route started,
// `after` still to make (lane changes are not steps).
struct CLanePosition
{
    std::uint32_t before = 0;
    std::uint32_t after = 0;
    friend bool operator==(const CLanePosition&, const CLanePosition&) = default;
};

// Throws std::logic_error "lane not on route" when the route does not use the lane.
CLanePosition GetLanePosition(const CRoute& route, const CLane& lane);

// Groups the stop-line routes of a lane by a key; routes with equal keys form one band whose
// value is the sum of their values (their flows in the aggregator's group). Keys are 64-bit so
// that the per-route key of the no-aggregation mode keeps every route apart however many
// routes there are.
class CRouteAggregator
{
public:
    explicit CRouteAggregator(const CFlowGroup* group) : m_group(group) {}
    virtual ~CRouteAggregator() = default;

    virtual std::int64_t GetKey(const CRoute& route, const CLane& lane) const = 0;
    virtual double GetValue(const CRoute& route) const;
    const CFlowGroup* GetFlowGroup() const { return m_group; }

private:
    const CFlowGroup* m_group;
};

// Mode 0, "Aggregate Flows By OD": after * 100 + before + 1.
class CRouteFlowAggregator : public CRouteAggregator
{
public:
    using CRouteAggregator::CRouteAggregator;
    std::int64_t GetKey(const CRoute& route, const CLane& lane) const override;
};

// Mode 1, "Aggregate Flows By Origin": before + 1.
class CRouteOriginFlowAggregator : public CRouteAggregator
{
public:
    using CRouteAggregator::CRouteAggregator;
    std::int64_t GetKey(const CRoute& route, const CLane& lane) const override;
};

// Mode 2, "Aggregate Flows By Destination": after + 1.
class CRouteDestFlowAggregator : public CRouteAggregator
{
public:
    using CRouteAggregator::CRouteAggregator;
    std::int64_t GetKey(const CRoute& route, const CLane& lane) const override;
};

// Mode 3, "No Flow Aggregation": one band per route, ordered by (after, before, route number).
class CRouteNoAggFlowAggregator : public CRouteAggregator
{
public:
    using CRouteAggregator::CRouteAggregator;
    std::int64_t GetKey(const CRoute& route, const CLane& lane) const override;
};

std::unique_ptr<CRouteAggregator> CreateRouteAggregator(ELaneFlowAggregation aggregation,
                                                        const CFlowGroup* group);

// Flags of AggregateLane.
inline constexpr unsigned AggregateInFilterOnly = 1u;
inline constexpr unsigned AggregatePermittedOnly = 2u;

// The bands of the lane's stop-line routes, in ascending key order. Each band takes the
// colour of the first route (in number order) with its key; a missing zone gives colour 0.
CNumList AggregateLane(const CRouteAggregator& aggregator, const CCapacityLane& lane,
                       ELaneFlowColouring colouring, unsigned flags);
