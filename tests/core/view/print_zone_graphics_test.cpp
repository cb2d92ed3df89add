// Print zones on the plan in print layout mode: the NOTXOR fill, the number, the outline and
// the current zone's handles.
#include "roundabout.h"
#include "support/recording_surface.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"
#include "view/od_matrix_graphics.h"

#include <algorithm>
#include <gtest/gtest.h>

using TestSupport::CRecordingSurface;

namespace
{

class PrintZoneDrawing : public testing::Test
{
protected:
    void SetUp() override
    {
        m_net.printPages.AddPage()->GetPrintZone().SetRect(100, 200, 500, 400);
        m_net.printPages.AddPage()->GetPrintZone().SetRect(1000, 1000, 1200, 1100);
    }

    CRecordingSurface DrawPages(bool showSelection, CBounds* bounds = nullptr)
    {
        CNetworkRenderer renderer(m_net.network, m_net.labels, m_odMatrix, m_net.printPages,
                                  m_program, m_settings, m_view);
        renderer.Switches().showSelection = showSelection;
        CRecordingSurface surface;
        renderer.DrawPrintPages(surface, bounds);
        return surface;
    }

    TestSupport::CRoundabout m_net;
    CODMatrixGraphics m_odMatrix;
    ProgramSettings m_program;
    NetworkSettings m_settings;
    CNetworkViewState m_view;
};

TEST_F(PrintZoneDrawing, FilledUnderNotXorNumberedBesideTheLeftEdgeAndOutlined)
{
    const CRecordingSurface surface = DrawPages(true);
    const std::vector<std::string> expected{"Rop2 10",
                                            "Pen style=5 width=0 colour=0x000000",
                                            "Brush 0xf5f5f5",
                                            "Rectangle 100,200,500,400",
                                            "Rop2 13",
                                            "Font height=40 esc=900",
                                            "TextColour 0x00ff00",
                                            "BkMode 1",
                                            "Align 14",
                                            "TextOut 96,300 align=14 colour=0x00ff00 esc=900 '1'"};
    ASSERT_GE(surface.calls.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), surface.calls.begin()));
    EXPECT_EQ(
        surface.Calls("Polyline"),
        (std::vector<std::string>{"Polyline 100,200 500,200 500,400 100,400 100,200",
                                  "Polyline 1000,1000 1200,1000 1200,1100 1000,1100 1000,1000"}));
    EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(surface.Calls("Rectangle").size(), 2u); // no zone is current: no handles
}

TEST_F(PrintZoneDrawing, CurrentZoneHasHandlesWhenTheSelectionIsShown)
{
    m_view.Select(ESelectionKind::PrintZone, m_net.printPages.GetPage(2)->GetId());
    const std::vector<std::string> boxes = DrawPages(true).Calls("Rectangle");
    ASSERT_EQ(boxes.size(), 2u + 8u);
    EXPECT_EQ(boxes[2], "Rectangle 994,994,1007,1007");   // top left
    EXPECT_EQ(boxes[7], "Rectangle 1094,1094,1107,1107"); // bottom middle
    EXPECT_EQ(boxes[9], "Rectangle 994,1044,1007,1057");  // left middle
    EXPECT_EQ(DrawPages(false).Calls("Rectangle").size(), 2u);

    CBounds bounds;
    EXPECT_TRUE(DrawPages(true, &bounds).calls.empty());
    // The number "1", 20 long and 40 high, stands left of x = 96.
    EXPECT_EQ(bounds.GetRect(), (CRect{56, 193, 1207, 1107}));
}

} // namespace
