#include "view/lane_flow_list.h"

#include "model/capacity_lane.h"
#include "model/carousel_lane_connector.h"
#include "model/zone.h"
#include "routing/route.h"

#include <algorithm>
#include <stdexcept>

CLanePosition LanePositionOnRoute(const CRoute& route, const CCapacityLane& lane)
{
    std::uint32_t total = 0;
    std::uint32_t before = 0;
    bool found = false;
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        const CCarouselLaneConnector* c = route.GetConnector(i);
        if (!found && c->GetFromLane() == &lane) {
            found = true;
            before = total;
        }
        if (!c->IsLaneChange()) {
            ++total;
        }
    }
    if (!found) {
        before = total;
    }
    if (before == total && route.GetDestinationLane() != &lane) {
        throw std::logic_error("lane not on route");
    }
    return {before, total - before};
}

namespace
{

std::int64_t KeyOf(ELaneFlowAggregation aggregation, const CRoute& route, CLanePosition pos)
{
    const std::int64_t before = pos.before;
    const std::int64_t after = pos.after;
    switch (aggregation) {
    case ELaneFlowAggregation::ByOD:
        return after * 100 + before + 1;
    case ELaneFlowAggregation::ByOrigin:
        return before + 1;
    case ELaneFlowAggregation::ByDestination:
        return after + 1;
    case ELaneFlowAggregation::None:
    default:
        return (after * 100 + before) * 1000 + route.GetNumber();
    }
}

ColorRef ZoneColour(const CZone* zone)
{
    return zone != nullptr ? zone->GetColour() : 0;
}

} // namespace

std::vector<CLaneFlowValue> LaneFlowValues(const CCapacityLane& lane, const CFlowGroup* group,
                                           ELaneFlowAggregation aggregation,
                                           ELaneFlowColouring colouring)
{
    struct CKeyed
    {
        std::int64_t key;
        const CRoute* route;
    };
    std::vector<CKeyed> keyed;
    for (const CRoute* route : lane.GetStopLineRoutes()) {
        if (!route->IsInFilter() || !route->IsPermitted()) {
            continue;
        }
        keyed.push_back({KeyOf(aggregation, *route, LanePositionOnRoute(*route, lane)), route});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const CKeyed& a, const CKeyed& b) {
        return a.key != b.key ? a.key < b.key : a.route->GetNumber() < b.route->GetNumber();
    });
    std::vector<CLaneFlowValue> values;
    for (std::size_t i = 0; i < keyed.size();) {
        const CRoute& first = *keyed[i].route;
        CLaneFlowValue v;
        v.colour =
            ZoneColour(colouring == ELaneFlowColouring::ByOrigin ? first.GetOriginZone()
                                                                 : first.GetDestinationZone());
        const std::int64_t key = keyed[i].key;
        for (; i < keyed.size() && keyed[i].key == key; ++i) {
            v.value += keyed[i].route->GetFlow(group);
        }
        values.push_back(v);
    }
    return values;
}
