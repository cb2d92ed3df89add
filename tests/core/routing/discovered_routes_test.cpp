// Numbering, ids, route classes of subclasses and the hashed duplicate test of
// Routing::CDiscoveredRoutes.
#include "../graph/toy_graph.h"
#include "case_name.h"
#include "graph/discovered_route.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <stdexcept>
#include <vector>

namespace
{
using TestSupport::PrintTo;

using Routing::CDiscoveredRoute;
using Routing::CDiscoveredRoutes;
using Routing::CEdgeRoute;
using Routing::CRouteableEdge;
using RoutingToy::CToyRoutes;

std::vector<std::uint32_t> Ids(const CDiscoveredRoutes& routes)
{
    std::vector<std::uint32_t> ids;
    for (const auto& route : routes.GetRoutes())
        ids.push_back(route->GetId());
    return ids;
}

void ExpectNumbersMatchPositions(const CDiscoveredRoutes& routes)
{
    std::uint32_t number = 1;
    for (const auto& route : routes.GetRoutes()) {
        EXPECT_EQ(route->GetNumber(), number);
        EXPECT_EQ(routes.GetRouteByNumber(number), route.get());
        EXPECT_EQ(routes.GetRouteById(route->GetId()), route.get());
        EXPECT_EQ(route->GetOwner(), &routes);
        ++number;
    }
}

// New routes are numbered in order with ids from 1001; removing route 3 of 5 moves the rest
// down, and ids are never reused, not even after every route is gone.
TEST(DiscoveredRoutesTest, NumbersFollowPositionsAndIdsAreNeverReused)
{
    CToyRoutes routes;
    EXPECT_EQ(routes.GetFirstRoute(), nullptr);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(routes.AddNewRoute()->IsEmpty());
    EXPECT_EQ(Ids(routes), (std::vector<std::uint32_t>{1001, 1002, 1003, 1004, 1005}));
    ExpectNumbersMatchPositions(routes);
    EXPECT_EQ(routes.GetRouteByNumber(0), nullptr);
    EXPECT_EQ(routes.GetRouteByNumber(6), nullptr);
    EXPECT_EQ(routes.GetRouteById(1000), nullptr);
    EXPECT_EQ(routes.GetRouteById(1006), nullptr);
    std::vector<std::uint32_t> walked;
    for (auto* route = routes.GetFirstRoute(); route; route = routes.GetNextRoute(*route))
        walked.push_back(route->GetId());
    EXPECT_EQ(walked, Ids(routes));

    EXPECT_FALSE(routes.RemoveRoute(0));
    EXPECT_FALSE(routes.RemoveRoute(6));
    EXPECT_EQ(routes.GetCount(), 5u);

    EXPECT_TRUE(routes.RemoveRoute(3));
    EXPECT_EQ(Ids(routes), (std::vector<std::uint32_t>{1001, 1002, 1004, 1005}));
    EXPECT_EQ(routes.GetRouteById(1003), nullptr);
    EXPECT_EQ(routes.AddNewRoute()->GetId(), 1006u);
    ExpectNumbersMatchPositions(routes);
    routes.RemoveAllRoutes();
    EXPECT_EQ(routes.GetRouteById(1001), nullptr);
    EXPECT_EQ(routes.AddNewRoute()->GetId(), 1007u);
}

TEST(DiscoveredRoutesTest, RemovingASetRenumbersLikeOneByOne)
{
    CToyRoutes routes;
    CToyRoutes other;
    for (int i = 0; i < 6; ++i)
        routes.AddNewRoute();
    CDiscoveredRoute* foreign = other.AddNewRoute();
    // Out of order, twice, a null and a route of another collection: only 2 and 5 go.
    const std::vector<CDiscoveredRoute*> doomed{routes.GetRouteByNumber(5), nullptr, foreign,
                                                routes.GetRouteByNumber(2),
                                                routes.GetRouteByNumber(5)};
    EXPECT_EQ(routes.RemoveRoutes(doomed), 2u);
    EXPECT_EQ(Ids(routes), (std::vector<std::uint32_t>{1001, 1003, 1004, 1006}));
    ExpectNumbersMatchPositions(routes);
    EXPECT_EQ(other.GetCount(), 1u);
    EXPECT_EQ(routes.RemoveRoutes({}), 0u);
}

// Like the network's route class: a discovered route that also names the edge route as a base.
class CTracedRoute : public CDiscoveredRoute, public virtual CEdgeRoute
{
public:
    CTracedRoute(CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number,
                 std::vector<std::uint32_t>& destroyed)
        : CDiscoveredRoute(owner, id, number), m_destroyed(destroyed)
    {}
    ~CTracedRoute() override { m_destroyed.push_back(GetId()); }

