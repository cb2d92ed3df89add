// The default title blocks, their date and scale texts.
#include "printer_caps_samples.h"
#include "printing/page_layout.h"
#include "printing/print_page.h"
#include "printing/title_block.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>

using namespace std::chrono;

namespace
{

CTitleBlockFacts Facts()
{
    CTitleBlockFacts facts;
    facts.company = "Acme Traffic";
    facts.author = "J. Smith";
    facts.address = "1 High Street";
    facts.documentTitle = "roundabout.crs";
    facts.projectTitle = "Ring Road";
    facts.flowGroup = "AM Peak";
    facts.date = 2026y / December / 7d;
    return facts;
}

// One line a row: its height, the side its cells start from, and each cell as
// caption(percentage)=value, with @height where the value font is not 30 high.
std::vector<std::string> Describe(const CDrawingFrame& frame)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= frame.GetRows().GetCount(); ++r) {
        const CDrawingFrameRow& row = *frame.GetRows().GetRow(r);
        std::string line = row.HasFixedHeight() ? std::to_string(row.GetHeight())
                                                : std::to_string(row.GetPercentage()) + "%";
        line += row.GetCellsFromLeft() ? ":" : " from right:";
        for (int c = 1; c <= row.GetCells().GetCount(); ++c) {
            const CDrawingFrameCell& cell = *row.GetCells().GetCell(c);
            EXPECT_FALSE(cell.HasFixedWidth());
            EXPECT_EQ(cell.GetCaptionFont().Height, 25);
            line += " " + cell.GetCaption() + "(" + std::to_string(cell.GetPercentage()) + ")";
            if (cell.GetValueFont().Height != 30)
                line += "@" + std::to_string(cell.GetValueFont().Height);
            line += "=" + cell.GetValue();
        }
        rows.push_back(line);
    }
    return rows;
}

class TitleBlockTest : public testing::Test
{
protected:
    CPrintPage& Page(TitleBlockPosition position)
    {
        CPrintPage& page = *pages.AddPage();
        page.SetTitleBlockPosition(position);
        page.SetPageTitle("The ring");
        return page;
    }

    CPrintPages pages;
};

TEST_F(TitleBlockTest, TopAndBottomHoldTwoRowsOfCaptionedCells)
{
    for (const TitleBlockPosition position : {TitleBlockPosition::Top, TitleBlockPosition::Bottom}) {
        CPrintPage& page = Page(position);
        SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
        const CDrawingFrame& frame = page.GetDrawingFrame();
        EXPECT_EQ(frame.GetTitleBlockPosition(), position);
        EXPECT_TRUE(frame.GetRowsFromBottom());
        EXPECT_EQ(frame.GetStripHeight(), 200);
        EXPECT_EQ(Describe(frame),
                  (std::vector<std::string>{
                      "50%: Company(40)@60=Acme Traffic Author(50)=J. Smith "
                      "FileName(100)=roundabout.crs",
                      "100%: Flowgroup(20)=AM Peak Drawing Title(25)=The ring Project Title(60)=Ring "
                      "Road Date(50)=07 Dec 2026 Scale(100)=NTS"}));
    }
}

TEST_F(TitleBlockTest, LeftAndRightHoldSevenFixedRowsFileNameLowest)
{
    for (const TitleBlockPosition position : {TitleBlockPosition::Left, TitleBlockPosition::Right}) {
        CPrintPage& page = Page(position);
        SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
        const CDrawingFrame& frame = page.GetDrawingFrame();
        EXPECT_EQ(frame.GetStripWidth(), 600);
        EXPECT_EQ(Describe(frame), (std::vector<std::string>{
                                       "100: FileName(100)=roundabout.crs",
                                       "100: Flowgroup(100)=AM Peak",
                                       "200: Drawing Title(100)=The ring",
                                       "200: Project Title(100)=Ring Road",
                                       "100 from right: Scale(25)=NTS Date(50)=07 Dec 2026 "
                                       "Author(100)=J. Smith",
                                       "200: Address(100)=1 High Street",
                                       "400: Company(100)@60=Acme Traffic"}));
    }
}

