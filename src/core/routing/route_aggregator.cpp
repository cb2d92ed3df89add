// Lane positions, the four route aggregators and the bands of a lane.
#include "routing/route_aggregator.h"

#include "model/capacity_lane.h"
#include "model/carousel_lane_connector.h"
#include "model/zone.h"
#include "model/route.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

CLanePosition GetLanePosition(const CRoute& route, const CLane& lane)
{
    const std::uint32_t total = route.GetStepCount();
    for (const CRoute::CLaneExit& exit : route.GetLaneExits()) {
        if (exit.lane == &lane) {
            return {exit.stepsBefore, total - exit.stepsBefore};
        }
    }
    // A lane that starts no connector of the route must be where it ends. A lane followed only
    // by lane changes lies on the destination arm and is accepted as well: the stop-line
    // routes of an Exit arm lane include routes that change lanes after entering it.
    if (&lane != route.GetDestinationLane()) {
        throw std::logic_error("lane not on route");
    }
    return {total, 0};
}

double CRouteAggregator::GetValue(const CRoute& route) const
{
    return route.GetFlow(m_group);
}

std::int64_t CRouteFlowAggregator::GetKey(const CRoute& route, const CLane& lane) const
{
    const CLanePosition at = GetLanePosition(route, lane);
    return std::int64_t{at.after} * 100 + at.before + 1;
}

std::int64_t CRouteOriginFlowAggregator::GetKey(const CRoute& route, const CLane& lane) const
{
    return std::int64_t{GetLanePosition(route, lane).before} + 1;
}

std::int64_t CRouteDestFlowAggregator::GetKey(const CRoute& route, const CLane& lane) const
{
    return std::int64_t{GetLanePosition(route, lane).after} + 1;
}

std::int64_t CRouteNoAggFlowAggregator::GetKey(const CRoute& route, const CLane& lane) const
{
    // The route number gets the whole low 32 bits: with a factor of 1000 route 1000 and above
    // would share keys with routes one position further on.
    const CLanePosition at = GetLanePosition(route, lane);
    return (std::int64_t{at.after} * 100 + at.before) * (std::int64_t{1} << 32) + route.GetNumber();
}

std::unique_ptr<CRouteAggregator> CreateRouteAggregator(ELaneFlowAggregation aggregation,
                                                        const CFlowGroup* group)
{
    switch (aggregation) {
    case ELaneFlowAggregation::ByOD:
        return std::make_unique<CRouteFlowAggregator>(group);
    case ELaneFlowAggregation::ByOrigin:
        return std::make_unique<CRouteOriginFlowAggregator>(group);
    case ELaneFlowAggregation::ByDestination:
        return std::make_unique<CRouteDestFlowAggregator>(group);
    case ELaneFlowAggregation::None:
        break;
    }
    return std::make_unique<CRouteNoAggFlowAggregator>(group);
}

namespace
{

std::uint32_t ColourOf(const CZone* zone)
{
    return zone ? zone->GetColour() : 0;
}

} // namespace

CNumList AggregateLane(const CRouteAggregator& aggregator, const CCapacityLane& lane,
                       ELaneFlowColouring colouring, unsigned flags)
{
    struct CKeyed
    {
        std::int64_t key;
        std::size_t order;
        const CRoute* route;
    };
    // A sorted vector rather than a map: every lane of every drawing comes through here.
    const CRouteCollection routes = lane.GetStopLineRoutes();
    std::vector<CKeyed> keyed;
    keyed.reserve(routes.GetCount());
    for (const CRoute* route : routes) {
        if (((flags & AggregateInFilterOnly) && !route->IsInFilter()) ||
            ((flags & AggregatePermittedOnly) && !route->IsPermitted())) {
            continue;
        }
        keyed.push_back({aggregator.GetKey(*route, lane), keyed.size(), route});
    }
    // Routes come in number order and keep it within a key, so the first of a key picks the
    // colour.
    std::sort(keyed.begin(), keyed.end(), [](const CKeyed& a, const CKeyed& b) {
        return a.key != b.key ? a.key < b.key : a.order < b.order;
    });
    CNumList list;
    for (std::size_t i = 0; i < keyed.size();) {
        const CRoute& first = *keyed[i].route;
        const std::uint32_t colour =
            ColourOf(colouring == ELaneFlowColouring::ByDestination ? first.GetDestinationZone()
                                                                    : first.GetOriginZone());
        double value = 0.0;
        for (const std::int64_t key = keyed[i].key; i < keyed.size() && keyed[i].key == key; ++i) {
            value += aggregator.GetValue(*keyed[i].route);
        }
        list.Add(value, colour);
    }
    return list;
}