    int m_added = 0;

protected:
    void OnEdgeAdded(CRouteableEdge*) override { ++m_added; }

private:
    std::vector<std::uint32_t>& m_destroyed;
};

class CTracedRoutes : public CDiscoveredRoutes
{
public:
    ~CTracedRoutes() override { RemoveAllRoutes(); }
    void DiscoverRoutes() override {}
    std::vector<std::uint32_t> m_destroyed;
    bool m_makeStranger = false;

protected:
    std::unique_ptr<CDiscoveredRoute> CreateRoute(CDiscoveredRoutes* owner, std::uint32_t id,
                                                  std::uint32_t number) override
    {
        return std::make_unique<CTracedRoute>(m_makeStranger ? nullptr : owner, id, number,
                                              m_destroyed);
    }
};

// A subclass makes its own routes: they must belong to the collection, have one edge list and
// are destroyed in number order.
TEST(DiscoveredRoutesTest, SubclassRoutes)
{
    CTracedRoutes routes;
    routes.m_makeStranger = true;
    EXPECT_THAT([&] { routes.AddNewRoute(); },
                testing::ThrowsMessage<std::logic_error>(
                    testing::StrEq("CreateRoute made a route that does not belong here")));
    EXPECT_EQ(routes.GetCount(), 0u);
    routes.m_makeStranger = false;
    for (int i = 0; i < 4; ++i)
        routes.AddNewRoute();
    EXPECT_EQ(routes.GetRouteByNumber(1)->GetId(), 1002u) << "the refused id is spent";

    // Its routes have one edge list, whichever base adds to it.
    RoutingToy::CToyGraph graph;
    RoutingToy::CToyGroup* group = graph.AddGroup(1);
    RoutingToy::CToyNode* a = graph.AddNode(group);
    RoutingToy::CToyNode* b = graph.AddNode(group);
    auto* route = dynamic_cast<CTracedRoute*>(routes.GetRouteByNumber(1));
    ASSERT_NE(route, nullptr);
    route->AppendEdge(graph.AddEdge(a, b));
    CEdgeRoute& asEdgeRoute = *route;
    asEdgeRoute.AppendEdge(graph.AddEdge(b, graph.AddNode(group)));
    EXPECT_EQ(route->GetLength(), 2u);
    EXPECT_EQ(route->m_added, 2);
    EXPECT_TRUE(routes.ContainsRoute(asEdgeRoute));

    EXPECT_TRUE(routes.RemoveRoute(2));
    EXPECT_EQ(routes.m_destroyed, (std::vector<std::uint32_t>{1001, 1003}));
    routes.RemoveAllRoutes();
    EXPECT_EQ(routes.m_destroyed, (std::vector<std::uint32_t>{1001, 1003, 1002, 1004, 1005}));
}

// A complete graph on a few nodes with two parallel edges per ordered pair, so that routes may
// share nodes but not edges; random routes, edits and queries are checked against the
// one-by-one comparison.
class HashedContainsTest : public ::testing::TestWithParam<unsigned>
{
protected:
    static constexpr std::size_t NodeCount = 4;

    HashedContainsTest()
    {
        RoutingToy::CToyGroup* group = m_graph.AddGroup(1);
        for (std::size_t i = 0; i < NodeCount; ++i)
            m_nodes.push_back(m_graph.AddNode(group));
        for (auto* from : m_nodes) {
            for (auto* to : m_nodes) {
                m_out[from].push_back(m_graph.AddEdge(from, to));
                m_out[from].push_back(m_graph.AddEdge(from, to));
            }
        }
    }