TEST_F(TitleBlockTest, EveryBuildStartsAfreshAndNoneHasNoRows)
{
    CPrintPage& page = Page(TitleBlockPosition::Right);
    SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
    SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
    EXPECT_EQ(page.GetDrawingFrame().GetRows().GetCount(), 7);

    page.SetTitleBlockPosition(TitleBlockPosition::None);
    page.GetDrawingFrame().SetRowsFromBottom(false);
    SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
    EXPECT_EQ(page.GetDrawingFrame().GetRows().GetCount(), 0);
    EXPECT_EQ(page.GetDrawingFrame().GetTitleBlockPosition(), TitleBlockPosition::None);
    EXPECT_TRUE(page.GetDrawingFrame().GetRowsFromBottom());
}

struct ScaleCase
{
    const char* Name;
    double Scale;
    const char* Text;
};

class ScaleTextTest : public testing::TestWithParam<ScaleCase>
{};

TEST_P(ScaleTextTest, BelowOneAsOneToTheInverse)
{
    EXPECT_EQ(ScaleText(GetParam().Scale), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScaleTextTest,
                         testing::Values(ScaleCase{"Half", 0.5, "1:2"},
                                         ScaleCase{"Double", 2.0, "2:1"},
                                         ScaleCase{"One", 1.0, "1:1"},
                                         ScaleCase{"ThirdRoundedToFourFigures", 0.3, "1:3.333"},
                                         ScaleCase{"Tenth", 0.1, "1:10"},
                                         ScaleCase{"Largest", 5.0, "5:1"},
                                         ScaleCase{"FourFiguresAbove", 2.70440251572, "2.704:1"}),
                         [](const testing::TestParamInfo<ScaleCase>& paramInfo) {
                             return paramInfo.param.Name;
                         });

TEST_F(TitleBlockTest, ScaleCellShowsTheZoneScaleOrTheFitWhenIndicated)
{
    CPrintPage& page = Page(TitleBlockPosition::Right);
    const CRect area{110, 110, 2260, 1990}; // beside the right strip on A4 landscape
    EXPECT_EQ(ScaleText(page, area), "NTS");
    page.SetIndicateScaleOnTitleBlock(true);
    page.GetPrintZone().SetScale(0.5);
    EXPECT_EQ(ScaleText(page, area), "1:2");
    // The new page's zone (795 x 508) fitted: min(2150 / 795, 1880 / 508).
    page.GetPrintZone().SetScaleToFit(true);
    EXPECT_EQ(ScaleText(page, area), "2.704:1");

    SetDefaultTitleBlock(page, TestSupport::A4Landscape600(), Facts());
    EXPECT_EQ(page.GetDrawingFrame().GetRows().GetRow(5)->GetCells().GetCell(1)->GetValue(),
              "2.704:1");
    // Fitted on portrait beside a bottom strip: min(1880 / 795, 2550 / 508).
    page.SetTitleBlockPosition(TitleBlockPosition::Bottom);
    SetDefaultTitleBlock(page, TestSupport::A4Portrait600(), Facts());
    EXPECT_EQ(page.GetDrawingFrame().GetRows().GetRow(2)->GetCells().GetCell(5)->GetValue(),
              "2.365:1");
}

TEST(TitleBlockDateTest, DayMonthYearWithEnglishMonthsInAnyLocale)
{
    EXPECT_EQ(TitleBlockDate(2026y / December / 7d), "07 Dec 2026");
    EXPECT_EQ(TitleBlockDate(2025y / May / 31d), "31 May 2025");
    EXPECT_EQ(TitleBlockDate(2024y / January / 1d), "01 Jan 2024");

    // The desktop program runs in the user's locale: months and digits must not follow it.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale here (locales-all)";
    const std::locale global = std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string date = TitleBlockDate(2026y / December / 7d);
    const std::string scale = ScaleText(0.3);
    std::locale::global(global);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(date, "07 Dec 2026");
    EXPECT_EQ(scale, "1:3.333");
}

} // namespace
