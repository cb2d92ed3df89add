// The depth-first route search: its agreement with the plainly written search on random graphs,
// the cases those cannot reach, and its progress feedback.
#include "graph/route_discoverer.h"
#include "toy_graph.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace
{
using Routing::CRouteableEdge;
using Routing::CRouteDiscoverer;
using RoutingToy::CToyEdge;
using RoutingToy::CToyGraph;
using RoutingToy::CToyGroup;
using RoutingToy::CToyNode;
using RoutingToy::CToyRoutes;

using EdgeLists = std::vector<std::vector<CRouteableEdge*>>;

EdgeLists Routes(const CToyRoutes& routes)
{
    EdgeLists lists;
    for (const auto& route : routes.GetRoutes())
        lists.emplace_back(route->GetEdges().begin(), route->GetEdges().end());
    return lists;
}

class RouteDiscovererTest : public ::testing::Test
{
protected:
    // `count` ways from start through a node of their own to x, found in that order.
    void Ways(CToyNode* start, CToyNode* x, int count)
    {
        for (int way = 0; way < count; ++way) {
            CToyNode* p = m_graph.AddNode(m_middle);
            m_graph.AddEdge(start, p);
            m_graph.AddEdge(p, x);
        }
    }

    CToyGraph m_graph;
    CToyGroup* m_entry = m_graph.AddGroup(1);
    CToyGroup* m_middle = m_graph.AddGroup(2);
    CToyGroup* m_exit = m_graph.AddGroup(3);
    CToyRoutes m_routes;
    CRouteDiscoverer m_discoverer{m_routes};
};

TEST_F(RouteDiscovererTest, NeverRevisitsANodeOrTheStart)
{
    CToyNode* s = m_graph.AddNode(m_entry);
    CToyNode* p = m_graph.AddNode(m_middle);
    CToyNode* q = m_graph.AddNode(m_middle);
    CToyNode* x = m_graph.AddNode(m_exit, true);
    m_graph.AddEdge(s, s); // a loop at the start
    CToyEdge* sp = m_graph.AddEdge(s, p);
    m_graph.AddEdge(p, s);
    CToyEdge* pq = m_graph.AddEdge(p, q);
    m_graph.AddEdge(q, p);
    m_graph.AddEdge(q, q);
    CToyEdge* qx = m_graph.AddEdge(q, x);

    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s, *m_exit), 1u);
    EXPECT_EQ(Routes(m_routes), (EdgeLists{{sp, pq, qx}}));
}

TEST_F(RouteDiscovererTest, TargetIsMatchedByIdAndAGrouplessRouteEndIsNone)
{
    CToyNode* s = m_graph.AddNode(m_entry);
    m_graph.AddEdge(s, m_graph.AddNode(nullptr, true));
    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s, *m_exit), 0u);
    m_graph.AddEdge(s, m_graph.AddNode(m_exit, true));
    const CToyGroup sameId(3);
    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s, sameId), 1u);
}

// Searching again adds nothing (the agreement test below checks that); a removed route comes
// back behind the others with a new id.
TEST_F(RouteDiscovererTest, RemovedRouteIsFoundAgainBehindTheOthers)
{
    CToyNode* s1 = m_graph.AddNode(m_entry);
    CToyNode* s2 = m_graph.AddNode(m_entry);
    CToyNode* p = m_graph.AddNode(m_middle);
    CToyNode* x = m_graph.AddNode(m_exit, true);
    m_graph.AddEdge(s1, p);
    m_graph.AddEdge(s2, p); // two starts into the same node: two routes
    m_graph.AddEdge(p, x);
    m_graph.AddEdge(s1, x);

    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s1, *m_exit), 2u);
    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s2, *m_exit), 1u);
    const EdgeLists first = Routes(m_routes);
    ASSERT_TRUE(m_routes.RemoveRoute(1));
    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s1, *m_exit), 1u);
    EXPECT_EQ(Routes(m_routes), (EdgeLists{first[1], first[2], first[0]}));
    EXPECT_EQ(m_routes.GetRouteByNumber(3)->GetId(), 1004u);
}

// A chain of 100 edges is the longest route found.
TEST(RouteDiscovererChain, RoutesHaveAtMost100Edges)
{
    for (const std::size_t edges : {1u, 99u, 100u, 101u}) {
        SCOPED_TRACE(edges);
        CToyGraph graph;
        CToyGroup* middle = graph.AddGroup(1);
        CToyGroup* exit = graph.AddGroup(2);
        CToyNode* start = graph.AddNode(middle);
        CToyNode* node = start;
        for (std::size_t i = 1; i <= edges; ++i) {
            CToyNode* next = graph.AddNode(i == edges ? exit : middle, i == edges);
            graph.AddEdge(node, next);
            node = next;
        }
        CToyRoutes routes;
        EXPECT_EQ(CRouteDiscoverer(routes).DiscoverRoutes(*start, *exit), edges <= 100 ? 1u : 0u);
        if (edges <= 100) {
            EXPECT_EQ(routes.GetFirstRoute()->GetLength(), edges);
        }
    }
}

