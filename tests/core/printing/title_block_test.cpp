// The default title blocks, their date and scale texts.
#include "platform/geometry.h"
#include "printer_caps_samples.h"
#include "printing/print_page.h"
#include "printing/title_block.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>

using namespace std::chrono;
using TestSupport::A4Landscape600;

namespace
{

const CTitleBlockFacts Facts{"Acme Traffic", "J. Smith", "1 High Street",      "roundabout.crs",
                             "Ring Road",    "AM Peak",  2026y / December / 7d};

// A row a line: its height, the side its cells start from, each cell as
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
            line += " " + cell.GetCaption() + "(" + std::to_string(cell.GetPercentage()) + ")";
            if (cell.GetValueFont().Height != 30)
                line += "@" + std::to_string(cell.GetValueFont().Height);
            line += "=" + cell.GetValue();
        }
        rows.push_back(line);
    }
    return rows;
}

std::vector<std::string> DefaultBlock(TitleBlockPosition position)
{
    CPrintPages pages;
    CPrintPage& page = *pages.AddPage();
    page.SetTitleBlockPosition(position);
    page.SetPageTitle("The ring");
    SetDefaultTitleBlock(page, A4Landscape600(), Facts);
    SetDefaultTitleBlock(page, A4Landscape600(), Facts); // built afresh, not added to
    EXPECT_TRUE(page.GetDrawingFrame().GetRowsFromBottom());
    EXPECT_EQ(page.GetDrawingFrame().GetTitleBlockPosition(), position);
    return Describe(page.GetDrawingFrame());
}

TEST(TitleBlockTest, TopAndBottomHoldTwoRowsLeftAndRightSevenNoneNothing)
{
    const std::vector<std::string> topOrBottom{
        "50%: Company(40)@60=Acme Traffic Author(50)=J. Smith FileName(100)=roundabout.crs",
        "100%: Flowgroup(20)=AM Peak Drawing Title(25)=The ring Project Title(60)=Ring Road "
        "Date(50)=07 Dec 2026 Scale(100)=NTS"};
    EXPECT_EQ(DefaultBlock(TitleBlockPosition::Top), topOrBottom);
    EXPECT_EQ(DefaultBlock(TitleBlockPosition::Bottom), topOrBottom);

    const std::vector<std::string> leftOrRight{
        "100: FileName(100)=roundabout.crs",
        "100: Flowgroup(100)=AM Peak",
        "200: Drawing Title(100)=The ring",
        "200: Project Title(100)=Ring Road",
        "100 from right: Scale(25)=NTS Date(50)=07 Dec 2026 Author(100)=J. Smith",
        "200: Address(100)=1 High Street",
        "400: Company(100)@60=Acme Traffic"};
    EXPECT_EQ(DefaultBlock(TitleBlockPosition::Left), leftOrRight);
    EXPECT_EQ(DefaultBlock(TitleBlockPosition::Right), leftOrRight);
    EXPECT_TRUE(DefaultBlock(TitleBlockPosition::None).empty());
}

TEST(TitleBlockTest, ScaleTextsBelowOneAsOneToTheInverse)
{
    const std::vector<std::pair<double, std::string>> cases{
        {0.5, "1:2"}, {2.0, "2:1"}, {1.0, "1:1"}, {0.3, "1:3.333"}, {0.1, "1:10"}, {5.0, "5:1"}};
    for (const auto& [scale, text] : cases)
        EXPECT_EQ(ScaleText(scale), text) << scale;

    CPrintPages pages;
    CPrintPage& page = *pages.AddPage();
    const CRect area{110, 110, 2260, 1990}; // beside the right strip on A4 landscape
    EXPECT_EQ(ScaleText(page, area), "NTS");
    page.SetIndicateScaleOnTitleBlock(true);
    page.GetPrintZone().SetScale(0.5);
    EXPECT_EQ(ScaleText(page, area), "1:2");
    // The new page's zone (795 x 508) fitted: min(2150 / 795, 1880 / 508).
    page.GetPrintZone().SetScaleToFit(true);
    EXPECT_EQ(ScaleText(page, area), "2.704:1");
    // On portrait above a bottom strip the area is 1880 x 2550: min(1880 / 795, 2550 / 508).
    page.SetTitleBlockPosition(TitleBlockPosition::Bottom);
    SetDefaultTitleBlock(page, TestSupport::A4Portrait600(), Facts);
    EXPECT_EQ(page.GetDrawingFrame().GetRows().GetRow(2)->GetCells().GetCell(5)->GetValue(),
              "2.365:1");
}

TEST(TitleBlockTest, DateAndScaleInEnglishWhateverTheLocale)
{
    EXPECT_EQ(TitleBlockDate(2026y / December / 7d), "07 Dec 2026");
    EXPECT_EQ(TitleBlockDate(2025y / May / 31d), "31 May 2025");

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
