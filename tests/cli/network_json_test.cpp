// The JSON of `show` and the balance job, on networks in memory.
#include "cardfile/carousel_file.h"
#include "cli_document.h"
#include "external_tools.h"
#include "model/network.h"
#include "network_builder.h"
#include "network_jobs.h"
#include "network_json.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace
{

using nlohmann::ordered_json;

// Entry arm 1 (one lane) to exit arm 2 (one lane), zone A on arm 1 and zone B on arm 2, 600
// wanted from A to B: the shape of the documented example.
class CTwoArms : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSupport::CNetworkBuilder(network).Arms({1, 1}).Connect("1.1>2.1").Zone(1, 0).Zone(0, 2);
        CZone* a = network.GetZones().GetZone(1);
        CZone* b = network.GetZones().GetZone(2);
        group = network.GetFlowGroups().InsertFlowGroup(1);
        network.SetCurrentFlowGroup(group);
        group->SetDesiredFlow(network.GetODMovements().Find(a, b), 600);
        CCapacityAssessor* assessor = network.GetCapacityAssessors().InsertCapacityAssessor(1);
        assessor->SetEntryArm(network.GetArms().GetArm(1));
        assessor->SetThreshold(500);
    }
    // The network as gyrolith-cli opens it from a file.
    CCliDocument& Open()
    {
        const auto path = TestSupport::ScratchDir("network_json") / "two_arms.crs";
        SaveNetworkFile(path, data, NetworkSettings{});
        opened = std::make_unique<CCliDocument>(path);
        return *opened;
    }
    CDocumentData data;
    CNetwork& network = data.network;
    CFlowGroup* group = nullptr;
    std::unique_ptr<CCliDocument> opened;
};

TEST_F(CTwoArms, DocumentedShapeBeforeAndAfterBalancing)
{
    ordered_json json = NetworkToJson(network, nullptr, group);
    EXPECT_EQ(json["arms"][0].dump(),
              R"({"number":1,"label":"E1","kind":"entry","lanes":[{"number":1,"length":9999,)"
              R"("inflow":0.0,"stop_line_flow":0.0}]})");
    EXPECT_EQ(json["zones"][1].dump(), R"({"number":2,"name":"B","entry_arm":0,"exit_arm":2})");
    EXPECT_EQ(json["connectors"].dump(),
              R"([{"from_arm":1,"from_lane":1,"to_arm":2,"to_lane":1}])");
    EXPECT_TRUE(json["routes"].empty());
    EXPECT_EQ(json["od"]["difference"].dump(), "[[0.0,-600.0],[0.0,0.0]]");
    EXPECT_EQ(json["labels"].dump(), "[]");

    CCliDocument& document = Open();
    EXPECT_EQ(
        RunBalanceJob(document,
                      {.arm = std::nullopt, .flowGroup = std::nullopt, .buildRoutesFirst = true}),
        1u);
    const CNetwork& balanced = document.Document().GetNetwork();
    json = NetworkToJson(balanced, nullptr, balanced.GetCurrentFlowGroup());
    EXPECT_EQ(json["routes"].dump(),
              R"([{"number":1,"permitted":true,"circular":false,"origin_zone":"A",)"
              R"("destination_zone":"B","lanes":[[1,1],[2,1]],"flow":600.0,"locked":false,)"
              R"("proportion":-1.0,"balancing":""}])");
    EXPECT_EQ(json["flow_groups"].dump(),
              R"([{"number":1,"description":"Flow Group 1","start":"08:00","end":"09:00",)"
              R"("current":true}])");
    EXPECT_EQ(json["od"].dump(),
              R"({"zones":["A","B"],"desired":[[0,600],[0,0]],"actual":[[0.0,600.0],[0.0,0.0]],)"
              R"("difference":[[0.0,0.0],[0.0,0.0]],)"
              R"("origin_totals":{"desired":[600,0],"actual":[600.0,0.0]},)"
              R"("destination_totals":{"desired":[0,600],"actual":[0.0,600.0]}})");
    EXPECT_EQ(json["capacity_assessors"].dump(),
              R"([{"number":1,"entry_arm":1,"circulatory_arm":0,"threshold":500,)"
              R"("assessed_flow":600,"exceeded":true}])");
    EXPECT_EQ(json["arms"][1]["lanes"][0]["stop_line_flow"], 600.0);
}

TEST_F(CTwoArms, FlowsComeFromTheChosenGroup)
{
    BuildRoutes(network);
    network.GetRoutes().GetRoute(1)->SetFlow(group, 42.0);
    CFlowGroup* other = network.GetFlowGroups().InsertFlowGroup(2);
    EXPECT_EQ(NetworkToJson(network, nullptr, other)["routes"][0]["flow"], 0.0);
    EXPECT_EQ(NetworkToJson(network, nullptr, ChooseFlowGroup(network, 1))["routes"][0]["flow"],
              42.0);
    EXPECT_EQ(NetworkToJson(network, nullptr, nullptr)["flow_groups"][1]["current"], false);
}

// Unknown numbers are the cli's bad usage (cli_test); a known exit arm just does not qualify.
TEST_F(CTwoArms, AnArmThatCannotBeBalancedBalancesNothing)
{
    EXPECT_EQ(RunBalanceJob(Open(), {.arm = 2, .flowGroup = 1, .buildRoutesFirst = true}), 0u);
}

std::size_t NonNumbers(const ordered_json& json)
{
    if (json.is_structured()) {
        std::size_t count = 0;
        for (const auto& item : json) {
            count += NonNumbers(item);
        }
        return count;
    }
    return json.is_null() ? 1 : 0;
}

// Rounding must not overflow, and JSON has no infinity: flows from a damaged file still print
// as numbers.
TEST_F(CTwoArms, HugeFlowsPrintAsNumbers)
{
    CArm* in = network.GetArms().GetArm(1);
    in->GetLanes().InsertLane(2);
    network.GetLaneConnectors().AddConnector(in->GetLanes().GetLane(2),
                                             network.GetArms().GetArm(2)->GetLanes().GetLane(1));
    BuildRoutes(network);
    ASSERT_EQ(network.GetRoutes().GetRouteCount(), 2u);
    network.GetRoutes().GetRoute(1)->SetFlow(group, 1e300);
    EXPECT_EQ(NetworkToJson(network, nullptr, group)["routes"][0]["flow"], 1e300);

    // Two of the largest flows into one lane add up to infinity.
    network.GetRoutes().GetRoute(1)->SetFlow(group, 1e308);
    network.GetRoutes().GetRoute(2)->SetFlow(group, 1e308);
    const ordered_json json = NetworkToJson(network, nullptr, group);
    EXPECT_EQ(NonNumbers(json), 0u) << json.dump();
    EXPECT_EQ(json["arms"][1]["lanes"][0]["inflow"], std::numeric_limits<double>::max());
    EXPECT_EQ(json["routes"][1]["flow"], 1e308);
}

} // namespace
