// Edits and queries of Routing::CEdgeRoute on a small fixed graph.
#include "case_name.h"
#include "graph/edge_route.h"
#include "toy_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using TestSupport::PrintTo;

using Routing::CEdgeRoute;
using Routing::CRouteableEdge;
using RoutingToy::CToyEdge;
using RoutingToy::CToyNode;

// A -> B -> C -> D -> E -> F along the main line; X and Y are side nodes for detours.
class EdgeRouteTest : public ::testing::Test
{
protected:
    EdgeRouteTest()
    {
        RoutingToy::CToyGroup* group = m_graph.AddGroup(1);
        for (char name : std::string("ABCDEFXY"))
            m_nodes[name] = m_graph.AddNode(group);
        for (const char* name : {"ab", "bc", "cd", "de", "ef", "bx", "xd", "cx", "yb", "dy", "ea"})
            m_edges[name] = m_graph.AddEdge(m_nodes[static_cast<char>(name[0] - 'a' + 'A')],
                                            m_nodes[static_cast<char>(name[1] - 'a' + 'A')]);
        m_edges["ab2"] = m_graph.AddEdge(m_nodes['A'], m_nodes['B']); // parallel to ab
    }

    CEdgeRoute Route(const std::vector<std::string>& names)
    {
        CEdgeRoute route;
        for (const std::string& name : names)
            route.AppendEdge(m_edges.at(name));
        return route;
    }

    std::vector<std::string> NamesOf(const CEdgeRoute& route)
    {
        std::vector<std::string> names;
        for (CRouteableEdge* edge : route.GetEdges()) {
            for (const auto& [name, known] : m_edges) {
                if (known == edge)
                    names.push_back(name);
            }
        }
        return names;
    }

    template <class TCall> void ExpectRuntimeError(TCall call, const char* message)
    {
        EXPECT_THAT(call, testing::ThrowsMessage<std::runtime_error>(testing::StrEq(message)));
    }

    RoutingToy::CToyGraph m_graph;
    std::map<char, CToyNode*> m_nodes;
    std::map<std::string, CToyEdge*> m_edges;
};

using EdgeNames = std::vector<std::string>;

// Edges and routes are added only where they join; an empty side never fails the join.
TEST_F(EdgeRouteTest, AppendAndPrependCheckTheJoin)
{
    CEdgeRoute route;
    route.AppendEdge(m_edges["cd"]);
    route.PrependEdge(m_edges["bc"]);
    EXPECT_EQ(route.FirstNode(), m_nodes['B']);
    EXPECT_EQ(route.LastNode(), m_nodes['D']);
    ExpectRuntimeError([&] { route.AppendEdge(m_edges["bc"]); }, "Route End Match Error");
    ExpectRuntimeError([&] { route.PrependEdge(m_edges["bc"]); }, "Route End Match Error");
    EXPECT_THROW(route.AppendEdge(nullptr), std::invalid_argument);
    EXPECT_THROW(route.PrependEdge(nullptr), std::invalid_argument);
    EXPECT_EQ(NamesOf(route), (EdgeNames{"bc", "cd"}));

    route.AppendRoute(Route({"de", "ef"}));
    route.PrependRoute(Route({"ab"}));
    EXPECT_EQ(NamesOf(route), (EdgeNames{"ab", "bc", "cd", "de", "ef"}));
    ExpectRuntimeError([&] { route.AppendRoute(Route({"ab"})); }, "Route End Match Error");
    ExpectRuntimeError([&] { route.PrependRoute(Route({"bc"})); }, "Route End Match Error");
    EXPECT_EQ(route.GetLength(), 5u);
    CEdgeRoute empty;
    route.AppendRoute(empty);
    route.PrependRoute(empty);
    empty.PrependRoute(Route({"xd", "de"}));
    EXPECT_EQ(route.GetLength(), 5u);
    EXPECT_EQ(NamesOf(empty), (EdgeNames{"xd", "de"}));
}

TEST_F(EdgeRouteTest, ARoundTripCanBeJoinedToItself)
{
    CEdgeRoute loop = Route({"ab", "bc", "cd", "de", "ea"});
    loop.AppendRoute(loop);
    EXPECT_EQ(loop.GetLength(), 10u);
    EXPECT_EQ(loop.GetEdge(5), m_edges["ab"]);

    CEdgeRoute front = Route({"ab", "bc", "cd", "de", "ea"});
    front.PrependRoute(front);
    EXPECT_EQ(NamesOf(front), NamesOf(loop));
}

// Both ends of every edge are on a route; the same route means the same edges in order.
TEST_F(EdgeRouteTest, NodeQueriesAndSameRoute)
{
    const CEdgeRoute empty;
    ExpectRuntimeError([&] { (void)empty.FirstNode(); }, "Empty Route");
    ExpectRuntimeError([&] { (void)empty.LastNode(); }, "Empty Route");
    EXPECT_FALSE(empty.ContainsNode(m_nodes['A']));
    const CEdgeRoute route = Route({"ab", "bx"});
    EXPECT_TRUE(route.ContainsNode(m_nodes['A']));
    EXPECT_TRUE(route.ContainsNode(m_nodes['X']));
    EXPECT_FALSE(route.ContainsNode(m_nodes['C']));
    EXPECT_TRUE(CEdgeRoute(route).IsSameRoute(route));

    EXPECT_TRUE(Route({"ab", "bc"}).IsSameRoute(Route({"ab", "bc"})));
    EXPECT_FALSE(Route({"ab", "bc"}).IsSameRoute(Route({"ab", "bc", "cd"})));
    // Same nodes, but a different edge between them.
    EXPECT_FALSE(Route({"ab", "bc"}).IsSameRoute(Route({"ab2", "bc"})));
    EXPECT_FALSE(Route({"ab", "bx"}).IsSameRoute(Route({"ab", "bc"})));
    // Two empty routes are the same route rather than an "Empty Route" error.
    EXPECT_TRUE(CEdgeRoute().IsSameRoute(CEdgeRoute()));
    EXPECT_FALSE(CEdgeRoute().IsSameRoute(Route({"ab"})));
}

