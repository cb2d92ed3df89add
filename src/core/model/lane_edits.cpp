// Lane edits that keep routes running: bridging, jump replacement and lane kind conversion.
#include "model/lane_edits.h"

#include "model/network.h"
#include "model/route_flows.h"

#include <vector>

namespace
{

CCarouselLaneConnector* AsCarousel(CLaneConnector* connector)
{
    return static_cast<CCarouselLaneConnector*>(connector);
}

CCarouselLaneConnectors* ConnectorsOf(const CLane& lane)
{
    CNetwork* network = lane.GetNetwork();
    return network ? &network->GetLaneConnectors() : nullptr;
}

// The connector from `from` to `to`, made when it is missing.
CCarouselLaneConnector* Ensure(CCarouselLaneConnectors& connectors, CLane* from, CLane* to)
{
    if (CCarouselLaneConnector* existing = connectors.FindConnector(from, to)) {
        return existing;
    }
    return connectors.AddConnector(from, to);
}

// A copy: rewriting a route changes the connector collections we would be walking.
std::vector<CRoute*> RoutesOn(const CCarouselLaneConnector& connector)
{
    return connector.GetRoutes().GetRoutes();
}

Routing::CEdgeRoute Run(std::initializer_list<CCarouselLaneConnector*> connectors)
{
    Routing::CEdgeRoute run;
    for (CCarouselLaneConnector* connector : connectors) {
        run.AppendEdge(connector);
    }
    return run;
}

void Normalise(const CLane& lane)
{
    if (CNetwork* network = lane.GetNetwork()) {
        NormaliseAllArms(*network);
    }
}

bool IsNeighbour(const CLane& lane, const CLane& other)
{
    return lane.GetLeftNeighbour() == &other || lane.GetRightNeighbour() == &other;
}

// A route that gained a lane it already passed is no longer a path the search could find.
bool VisitsALaneTwice(const CRoute& route)
{
    std::vector<const CLane*> seen{route.GetConnector(0)->GetFromLane()};
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        const CLane* lane = route.GetConnector(i)->GetToLane();
        for (const CLane* held : seen) {
            if (held == lane) {
                return true;
            }
        }
        seen.push_back(lane);
    }
    return false;
}

bool DuplicatesAnother(const CRoute& route)
{
    for (const CRoute* other : route.GetConnector(0)->GetRoutes()) {
        if (other != &route && other->IsSameRoute(route)) {
            return true;
        }
    }
    return false;
}

// Rewritten routes may now run through a lane twice or equal a route that was already held
// (whose flow would then be counted twice); such a rewritten route goes, the older one stays.
void RemoveBrokenRewrites(CNetwork& network, const std::vector<std::uint32_t>& rewrittenIds)
{
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t id : rewrittenIds) {
        CRoute* route = routes.GetRouteById(id);
        if (route && (VisitsALaneTwice(*route) || DuplicatesAnother(*route))) {
            routes.RemoveRoute(*route);
        }
    }
}

// Bridges S for one direction: A feeds S, S feeds B.
void Bridge(CCarouselLaneConnectors& connectors, CLane& shortLane, CLane* a, CLane* b,
            std::vector<std::uint32_t>& rewritten)
{
    if (!a || !b) {
        return;
    }
    CCarouselLaneConnector* in = connectors.FindConnector(a, &shortLane);
    CCarouselLaneConnector* out = connectors.FindConnector(&shortLane, b);
    if (!in || !out) {
        return;
    }
    CCarouselLaneConnector* across = Ensure(connectors, a, b);
    const Routing::CEdgeRoute oldRun = Run({in, out});
    const Routing::CEdgeRoute newRun = Run({across});
    for (CRoute* route : RoutesOn(*in)) {
        if (route->ReplaceSubRoute(oldRun, newRun)) {
            rewritten.push_back(route->GetId());
        }
    }
}

