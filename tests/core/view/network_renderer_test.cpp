// The drawing pass: bounds mode, layers, lane sides and indicators, connectors, the OD matrix
// table and its message, capacity assessors.
#include "network_builder.h"
#include "roundabout.h"
#include "support/recording_surface.h"
#include "view/lane_geometry.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"
#include "view/od_matrix_graphics.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

using TestSupport::CRecordingSurface;

namespace
{

// Draws m_net with default settings; the network is built by each test or by Renderer.
class BareRenderer : public testing::Test
{
protected:
    CNetworkRenderer Make(CFlowGroup* group = nullptr)
    {
        CNetworkRenderer renderer(m_net.network, m_net.labels, m_odMatrix, m_net.printPages,
                                  m_program, m_settings, m_view);
        renderer.SetFlowGroup(group);
        return renderer;
    }

    TestSupport::CRoundabout m_net;
    CODMatrixGraphics m_odMatrix;
    ProgramSettings m_program;
    NetworkSettings m_settings;
    CNetworkViewState m_view;
};

class Renderer : public BareRenderer
{
protected:
    void SetUp() override { TestSupport::BuildRoundabout(m_net); }
    CNetworkRenderer Make() { return BareRenderer::Make(m_net.group); }
};

TEST_F(Renderer, BoundsModeDrawsNothingAndTheGridAddsNone)
{
    CNetworkRenderer renderer = Make();
    renderer.Switches().showODMatrix = true;
    CRecordingSurface surface;
    CBounds bounds;
    renderer.Draw(surface, &bounds);
    EXPECT_TRUE(surface.calls.empty()) << surface.calls.front();
    ASSERT_FALSE(bounds.IsEmpty());

    m_program.CurDisplayGrid = true;
    CBounds withGrid;
    renderer.Draw(surface, &withGrid);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_EQ(withGrid.GetRect(), bounds.GetRect());

    // Everything drawn lies inside the bounds.
    m_program.CurDisplayGrid = false;
    CRecordingSurface drawn;
    renderer.Draw(drawn);
    for (const std::string& call : drawn.Calls("LineTo ")) {
        int x = 0;
        int y = 0;
        ASSERT_EQ(std::sscanf(call.c_str(), "LineTo %d,%d", &x, &y), 2);
        EXPECT_TRUE(x >= bounds.GetRect().left && x < bounds.GetRect().right &&
                    y >= bounds.GetRect().top && y < bounds.GetRect().bottom)
            << call;
    }
}

TEST_F(Renderer, GridLinesCoverTheClipBoxInWholeSpacings)
{
    m_program.CurDisplayGrid = true;
    m_settings.GridSize = 100;
    CNetworkRenderer renderer = Make();
    CRecordingSurface surface;
    surface.clipBox = {-50, 20, 160, 230};
    renderer.DrawGrid(surface);
    // Widened to -100..200 by 0..300: four vertical lines, then four horizontal ones.
    EXPECT_EQ(surface.calls,
              (std::vector<std::string>{"Pen style=0 width=0 colour=0xebebeb", "MoveTo -100,0",
                                        "LineTo -100,300", "MoveTo 0,0", "LineTo 0,300",
                                        "MoveTo 100,0", "LineTo 100,300", "MoveTo 200,0",
                                        "LineTo 200,300", "MoveTo -100,0", "LineTo 200,0",
                                        "MoveTo -100,100", "LineTo 200,100", "MoveTo -100,200",
                                        "LineTo 200,200", "MoveTo -100,300", "LineTo 200,300"}));
}

TEST_F(Renderer, LayersCanBeSwitchedOffAndTheClipTestSkipsWhatLiesOutside)
{
    CNetworkRenderer renderer = Make();
    CRecordingSurface all;
    renderer.Draw(all);
    renderer.Switches().drawZones = false;
    renderer.Switches().drawConnectors = false;
    CRecordingSurface fewer;
    renderer.Draw(fewer);
    // Zones are the only rectangles but the assessor's box; connectors are lines.
    EXPECT_EQ(all.Calls("Rectangle").size(), m_net.network.GetZones().GetCount() + 1);
    EXPECT_EQ(fewer.Calls("Rectangle").size(), 1u);
    EXPECT_LT(fewer.Calls("LineTo").size() + m_net.network.GetLaneConnectors().GetCount() - 1,
              all.Calls("LineTo").size() + 1);

    renderer.Switches().drawZones = true;
    renderer.Switches().drawConnectors = true;
    renderer.Switches().clipTest = true;
    CRecordingSurface clipped;
    clipped.clipBox = {-5000, -5000, -4000, -4000};
    renderer.Draw(clipped);
    EXPECT_TRUE(clipped.Calls("TextOut").empty());
    EXPECT_TRUE(clipped.Calls("LineTo").empty());
}

TEST_F(Renderer, SelectedLanesAreDrawnLastOnTheirArm)
{
    // The pen before each lane's first polyline, in drawing order: arm 1 has three lanes
    // (with its flare), arm 2 the next two.
    auto lanePens = [&](CNetworkRenderer& renderer) {
        CRecordingSurface surface;
        renderer.Draw(surface);
        std::vector<std::string> pens;
        for (std::size_t i = 1; i < surface.calls.size() && pens.size() < 5; ++i) {
            if (surface.calls[i].rfind("Polyline", 0) == 0) {
                pens.push_back(surface.calls[i - 1]);
            }
        }
        return pens;
    };
    const std::string lanePen = "Pen style=0 width=1 colour=0x000000";
    const std::string selectedPen = "Pen style=0 width=1 colour=0x0000ff";
    CNetworkRenderer renderer = Make();
    renderer.Switches().showSelection = true;
    EXPECT_EQ(lanePens(renderer), std::vector<std::string>(5, lanePen));
    CCapacityLane* lane = m_net.network.GetArms().GetArm(2)->GetLanes().GetLane(1);
    m_view.SelectLane(*lane);
    EXPECT_EQ(lanePens(renderer),
              (std::vector<std::string>{lanePen, lanePen, lanePen, lanePen, selectedPen}));
    // Without the selection shown the lane is an ordinary one again.
    renderer.Switches().showSelection = false;
    EXPECT_EQ(lanePens(renderer), std::vector<std::string>(5, lanePen));
}

TEST_F(BareRenderer, LaneChangeDrawsDottedSharedSideAndIndicatorNotALine)
{
    CArm* arm = TestSupport::AddArm(m_net.network, 2);
    arm->SetPoints({1000, 500}, {400, 500}); // bearing 90, across up
    m_net.network.GetLaneConnectors().AddConnector(TestSupport::Lane(arm, 2),
                                                   TestSupport::Lane(arm, 1));
    CRecordingSurface surface;
    Make().Draw(surface);
    // No connector line: every LineTo belongs to the arm or the lanes (12 lane lines + arm).
    EXPECT_EQ(surface.Calls("LineTo").size(), 2u * 5u + 1u);
    // Lane 1's inner side and lane 2's outer side (across 54) are dotted.
    std::vector<std::string> dotted;
    for (std::size_t i = 0; i + 2 < surface.calls.size(); ++i) {
        if (surface.calls[i].rfind("Pen style=2", 0) == 0) {
            dotted.push_back(surface.calls[i + 1] + " " + surface.calls[i + 2]);
        }
    }
    EXPECT_EQ(dotted, (std::vector<std::string>{"MoveTo 400,446 LineTo 1000,446",
                                                "MoveTo 400,446 LineTo 1000,446"}));
    // The indicator on lane 1 (fed from lane 2, its inner neighbour): base on across 54 at
    // along T = 108, tip 15 towards the outside, in the left colour.
    EXPECT_EQ(surface.Calls("Polygon").back(), "Polygon 897,446 887,446 892,431");
    EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(), "Brush 0x00ff00"),
              surface.calls.end());
}