// Random small graphs with cycles, parallel edges and route ends of several groups, two in one
// group, with edges leading on from them: the search must find exactly the routes, depth first
// in edge order, of the plainly written one, and a second run of either must add nothing.
class AgreementTest : public ::testing::TestWithParam<unsigned>
{};

TEST_P(AgreementTest, SameRoutesInTheSameOrderAsThePlainSearch)
{
    std::mt19937 random(GetParam());
    CToyGraph graph;
    std::vector<CToyGroup*> groups{graph.AddGroup(1), graph.AddGroup(2), graph.AddGroup(3)};
    std::vector<CToyNode*> nodes;
    for (int i = 0; i < 12; ++i) {
        const bool end = i >= 8;
        nodes.push_back(graph.AddNode(groups[static_cast<std::size_t>(i % 3)], end));
    }
    std::uniform_int_distribution<std::size_t> pick(0, nodes.size() - 1);
    for (int i = 0; i < 30; ++i) {
        CToyNode* from = nodes[pick(random)];
        CToyNode* to = nodes[pick(random)];
        if (from != to)
            graph.AddEdge(from, to);
    }

    CToyRoutes fast;
    CToyRoutes plain;
    CRouteDiscoverer discoverer(fast);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t start = 0; start < 8; ++start) {
            for (CToyGroup* target : groups) {
                discoverer.DiscoverRoutes(*nodes[start], *target);
                RoutingToy::SearchPlainly(plain, *nodes[start], Routing::CEdgeRoute(), *target);
            }
        }
        const std::size_t count = fast.GetCount();
        EXPECT_EQ(Routes(fast), Routes(plain));
        if (pass == 1) {
            EXPECT_EQ(count, fast.GetCount());
        }
    }
    EXPECT_GT(fast.GetCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, AgreementTest, ::testing::Range(1u, 9u));

// Three ways from s to x. A limit the routes would pass stops collecting or adding and says so;
// one they meet exactly does not, and routes held already count towards it.
TEST_F(RouteDiscovererTest, RouteLimitStopsBeforeTheCollectionWouldPassIt)
{
    CToyNode* s = m_graph.AddNode(m_entry);
    CToyNode* x = m_graph.AddNode(m_exit, true);
    Ways(s, x, 3);
    const Routing::CRouteableNodeGroup* targets[] = {m_exit};
    const auto collect = [&](std::size_t limit) {
        CRouteDiscoverer discoverer(m_routes);
        discoverer.SetRouteLimit(limit);
        discoverer.BeginCollecting(targets);
        discoverer.CollectFrom(*s);
        discoverer.AddCollected();
        return discoverer.LimitReached();
    };
    EXPECT_TRUE(collect(2)) << "three paths found";
    EXPECT_EQ(m_routes.GetCount(), 0u);
    EXPECT_FALSE(collect(3));
    EXPECT_EQ(m_routes.GetCount(), 3u);
    EXPECT_FALSE(collect(3)) << "the same three again add nothing";

    // Two ways from another start: each found once, but with the three held they pass four.
    s = m_graph.AddNode(m_entry);
    Ways(s, x, 2);
    EXPECT_TRUE(collect(4));
    EXPECT_EQ(m_routes.GetCount(), 4u) << "added up to the limit, for the caller to drop";
}

// Routes whose making raises the cancel flag once `cancelAfter` of them exist.
class CCancellingRoutes : public CToyRoutes
{
public:
    CCancellingRoutes(CFeedback& feedback, std::uint32_t cancelAfter)
        : m_feedback(feedback), m_cancelAfter(cancelAfter)
    {}

protected:
    std::unique_ptr<Routing::CDiscoveredRoute>
    CreateRoute(Routing::CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number) override
    {
        if (number >= m_cancelAfter)
            m_feedback.Cancel();
        return CToyRoutes::CreateRoute(owner, id, number);
    }

private:
    CFeedback& m_feedback;
    std::uint32_t m_cancelAfter;
};

TEST_F(RouteDiscovererTest, TheSearchStopsAtTheCancelFlag)
{
    CToyNode* s = m_graph.AddNode(m_entry);
    Ways(s, m_graph.AddNode(m_exit, true), 3);
    for (std::uint32_t cancelAfter : {1u, 2u}) {
        CFeedback feedback;
        CCancellingRoutes routes(feedback, cancelAfter);
        EXPECT_EQ(CRouteDiscoverer(routes, &feedback).DiscoverRoutes(*s, *m_exit), cancelAfter);
    }
    EXPECT_EQ(m_discoverer.DiscoverRoutes(*s, *m_exit), 3u);
}

TEST(Feedback, ProgressOnlyGrowsAndStaysWithin0To100)
{
    std::vector<double> heard;
    CFeedback feedback([&](double percent) { heard.push_back(percent); });
    for (double percent : {-5.0, std::nan(""), 40.0, 40.0, 10.0, 250.0})
        feedback.SetProgress(percent);
    EXPECT_EQ(heard, (std::vector<double>{40.0, 100.0}));
    EXPECT_FALSE(IsCancelled(&feedback));
    feedback.Cancel();
    EXPECT_TRUE(IsCancelled(&feedback));
}

} // namespace