struct ReplaceCase
{
    const char* name;
    EdgeNames oldRun;
    EdgeNames newRun;
    bool replaced;
    EdgeNames result; // the route afterwards; the original when not replaced
};

class ReplaceSubRouteTest : public EdgeRouteTest, public ::testing::WithParamInterface<ReplaceCase>
{};

TEST_P(ReplaceSubRouteTest, OnTheMainLine)
{
    const ReplaceCase& c = GetParam();
    const EdgeNames original{"ab", "bc", "cd", "de"};
    CEdgeRoute route = Route(original);
    EXPECT_EQ(route.ReplaceSubRoute(Route(c.oldRun), Route(c.newRun)), c.replaced);
    EXPECT_EQ(NamesOf(route), c.replaced ? c.result : original);
}

const ReplaceCase kReplaceCases[] = {
    {"EmptyOldRun", {}, {"bx"}, false, {}},
    {"OldRunNotOnRoute", {"bx", "xd"}, {"bc", "cd"}, false, {}},
    {"OldRunLeavesTheRoute", {"bc", "cx"}, {"bx"}, false, {}},
    {"OldRunPastTheEnd", {"de", "ef"}, {"de", "ef"}, false, {}},
    {"NewStartsElsewhereInside", {"bc", "cd"}, {"xd"}, false, {}},
    {"NewEndsElsewhereInside", {"bc", "cd"}, {"bx"}, false, {}},
    {"DetourInTheMiddle", {"bc", "cd"}, {"bx", "xd"}, true, {"ab", "bx", "xd", "de"}},
    {"NewStartAtTheFront", {"ab"}, {"yb"}, true, {"yb", "bc", "cd", "de"}},
    {"NewEndAtTheBack", {"de"}, {"dy"}, true, {"ab", "bc", "cd", "dy"}},
    {"WholeRoute",
     {"ab", "bc", "cd", "de"},
     {"ab2", "bx", "xd", "de"},
     true,
     {"ab2", "bx", "xd", "de"}},
    {"EmptyNewTrimsTheFront", {"ab", "bc"}, {}, true, {"cd", "de"}},
    {"EmptyNewTrimsTheBack", {"de"}, {}, true, {"ab", "bc", "cd"}},
    {"EmptyNewEmptiesTheRoute", {"ab", "bc", "cd", "de"}, {}, true, {}},
    // Taking a run out of the middle would leave a gap between B and C.
    {"EmptyNewInsideRefused", {"bc"}, {}, false, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceSubRouteTest, ::testing::ValuesIn(kReplaceCases),
                         CaseName());

TEST_F(EdgeRouteTest, ReplaceRefusesAnEmptyRouteAndTriesOnlyTheFirstOccurrence)
{
    CEdgeRoute empty;
    EXPECT_FALSE(empty.ReplaceSubRoute(Route({"ab"}), Route({"yb"})));
    EXPECT_TRUE(empty.IsEmpty());
    // ab occurs twice; the first one is followed by bc, not bx.
    CEdgeRoute route = Route({"ab", "bc", "cd", "de", "ea", "ab", "bx"});
    EXPECT_FALSE(route.ReplaceSubRoute(Route({"ab", "bx"}), Route({"ab2", "bx"})));
    EXPECT_EQ(route.GetLength(), 7u);
}

// Records the hooks with the length of the list at the time of the call.
class CRecordingRoute : public CEdgeRoute
{
public:
    std::vector<std::pair<char, std::size_t>> m_calls; // '+' added, '-' removed
    std::vector<CRouteableEdge*> m_edges;

protected:
    void OnEdgeAdded(CRouteableEdge* edge) override
    {
        m_calls.emplace_back('+', GetLength());
        m_edges.push_back(edge);
    }
    void OnEdgeRemoved(CRouteableEdge* edge) override
    {
        m_calls.emplace_back('-', GetLength());
        m_edges.push_back(edge);
    }
};

TEST_F(EdgeRouteTest, HooksSeeEveryEdgeAfterTheListChanged)
{
    CRecordingRoute route;
    route.AppendEdge(m_edges["bc"]);
    route.PrependEdge(m_edges["ab"]);
    route.AppendRoute(Route({"cd", "de"}));
    ASSERT_TRUE(route.ReplaceSubRoute(Route({"bc", "cd"}), Route({"bx", "xd"})));

    const std::vector<std::pair<char, std::size_t>> calls{{'+', 1}, {'+', 2}, {'+', 3}, {'+', 4},
                                                          {'-', 3}, {'-', 2}, {'+', 3}, {'+', 4}};
    EXPECT_EQ(route.m_calls, calls);
    const std::vector<CRouteableEdge*> edges{m_edges["bc"], m_edges["ab"], m_edges["cd"],
                                             m_edges["de"], m_edges["bc"], m_edges["cd"],
                                             m_edges["bx"], m_edges["xd"]};
    EXPECT_EQ(route.m_edges, edges);

    // A refused edit calls nothing.
    route.m_calls.clear();
    EXPECT_FALSE(route.ReplaceSubRoute(Route({"bc"}), Route({})));
    EXPECT_THROW(route.AppendEdge(m_edges["ab"]), std::runtime_error);
    EXPECT_TRUE(route.m_calls.empty());
}

} // namespace
