// The frame and title block as drawn: border, captions, values wrapped and centred, and an
// outside metafile reader that finds the captions.
#include "../view/support/recording_surface.h"
#include "external_tools.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "printer_caps_samples.h"
#include "printing/frame_drawing.h"
#include "printing/page_layout.h"
#include "printing/print_page.h"
#include "printing/text_wrap.h"
#include "printing/title_block.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace TestSupport;
using namespace std::chrono;

namespace
{

// Characters are 10 wide in a font 20 high.
TEST(WrapTextTest, LinesFitTheWidth)
{
    const std::vector<std::tuple<const char*, int, std::vector<std::string>>> cases{
        {"", 100, {}},
        {"abcde fghij", 110, {"abcde fghij"}},
        {"abcd efgh ijkl", 100, {"abcd efgh", "ijkl"}},
        {"ab abcdefghijklmno", 100, {"ab", "abcdefghij", "klmno"}},
        {"\xC3\xA9\xC3\xA9\xC3\xA9", 20, {"\xC3\xA9\xC3\xA9", "\xC3\xA9"}},
        {"1 High Street\r\nTown\r\n", 1000, {"1 High Street", "Town"}},
        {"ab", 5, {"a", "b"}}};
    const CRecordingSurface surface;
    for (const auto& [text, width, lines] : cases)
        EXPECT_EQ(WrapText(surface, CBearingFont(90.0, 20, false), text, width), lines) << text;
}

// A4 landscape at one pixel a unit: the frame is (100, 100)-(2870, 2000).
class FrameDrawingTest : public testing::Test
{
protected:
    void Draw(TitleBlockPosition position)
    {
        CPrintPage& page = *pages.AddPage();
        page.SetTitleBlockPosition(position);
        SetDefaultTitleBlock(page, A4Landscape254(), facts);
        DrawDrawingFrame(surface, page.GetDrawingFrame(), {100, 100, 2870, 2000});
    }
    bool Drawn(const std::string& call) const
    {
        return std::find(surface.calls.begin(), surface.calls.end(), call) != surface.calls.end();
    }
    static std::string Text(int x, int y, unsigned align, const std::string& text)
    {
        return "TextOut " + std::to_string(x) + "," + std::to_string(y) +
               " align=" + std::to_string(align) + " colour=0x000000 esc=0 '" + text + "'";
    }

    CPrintPages pages;
    CTitleBlockFacts facts{"Acme", "J. Smith", "", "roundabout.crs", "", "", 2026y / December / 7d};
    CRecordingSurface surface;
};

TEST_F(FrameDrawingTest, WithoutTitleBlockOnlyTheBorderIsDrawn)
{
    Draw(TitleBlockPosition::None);
    EXPECT_EQ(surface.Calls("Polyline"),
              (std::vector<std::string>{"Polyline 100,100 2870,100 2870,2000 100,2000 100,100"}));
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_TRUE(Drawn("Pen style=0 width=0 colour=0x000000"));
}

TEST_F(FrameDrawingTest, CaptionInTheCornerAndValueCentredBelowIt)
{
    Draw(TitleBlockPosition::Right);
    // FileName is the bottom row of the strip at the right: (2270, 1900)-(2870, 2000).
    EXPECT_TRUE(Drawn("Polyline 2270,1900 2870,1900 2870,2000 2270,2000 2270,1900"));
    EXPECT_TRUE(Drawn(Text(2272, 1902, 0, "FileName")));
    // Below the caption (25 high, 4 apart): (2272, 1931)-(2868, 1998); one line 30 high.
    EXPECT_TRUE(Drawn(Text(2570, 1949, 6, "roundabout.crs")));
    // Scale, date and author share row 5, laid from the right.
    EXPECT_TRUE(Drawn(Text(2722, 1302, 0, "Scale")));
    EXPECT_TRUE(Drawn(Text(2497, 1302, 0, "Date")));
    EXPECT_TRUE(Drawn(Text(2272, 1302, 0, "Author")));
    EXPECT_EQ(surface.Texts().size(), 9u + 5u); // nine captions; empty values write nothing
    EXPECT_TRUE(Drawn("Font height=60 esc=0")); // the company's value
}

TEST_F(FrameDrawingTest, ValueTooTallStartsAtTheTopAndDropsLinesBelowTheCell)
{
    facts.documentTitle = std::string(100, 'a'); // 39 characters a line: three lines
    Draw(TitleBlockPosition::Right);
    EXPECT_TRUE(Drawn(Text(2570, 1931, 6, std::string(39, 'a'))));
    EXPECT_TRUE(Drawn(Text(2570, 1961, 6, std::string(39, 'a'))));
    EXPECT_FALSE(Drawn(Text(2570, 1991, 6, std::string(22, 'a'))));
}

TEST(TitleBlockEmf, OutsideReaderFindsCaptionsAndValues)
{
    constexpr const char* Converter = "/usr/bin/emf2svg-conv";
    CFreeTypeTextMeasurer measurer;
    CEmfRecorder recorder(measurer, "TitleBlock");
    CPrintPages pages;
    CPrintPage& page = *pages.AddPage();
    page.SetPageTitle("The ring");
    page.SetIndicateScaleOnTitleBlock(true);
    page.GetPrintZone().SetScale(0.5);
    const CTitleBlockFacts facts{"Acme Traffic", "J. Smith", "1 High Street",      "roundabout.crs",
                                 "Ring Road",    "AM Peak",  2026y / December / 7d};
    SetDefaultTitleBlock(page, A4Landscape254(), facts);
    DrawDrawingFrame(recorder, page.GetDrawingFrame(), FrameRect(A4Landscape254(), 100));
    const auto emf = recorder.Finish();
    if (!HaveExecutable(Converter)) {
        GTEST_SKIP() << Converter << " is not installed (Debian package emf2svg)";
    }
    const auto dir = ScratchDir("emf2svg-title-block");
    WriteBytes(dir / "title.emf", emf);
    const CCommandResult run =
        TestSupport::Run(std::string(Converter) + " -i " + (dir / "title.emf").string() + " -o " +
                         (dir / "title.svg").string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string svg = ReadText(dir / "title.svg");
    for (const char* text : {"FileName", "Flowgroup", "Drawing Title", "Project Title", "Scale",
                             "Date", "Author", "Address", "Company", "1:2", "07 Dec 2026",
                             "Acme Traffic", "The ring", "roundabout.crs", "AM Peak"}) {
        EXPECT_NE(svg.find(std::string("<![CDATA[") + text + "]]>"), std::string::npos) << text;
    }
}

} // namespace