    CRouteableEdge* AnyEdgeFrom(const Routing::CRouteableNode* node)
    {
        const auto& edges = m_out.at(node);
        return edges[Pick(edges.size())];
    }
    std::size_t Pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random);
    }

    CEdgeRoute RandomRoute()
    {
        CEdgeRoute route;
        const std::size_t length = Pick(4); // 0 ... 3 edges, so that repeats are common
        if (length > 0)
            route.AppendEdge(AnyEdgeFrom(m_nodes[Pick(NodeCount)]));
        while (route.GetLength() < length)
            route.AppendEdge(AnyEdgeFrom(route.LastNode()));
        return route;
    }

    void Edit(CEdgeRoute& route)
    {
        switch (Pick(3)) {
        case 0:
            if (route.IsEmpty())
                route.AppendEdge(AnyEdgeFrom(m_nodes[0]));
            else
                route.AppendEdge(AnyEdgeFrom(route.LastNode()));
            break;
        case 1: {
            if (route.IsEmpty())
                break;
            // A two-edge detour through a random node in place of one edge.
            CRouteableEdge* edge = route.GetEdge(Pick(route.GetLength()));
            CEdgeRoute oldRun;
            oldRun.AppendEdge(edge);
            CEdgeRoute newRun;
            newRun.AppendEdge(AnyEdgeFrom(edge->GetFromNode()));
            CRouteableEdge* back = nullptr;
            for (CRouteableEdge* candidate : m_out.at(newRun.LastNode())) {
                if (candidate->GetToNode() == edge->GetToNode())
                    back = candidate;
            }
            newRun.AppendEdge(back);
            route.ReplaceSubRoute(oldRun, newRun);
            break;
        }
        default:
            if (!route.IsEmpty()) {
                CEdgeRoute front;
                front.AppendEdge(route.GetEdge(0));
                route.ReplaceSubRoute(front, CEdgeRoute());
            }
            break;
        }
    }

    RoutingToy::CToyGraph m_graph;
    std::vector<RoutingToy::CToyNode*> m_nodes;
    std::map<const Routing::CRouteableNode*, std::vector<CRouteableEdge*>> m_out;
    std::mt19937 m_random{GetParam()};
};

TEST_P(HashedContainsTest, AgreesWithComparingOneByOne)
{
    CToyRoutes routes;
    int hits = 0;
    for (int step = 0; step < 3000; ++step) {
        const std::size_t action = Pick(10);
        if (action < 3) {
            routes.AddNewRoute()->AppendRoute(RandomRoute());
        } else if (action < 5 && routes.GetCount() > 0) {
            Edit(*routes.GetRouteByNumber(static_cast<std::uint32_t>(Pick(routes.GetCount()) + 1)));
        } else if (action == 5 && routes.GetCount() > 0) {
            routes.RemoveRoute(static_cast<std::uint32_t>(Pick(routes.GetCount()) + 1));
        } else if (action == 6 && Pick(50) == 0) {
            routes.RemoveAllRoutes();
        } else {
            const CEdgeRoute candidate = RandomRoute();
            const bool expected = RoutingToy::ContainsRouteOneByOne(routes, candidate);
            ASSERT_EQ(routes.ContainsRoute(candidate), expected) << "step " << step;
            hits += expected ? 1 : 0;
        }
        if (routes.GetCount() > 0) {
            const auto* held =
                routes.GetRouteByNumber(static_cast<std::uint32_t>(Pick(routes.GetCount()) + 1));
            ASSERT_TRUE(routes.ContainsRoute(*held));
        }
    }
    EXPECT_GT(hits, 100); // the walk must really hit held routes, not only miss
}

INSTANTIATE_TEST_SUITE_P(Seeds, HashedContainsTest, ::testing::Values(1u, 2u, 3u));

} // namespace