// Replaces a jump from `from` over `lane` to `to` by the chain from -> lane -> to.
void ReplaceJump(CCarouselLaneConnectors& connectors, CLane& lane, CLane* from, CLane* to)
{
    CCarouselLaneConnector* jump = connectors.FindConnector(from, to);
    if (!jump) {
        return;
    }
    if (from->IsShort() || lane.IsShort()) {
        Ensure(connectors, from, &lane);
    }
    if (lane.IsShort() || to->IsShort()) {
        Ensure(connectors, &lane, to);
    }
    CCarouselLaneConnector* first = connectors.FindConnector(from, &lane);
    CCarouselLaneConnector* second = connectors.FindConnector(&lane, to);
    if (first && second) {
        const Routing::CEdgeRoute oldRun = Run({jump});
        const Routing::CEdgeRoute newRun = Run({first, second});
        for (CRoute* route : RoutesOn(*jump)) {
            route->ReplaceSubRoute(oldRun, newRun);
        }
    }
    connectors.RemoveConnector(jump);
}

} // namespace

bool DeleteLane(CArm& arm, std::uint32_t number)
{
    CCapacityLane* lane = arm.GetLanes().GetLane(number);
    if (!lane) {
        return false;
    }
    std::vector<std::uint32_t> rewritten;
    if (lane->IsShort()) {
        if (CCarouselLaneConnectors* connectors = ConnectorsOf(*lane)) {
            CLane* left = lane->GetLeftNeighbour();
            CLane* right = lane->GetRightNeighbour();
            Bridge(*connectors, *lane, left, right, rewritten);
            Bridge(*connectors, *lane, right, left, rewritten);
        }
    }
    arm.GetLanes().DeleteLane(number);
    if (CNetwork* network = arm.GetNetwork()) {
        RemoveBrokenRewrites(*network, rewritten);
        NormaliseAllArms(*network);
    }
    return true;
}

CCapacityLane* AddShortLane(CArm& arm, std::uint32_t number, std::int32_t length)
{
    if (length == InfiniteLaneLength) {
        return nullptr;
    }
    CCapacityLane* lane = arm.GetLanes().InsertLane(number);
    if (lane) {
        lane->SetLength(length);
        Normalise(*lane);
    }
    return lane;
}

void ReplaceLaneChangesOver(CLane& lane)
{
    CLane* left = lane.GetLeftNeighbour();
    CLane* right = lane.GetRightNeighbour();
    CCarouselLaneConnectors* connectors = ConnectorsOf(lane);
    if (!lane.IsShort() || !left || !right || !connectors) {
        return;
    }
    ReplaceJump(*connectors, lane, left, right);
    ReplaceJump(*connectors, lane, right, left);
}

bool ConvertToShortLane(CCapacityLane& lane, CCapacityLane& neighbour, std::int32_t length)
{
    CCarouselLaneConnectors* connectors = ConnectorsOf(lane);
    if (lane.IsShort() || length == InfiniteLaneLength || !IsNeighbour(lane, neighbour) ||
        !connectors) {
        return false;
    }
    CArm* arm = lane.GetArm();
    const ArmKind kind = arm->GetKind();
    lane.SetLength(length);
    Ensure(*connectors, &neighbour, &lane);

    // The chain L0 -> ... -> N -> S, walked backwards across the arm while each lane is fed by
    // its next neighbour in the same direction.
    const bool fromLeft = lane.GetLeftNeighbour() == &neighbour;
    std::vector<CLane*> chainLanes{&lane, &neighbour};
    for (CLane* next = fromLeft ? neighbour.GetLeftNeighbour() : neighbour.GetRightNeighbour();
         next && connectors->FindConnector(next, chainLanes.back()) && next != &lane;
         next = fromLeft ? next->GetLeftNeighbour() : next->GetRightNeighbour()) {
        chainLanes.push_back(next);
    }
    CLane* start = chainLanes.back(); // L0
    Routing::CEdgeRoute chain;
    for (std::size_t i = chainLanes.size() - 1; i > 0; --i) {
        chain.AppendEdge(connectors->FindConnector(chainLanes[i], chainLanes[i - 1]));
    }

    std::vector<CCarouselLaneConnector*> entering;
    for (CLaneConnector* connector : lane.GetIncomingConnectors()) {
        if (connector->GetFromLane()->GetArm() != arm) {
            entering.push_back(AsCarousel(connector));
        }
    }
    std::vector<std::uint32_t> rewritten;
    for (CCarouselLaneConnector* in : entering) {
        CCarouselLaneConnector* intoStart = Ensure(*connectors, in->GetFromLane(), start);
        const Routing::CEdgeRoute oldRun = Run({in});
        Routing::CEdgeRoute crossing = Run({intoStart});
        crossing.AppendRoute(chain);
        const Routing::CEdgeRoute endingAtStart = Run({intoStart});
        for (CRoute* route : RoutesOn(*in)) {
            const bool endsHere = route->GetDestinationLane() == &lane;
            const Routing::CEdgeRoute& newRun =
                kind == ArmKind::Exit && endsHere ? endingAtStart : crossing;
            if (route->ReplaceSubRoute(oldRun, newRun)) {
                rewritten.push_back(route->GetId());
            }
        }
    }
    if (kind == ArmKind::Entry) {
        CRouteCollection starting;
        for (CLaneConnector* connector : lane.GetOutgoingConnectors()) {
            for (CRoute* route : AsCarousel(connector)->GetRoutes()) {
                if (route->GetOriginLane() == &lane) {
                    starting.Add(route);
                }
            }
        }
        for (CRoute* route : starting) {
            route->PrependRoute(chain);
            rewritten.push_back(route->GetId());
        }
    }
    for (CCarouselLaneConnector* in : entering) {
        connectors->RemoveConnector(in);
    }
    RemoveBrokenRewrites(*lane.GetNetwork(), rewritten);
    Normalise(lane);
    return true;
}

