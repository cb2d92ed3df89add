// Progress and cancellation of Build Routes and balancing.
#include "../../../bench/junction_generator.h"
#include "route_fixture.h"
#include "routing/feedback.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_commands.h"
#include "routing/route_discoverer.h"
#include "toy_graph.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

TEST(Feedback, ProgressOnlyGrowsAndStaysWithin0To100)
{
    std::vector<double> heard;
    CFeedback feedback([&](double percent) { heard.push_back(percent); });
    feedback.SetProgress(-5.0);
    feedback.SetProgress(std::nan(""));
    feedback.SetProgress(40.0);
    feedback.SetProgress(40.0);
    feedback.SetProgress(10.0);
    feedback.SetProgress(250.0);
    EXPECT_EQ(heard, (std::vector<double>{40.0, 100.0}));
    EXPECT_EQ(feedback.GetProgress(), 100.0);
    EXPECT_FALSE(feedback.IsCancelled());
    feedback.Cancel();
    EXPECT_TRUE(IsCancelled(&feedback));
    EXPECT_FALSE(IsCancelled(nullptr));
}

// Routes whose making cancels the search once `cancelAfter` of them exist.
class CCancellingRoutes : public RoutingToy::CToyRoutes
{
public:
    CCancellingRoutes(CFeedback& feedback, std::size_t cancelAfter)
        : m_feedback(feedback), m_cancelAfter(cancelAfter)
    {}

protected:
    std::unique_ptr<Routing::CDiscoveredRoute>
    CreateRoute(Routing::CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number) override
    {
        if (number >= m_cancelAfter) {
            m_feedback.Cancel();
        }
        return CToyRoutes::CreateRoute(owner, id, number);
    }

private:
    CFeedback& m_feedback;
    std::size_t m_cancelAfter;
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
    for (std::size_t cancelAfter : {1u, 2u}) {
        CFeedback feedback;
        CCancellingRoutes routes(feedback, cancelAfter);
        Routing::CRouteDiscoverer discoverer(routes, &feedback);
        EXPECT_EQ(discoverer.DiscoverRoutes(*s, *out), cancelAfter);
    }
    CFeedback cancelled;
    cancelled.Cancel();
    RoutingToy::CToyRoutes routes;
    EXPECT_EQ(Routing::CRouteDiscoverer(routes, &cancelled).DiscoverRoutes(*s, *out), 0u);
    EXPECT_EQ(Routing::CRouteDiscoverer(routes).DiscoverRoutes(*s, *out), 3u);
}

// A roundabout of four legs with half its routes built and a flow on each: what a cancelled
// build must leave exactly as it was.
class BuildRoutesFeedback : public testing::Test
{
protected:
    void SetUp() override
    {
        JunctionBench::MakeJunction(network, {4, 2, true, false, false});
        BuildRoutes(network);
        CRoutes& routes = network.GetRoutes();
        total = routes.GetCount();
        for (std::uint32_t n = routes.GetRouteCount() / 2; n >= 1; --n) {
            routes.RemoveRoute(2 * n);
        }
        for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
            routes.GetRoute(n)->SetFlow(network.GetCurrentFlowGroup(), n);
        }
        before = Routes();
    }
    // Every route: its id, path and flow.
    std::vector<std::string> Routes() const
    {
        std::vector<std::string> held;
        const CRoutes& routes = network.GetRoutes();
        for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
            const CRoute& route = *routes.GetRoute(n);
            held.push_back(std::to_string(route.GetId()) + " " + routetest::Path(route) + " " +
                           std::to_string(route.GetFlow(network.GetCurrentFlowGroup())));
        }
        return held;
    }

    CNetwork network;
    std::size_t total = 0;
    std::vector<std::string> before;
};

TEST_F(BuildRoutesFeedback, ProgressReachesTheEndOfAFullBuild)
{
    std::vector<double> heard;
    CFeedback feedback([&](double percent) { heard.push_back(percent); });
    EXPECT_TRUE(network.GetRoutes().DiscoverRoutes(&feedback));
    EXPECT_EQ(network.GetRoutes().GetCount(), total);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), 100.0);
    EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
}

// Cancelled before it starts, after the first lane, in the middle or at the very end, the
// build takes back every route it added: numbers, ids and flows are as before.
TEST_F(BuildRoutesFeedback, CancelledAnywhereLeavesTheRoutesAsTheyWere)
{
    std::size_t reports = 0;
    CFeedback counting([&](double) { ++reports; });
    {
        CNetwork copy;
        JunctionBench::MakeJunction(copy, {4, 2, true, false, false});
        copy.GetRoutes().DiscoverRoutes(&counting);
    }
    ASSERT_GT(reports, 3u);
    for (std::size_t at : {std::size_t{0}, std::size_t{1}, reports / 2, reports}) {
        std::size_t heard = 0;
        CFeedback feedback([&](double) {
            if (++heard == at) {
                feedback.Cancel();
            }
        });
        if (at == 0) {
            feedback.Cancel();
        }
        EXPECT_FALSE(network.GetRoutes().DiscoverRoutes(&feedback)) << "at report " << at;
        EXPECT_EQ(Routes(), before) << "at report " << at;
    }
}

TEST_F(BuildRoutesFeedback, CancelledBalancingStopsBetweenArmsAndIterations)
{
    BuildRoutes(network);
    JunctionBench::SetSampleFlows(network);
    CFlowGroup* group = network.GetCurrentFlowGroup();
    CArm& entry = *network.GetArms().GetArm(1);
    ASSERT_TRUE(IsBalanceableArm(entry));

    // Between iterations nothing is written back: the flows are Distribute's weights.
    CLaneFlowBalancer balancer(entry, group);
    balancer.Distribute();
    const std::vector<std::string> distributed = Routes();
    CFeedback cancelled;
    cancelled.Cancel();
    EXPECT_FALSE(balancer.Balance(100, &cancelled));
    EXPECT_EQ(Routes(), distributed);

    // Half-way through the arm's iterations: nothing is written back either.
    CFeedback halfWay([&](double percent) {
        if (percent >= 50.0) {
            halfWay.Cancel();
        }
    });
    EXPECT_FALSE(BalanceLaneFlowsOnArm(entry, group, &halfWay));
    EXPECT_EQ(Routes(), distributed);

    // Cancelled once the first arm is done, the others are not touched.
    const std::vector<std::string> flows = Routes();
    const double firstArmDone = 100.0 / network.GetArms().GetCount();
    CFeedback afterOne([&](double percent) {
        if (percent >= firstArmDone) {
            afterOne.Cancel();
        }
    });
    EXPECT_EQ(BalanceLaneFlowsOnAllArms(network, group, &afterOne), 1u);
    const std::vector<std::string> now = Routes();
    EXPECT_NE(now, flows) << "the first arm was balanced";
    const CRouteCollection firstArm = [&] {
        CRouteCollection routes;
        for (std::uint32_t n = 1; n <= entry.GetLanes().GetCount(); ++n) {
            routes.AddAll(entry.GetLanes().GetLane(n)->GetStopLineRoutes());
        }
        return routes;
    }();
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        if (!firstArm.Contains(network.GetRoutes().GetRoute(n))) {
            EXPECT_EQ(now[n - 1], flows[n - 1]);
        }
    }
}

} // namespace