TEST_F(BareRenderer, NoFlowGroupGivesTheODMatrixMessage)
{
    m_net.network.GetZones().InsertZone(1);
    m_odMatrix.SetPosition(100, 200); // default text height 40: "88888" is 100 by 40
    CNetworkRenderer renderer = Make();
    renderer.Switches().showODMatrix = true;
    renderer.Switches().drawZones = false;
    CRecordingSurface surface;
    renderer.Draw(surface);
    EXPECT_EQ(surface.Calls("Rectangle"), (std::vector<std::string>{"Rectangle 100,200,1100,320"}));
    EXPECT_EQ(
        surface.Calls("TextOut"),
        (std::vector<std::string>{
            "TextOut 600,260 align=14 colour=0x000000 esc=0 'The OD Matrix cannot be shown as:'",
            "TextOut 600,260 align=6 colour=0x000000 esc=0 'There are currently no Flow "
            "Groups defined.'"}));
    CBounds bounds;
    renderer.Draw(surface, &bounds);
    EXPECT_EQ(bounds.GetRect(), (CRect{99, 199, 1101, 321}));
}

TEST_F(BareRenderer, ODMatrixHasCaptionRowsNamesCellsAndTotals)
{
    CNetwork& network = m_net.network;
    CZone* a = network.GetZones().InsertZone(1);
    CZone* b = network.GetZones().InsertZone(2);
    a->SetColour(0x0000AA);
    b->SetColour(0x00BB00);
    CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(1);
    group->SetDescription("PM");
    group->SetStart(17 * 3600);
    group->SetEnd(18 * 3600 + 30 * 60);
    group->SetDesiredFlow(network.GetODMovements().Find(a, b), 120);
    m_settings.ODMatrixTextHeight = 40; // row height 48, column width trunc(2.5 x 48) = 120
    CNetworkRenderer renderer = Make(group);
    renderer.Switches().showODMatrix = true;
    renderer.Switches().drawZones = false;
    CRecordingSurface surface;
    renderer.Draw(surface);
    const auto texts = surface.Texts();
    EXPECT_EQ(texts, (std::vector<std::string>{"PM : 17:00 - 18:30", "Desired Flows", "A", "A", "B",
                                               "B", "Tot.", "Tot.", "0", "120", "120", "0", "0",
                                               "0", "0", "120", "120"}));
    // Origin colouring: cells and origin totals in the origin's colour, destination totals
    // black; cell (1, 2) sits in row 1, column 2.
    EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(),
                        "TextOut 300,148 align=6 colour=0x0000aa esc=0 '120'"),
              surface.calls.end());
    // 4 x 4 body: five lines each way below two caption rows.
    EXPECT_EQ(surface.Calls("LineTo").size(), 1u + 5u + 5u);
    CBounds bounds;
    renderer.Draw(surface, &bounds);
    EXPECT_EQ(bounds.GetRect(), (CRect{-1, -1, 481, 289}));
}