bool ConvertToInfinitelyLongLane(CCapacityLane& lane)
{
    CCarouselLaneConnectors* connectors = ConnectorsOf(lane);
    if (!lane.IsShort() || !connectors) {
        return false;
    }
    const CArm* arm = lane.GetArm();
    std::vector<CCarouselLaneConnector*> feeding;
    for (CLaneConnector* connector : lane.GetIncomingConnectors()) {
        if (IsNeighbour(lane, *connector->GetFromLane())) {
            feeding.push_back(AsCarousel(connector));
        }
    }
    lane.SetLength(InfiniteLaneLength);
    std::vector<std::uint32_t> rewritten;
    for (CCarouselLaneConnector* feed : feeding) {
        for (CRoute* route : RoutesOn(*feed)) {
            std::size_t last = 0;
            while (route->GetConnector(last) != feed) {
                ++last;
            }
            std::size_t first = last;
            while (first > 0 && route->GetConnector(first - 1)->IsLaneChange() &&
                   route->GetConnector(first - 1)->GetFromLane()->GetArm() == arm) {
                --first;
            }
            if (first == 0) {
                continue; // starts on this arm: no connector enters it, the route goes with C
            }
            Routing::CEdgeRoute oldRun;
            for (std::size_t i = first - 1; i <= last; ++i) {
                oldRun.AppendEdge(route->GetConnector(i));
            }
            CLane* upstream = route->GetConnector(first - 1)->GetFromLane();
            if (route->ReplaceSubRoute(oldRun, Run({Ensure(*connectors, upstream, &lane)}))) {
                rewritten.push_back(route->GetId());
            }
        }
        connectors->RemoveConnector(feed);
    }
    RemoveBrokenRewrites(*lane.GetNetwork(), rewritten);
    Normalise(lane);
    return true;
}

const CLane* NewShortLaneFeeder(const CLane& selected, bool toRight)
{
    bool fedFromTheRightByALongLane = false;
    for (const CLane* current = &selected; const CLane* right = current->GetRightNeighbour();
         current = right) {
        if (!current->HasIncomingFrom(*right)) {
            break;
        }
        if (!right->IsShort()) {
            fedFromTheRightByALongLane = true;
            break;
        }
    }
    const CLane* left = toRight ? &selected : selected.GetLeftNeighbour();
    const CLane* right = toRight ? selected.GetRightNeighbour() : &selected;
    if (selected.IsShort() && !fedFromTheRightByALongLane) {
        return left != nullptr ? left : right;
    }
    return right != nullptr ? right : left;
}
