// The flow values written inside a lane: skipping, delimiters, the overflow marker, colours.
#include "network_builder.h"
#include "support/recording_surface.h"
#include "view/arm_graphics.h"

#include <gtest/gtest.h>

using TestSupport::CRecordingSurface;

namespace
{
// One entry lane feeding four exit arms, so four routes (one per destination zone 2..5, in
// route number order) stop on it. The entry arm is 400 long, which leaves a text line of
// 164 with arm text height 30; with the fixed-width measurer every character is 15 wide.
class CFourRoutes
{
public:
    explicit CFourRoutes(bool reading)
    {
        entry = TestSupport::AddArm(network, 1);
        // Traffic leaving to the right has its text turned ("<<"); to the left it reads on.
        if (reading) {
            entry->SetPoints({600, 500}, {1000, 500});
        } else {
            entry->SetPoints({1000, 500}, {600, 500});
        }
        CZone* origin = network.GetZones().InsertZone(1);
        origin->SetEntryArm(entry);
        for (std::uint32_t k = 0; k < 4; ++k) {
            CArm* exit = TestSupport::AddArm(network, 1);
            exit->SetPoints({0.0, 1000.0 + 100 * k}, {-400.0, 1000.0 + 100 * k});
            network.GetLaneConnectors().AddConnector(TestSupport::Lane(entry, 1),
                                                     TestSupport::Lane(exit, 1));
            CZone* destination = network.GetZones().InsertZone(k + 2);
            destination->SetExitArm(exit);
            destination->SetColour(0x000010 * (k + 1));
        }
        group = network.GetFlowGroups().InsertFlowGroup(1);
        network.GetRoutes().DiscoverRoutes();
    }
    void SetFlows(const std::vector<double>& flows)
    {
        for (std::uint32_t n = 1; n <= flows.size(); ++n) {
            network.GetRoutes().GetRoute(n)->SetFlow(group, flows[n - 1]);
        }
    }

    // The entry lane's flow text as drawn with these switches.
    CRecordingSurface DrawFlowText(const CRenderSwitches& switches)
    {
        CRenderContext context;
        context.program = &program;
        context.network = &settings;
        context.flowGroup = group;
        context.switches = switches;
        CRecordingSurface surface;
        CLaneGraphics(context, *TestSupport::Lane(entry, 1)).DrawFlowText(surface);
        return surface;
    }

    CNetwork network;
    CArm* entry = nullptr;
    CFlowGroup* group = nullptr;
    ProgramSettings program;
    NetworkSettings settings;
};

TEST(LaneFlowText, WritesWhatFitsAndSkipsWhatRoundsToZero)
{
    const struct
    {
        const char* name;
        bool reading;
        std::vector<double> flows;
        bool showZero;
        int precision;
        std::vector<std::string> texts;
    } cases[] = {
        // 60 + 60 + 15 = 135: more than 164 - 30 leaves, but the last value may use it all.
        {"LastValueUsesTheFullLength", true, {12, 34, 0, 5}, false, 0, {"12, ", "34, ", "5"}},
        // A hidden zero after it: the 5 is not the last value and must leave marker room.
        {"ValueBeforeAHiddenZero", true, {12, 34, 5, 0}, false, 0, {"12, ", "34, ", ">>"}},
        {"ZeroFlowsShownAreDelimited", true, {12, 0, 0, 0}, true, 0, {"12, ", "0, ", ">>"}},
        {"PointFourSkippedPointFiveWritten", true, {0.4, 0.5, 0.4, 7}, false, 1, {"0.5, ", "7.0"}},
        {"TurnedDelimitsAfterEarlier", false, {12, 34, 0, 5}, false, 0, {"12", "34, ", "5, "}},
        {"TurnedMarkerPointsBack", false, {123, 456, 789, 1}, false, 0, {"123", "456, ", "<<"}},
        {"NothingToShow", true, {0, 0, 0, 0}, false, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFourRoutes net(c.reading);
        ASSERT_EQ(net.network.GetRoutes().GetRouteCount(), 4u);
        net.SetFlows(c.flows);
        net.program.CurLaneFlowPrecision = c.precision;
        CRenderSwitches switches;
        switches.laneFlows.aggregation = ELaneFlowAggregation::None;
        switches.laneFlows.colouring = ELaneFlowColouring::ByDestination;
        switches.laneFlows.zeroFlowsShown = c.showZero;
        EXPECT_EQ(net.DrawFlowText(switches).Texts(), c.texts);
    }
}

TEST(LaneFlowText, PiecesRunFromTheStopLineInTheirValuesColours)
{
    CFourRoutes net(true);
    net.SetFlows({12, 34, 56, 78});
    CRenderSwitches switches;
    switches.laneFlows.colouring = ELaneFlowColouring::ByDestination;
    const CRecordingSurface surface = net.DrawFlowText(switches);
    // Centre line y 536, text 15 below it: bottom-aligned, centred on the line. Stop-line end
    // of the text line at x 718; pieces follow towards the far end; the third overflows.
    EXPECT_EQ(surface.Calls("TextOut"),
              (std::vector<std::string>{"TextOut 718,551 align=8 colour=0x000010 esc=0 '12, '",
                                        "TextOut 778,551 align=8 colour=0x000020 esc=0 '34, '",
                                        "TextOut 838,551 align=8 colour=0x000030 esc=0 '>>'"}));
    EXPECT_EQ(surface.calls.back(), "TextColour 0x000000");
}

TEST(LaneFlowText, DrawsTheChosenAggregationOfPermittedRoutesOnly)
{
    CFourRoutes net(true);
    net.SetFlows({1, 2, 3, 4});
    // Every route is one arm-to-arm step from its end, so by destination the four make one
    // band, coloured by the first route's zone.
    CRenderSwitches switches;
    switches.laneFlows.aggregation = ELaneFlowAggregation::ByDestination;
    switches.laneFlows.colouring = ELaneFlowColouring::ByDestination;
    EXPECT_EQ(net.DrawFlowText(switches).Calls("TextOut"),
              (std::vector<std::string>{"TextOut 718,551 align=8 colour=0x000010 esc=0 '10'"}));

    net.network.GetRoutes().GetRoute(2)->SetPermitted(false);
    switches.laneFlows.aggregation = ELaneFlowAggregation::None;
    EXPECT_EQ(net.DrawFlowText(switches).Texts(), (std::vector<std::string>{"1, ", "3, ", "4"}));
}

} // namespace