TEST_F(Renderer, AssessorAtItsThresholdTakesTheExceededColour)
{
    CCapacityAssessor& assessor = *m_net.network.GetCapacityAssessors().GetCapacityAssessor(1);
    m_program.CurExceededCapacityAssessmentThresholdColor = 0x0000EE;
    m_program.CurNotExceededCapacityAssessmentThresholdColor = 0x00DD00;
    CNetworkRenderer renderer = Make();
    const std::int32_t flow = assessor.GetAssessedFlow(m_net.group);
    ASSERT_GT(flow, 0);
    auto colourOfText = [&]() {
        CRecordingSurface surface;
        renderer.DrawCapacityAssessor(surface, nullptr, assessor);
        return surface.Calls("TextOut").at(0);
    };
    assessor.SetThreshold(flow);
    EXPECT_NE(colourOfText().find("colour=0x0000ee esc=0 '" + std::to_string(flow) + "'"),
              std::string::npos)
        << colourOfText();
    assessor.SetThreshold(flow + 1);
    EXPECT_NE(colourOfText().find("colour=0x00dd00"), std::string::npos);
}

// The lines to the two arms start on the box's outline, so they never strike through its
// number, and they still reach the arms' first points.
TEST_F(Renderer, AssessorLinesJoinItsBoxNotItsNumber)
{
    CCapacityAssessor& assessor = *m_net.network.GetCapacityAssessors().GetCapacityAssessor(1);
    CNetworkRenderer renderer = Make();
    CRecordingSurface surface;
    renderer.DrawCapacityAssessor(surface, nullptr, assessor);
    ASSERT_EQ(surface.Calls("Rectangle").size(), 1u);
    CRect box;
    ASSERT_EQ(std::sscanf(surface.Calls("Rectangle")[0].c_str(), "Rectangle %d,%d,%d,%d", &box.left,
                          &box.top, &box.right, &box.bottom),
              4);
    const std::vector<std::string> starts = surface.Calls("MoveTo");
    ASSERT_EQ(starts.size(), 2u);
    for (const std::string& start : starts) {
        CPoint p;
        ASSERT_EQ(std::sscanf(start.c_str(), "MoveTo %d,%d", &p.x, &p.y), 2);
        const bool onSide =
            (p.x == box.left || p.x == box.right - 1) && p.y >= box.top && p.y < box.bottom;
        const bool onEnd =
            (p.y == box.top || p.y == box.bottom - 1) && p.x >= box.left && p.x < box.right;
        EXPECT_TRUE(onSide || onEnd) << start << " on box " << surface.Calls("Rectangle")[0];
    }
    const auto armStart = [](const CArm* arm) {
        const CPoint p = ArmSegment(*arm).PointAt(0.0, 0.0);
        return "LineTo " + std::to_string(p.x) + "," + std::to_string(p.y);
    };
    EXPECT_EQ(surface.Calls("LineTo"),
              (std::vector<std::string>{armStart(assessor.GetEntryArm()),
                                        armStart(assessor.GetCirculatoryArm())}));
}

} // namespace
