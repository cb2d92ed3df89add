// Progress and cancellation of the route search. The commands are checked whole, cancelled at
// several points, in the document's tests.
#include "../../../bench/junction_generator.h"
#include "cancel_at_report.h"
#include "route_fixture.h"
#include "routing/route_commands.h"
#include "graph/route_discoverer.h"
#include "../graph/toy_graph.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

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

// Routes whose making raises the cancel flag once `cancelAfter` of them exist.
class CCancellingRoutes : public RoutingToy::CToyRoutes
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

TEST(RouteDiscovererFeedback, TheSearchStopsAtTheCancelFlag)
{
    // Three ways from s to x, found one after another.
    RoutingToy::CToyGraph graph;
    RoutingToy::CToyGroup* in = graph.AddGroup(1);
    RoutingToy::CToyGroup* out = graph.AddGroup(2);
    RoutingToy::CToyNode* s = graph.AddNode(in);
    RoutingToy::CToyNode* x = graph.AddNode(out, true);
    for (int way = 0; way < 3; ++way) {
        RoutingToy::CToyNode* m = graph.AddNode(in);
        graph.AddEdge(s, m);
        graph.AddEdge(m, x);
    }
    for (std::uint32_t cancelAfter : {1u, 2u}) {
        CFeedback feedback;
        CCancellingRoutes routes(feedback, cancelAfter);
        EXPECT_EQ(Routing::CRouteDiscoverer(routes, &feedback).DiscoverRoutes(*s, *out),
                  cancelAfter);
    }
    RoutingToy::CToyRoutes routes;
    EXPECT_EQ(Routing::CRouteDiscoverer(routes).DiscoverRoutes(*s, *out), 3u);
}

// On a roundabout of four legs with every other route built, a build cancelled before it
// starts, at its first report, half-way or at its last report (when every origin has added its
// routes) takes back all it added: numbers and ids are as before.
TEST(BuildRoutesFeedback, CancelledAnywhereLeavesTheRoutesAsTheyWere)
{
    CNetwork network;
    JunctionBench::MakeJunction(network, {4, 2, true, false, false});
    std::size_t reports = 0;
    CFeedback counting([&](double) { ++reports; });
    ASSERT_TRUE(network.GetRoutes().DiscoverRoutes(&counting));
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = routes.GetRouteCount() / 2; n >= 1; --n)
        routes.RemoveRoute(2 * n);
    auto held = [&] {
        std::vector<std::string> all;
        for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
            const CRoute& route = *routes.GetRoute(n);
            all.push_back(std::to_string(route.GetId()) + " " + routetest::Path(route));
        }
        return all;
    };
    const std::vector<std::string> before = held();
    ASSERT_GT(reports, 3u);
    for (std::size_t at : routetest::CancelPoints(reports)) {
        routetest::CCancelAtReport cancel(at);
        EXPECT_FALSE(routes.DiscoverRoutes(&cancel.feedback)) << "at report " << at;
        EXPECT_EQ(held(), before) << "at report " << at;
    }
}

} // namespace
