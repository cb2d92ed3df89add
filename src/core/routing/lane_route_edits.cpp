// Route rewrites for short-lane edits.
#include "routing/lane_route_edits.h"

#include "model/network.h"
#include "routing/route.h"

#include <vector>

namespace
{

CCarouselLaneConnector* Connector(CNetwork& network, CLane* from, CLane* to)
{
    return from && to ? network.GetLaneConnectors().FindConnector(from, to) : nullptr;
}

CCarouselLaneConnector* FindOrAdd(CNetwork& network, CLane* from, CLane* to)
{
    if (CCarouselLaneConnector* existing = Connector(network, from, to))
        return existing;
    return network.GetLaneConnectors().AddConnector(from, to);
}

// A copy, because rewriting a route takes it out of the connector's collection.
std::vector<CRoute*> RoutesOf(CCarouselLaneConnector& connector)
{
    return connector.GetRoutes().GetRoutes();
}

std::size_t IndexOf(const CRoute& route, const CCarouselLaneConnector* connector)
{
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i)
        if (route.GetConnector(i) == connector)
            return i;
    return route.GetConnectorCount();
}

} // namespace

bool BridgeShortLaneBeforeDelete(CNetwork& network, CLane& lane)
{
    if (!lane.IsShort())
        return false;
    CLane* neighbours[] = {lane.GetLeftNeighbour(), lane.GetRightNeighbour()};
    for (CLane* a : neighbours) {
        CCarouselLaneConnector* in = Connector(network, a, &lane);
        if (!in)
            continue;
        for (CLane* b : neighbours) {
            CCarouselLaneConnector* out = b != a ? Connector(network, &lane, b) : nullptr;
            if (!out)
                continue;
            CCarouselLaneConnector* bridge = FindOrAdd(network, a, b);
            if (!bridge)
                return false;
            Routing::CEdgeRoute oldRun;
            oldRun.AppendEdge(in);
            oldRun.AppendEdge(out);
            Routing::CEdgeRoute newRun;
            newRun.AppendEdge(bridge);
            for (CRoute* route : RoutesOf(*in))
                route->ReplaceSubRoute(oldRun, newRun);
            return true;
        }
    }
    return false;
}

void ConvertToInfinitelyLongLane(CNetwork& network, CLane& lane)
{
    CCarouselLaneConnector* feeder = Connector(network, lane.GetLeftNeighbour(), &lane);
    if (!feeder)
        feeder = Connector(network, lane.GetRightNeighbour(), &lane);
    lane.SetLength(InfiniteLaneLength);
    if (!feeder)
        return;
    for (CRoute* route : RoutesOf(*feeder)) {
        const std::size_t last = IndexOf(*route, feeder);
        std::size_t first = last;
        while (first > 0 && route->GetConnector(first - 1)->IsLaneChange())
            --first;
        if (first == 0)
            continue; // starts on this arm: nothing enters it, so the route goes with the feeder
        CCarouselLaneConnector* entering = route->GetConnector(first - 1);
        CCarouselLaneConnector* direct = FindOrAdd(network, entering->GetFromLane(), &lane);
        if (!direct)
            continue;
        Routing::CEdgeRoute oldRun;
        for (std::size_t i = first - 1; i <= last; ++i)
            oldRun.AppendEdge(route->GetConnector(i));
        Routing::CEdgeRoute newRun;
        newRun.AppendEdge(direct);
        route->ReplaceSubRoute(oldRun, newRun);
    }
    network.GetLaneConnectors().RemoveConnector(feeder);
}
