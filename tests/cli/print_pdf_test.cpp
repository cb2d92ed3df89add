// print-pdf checked by poppler's readers: page count, sizes and orientations, searchable title
// block text, and where the frame and a cropped drawing land at one pixel per page unit.
#include "poppler.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

namespace fs = std::filesystem;

const std::string Roundabout = GYROLITH_SOURCE_DIR "/examples/roundabout.crs";

TestSupport::CCommandResult PrintPdf(const std::string& args)
{
    return TestSupport::Run("SOURCE_DATE_EPOCH=" + Poppler::Epoch + " " GYROLITH_CLI " print-pdf " +
                            args);
}

// Dark pixels between two rows in the darkest of the columns x - 1 to x + 1 (a hairline may fall
// on either side of a pixel edge).
int DarkInColumn(const Poppler::CGreyImage& image, int x, int top, int bottom)
{
    int darkest = 0;
    for (int column = x - 1; column <= x + 1; ++column)
        darkest = std::max(darkest, image.Dark(column, top, column + 1, bottom, 160));
    return darkest;
}

bool IsBlank(const Poppler::CGreyImage& image, int left, int top, int right, int bottom)
{
    return image.Dark(left, top, right, bottom, 250) == 0;
}

class PrintPdfCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!Poppler::Installed())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) not installed";
        dir = TestSupport::ScratchDir("print_pdf");
    }
    fs::path dir;
};

TEST_F(PrintPdfCommand, TheRoundaboutGivesTwoA4PagesLandscapeThenPortrait)
{
    const fs::path pdf = dir / "roundabout.pdf";
    ASSERT_EQ(PrintPdf(Roundabout + " -o " + pdf.string()).status, 0);
    const std::string info = TestSupport::Run("/usr/bin/pdfinfo -f 1 -l 2 " + pdf.string()).output;
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    1 size:  842 x 595 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    2 size:  595 x 842 pts (A4)"), std::string::npos) << info;

    const std::string text =
        TestSupport::Run("/usr/bin/pdftotext -f 1 -l 1 " + pdf.string() + " -").output;
    for (const char* expected : {"Company", "FileName", "roundabout.crs", "1:2", "07 Dec 2026"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

TEST_F(PrintPdfCommand, FrameStripAndCroppedDrawingLandWhereTheLayoutSays)
{
    const fs::path pdf = dir / "page1.pdf";
    ASSERT_EQ(PrintPdf(Roundabout + " -o " + pdf.string() + " --page 1").status, 0);
    // 254 dpi: one pixel per page unit, the A4 sheet 2970 x 2100.
    const Poppler::CGreyImage image = Poppler::Rasterise(pdf, 1, 254);
    ASSERT_NEAR(image.width, 2970, 2);
    ASSERT_NEAR(image.height, 2100, 2);
    // The frame: its left border at 100, nothing left of it; the right strip 600 wide, its
    // seven rows 1300 high stacked from the frame's bottom at 2000.
    EXPECT_GT(DarkInColumn(image, 100, 200, 1900), 1600);
    EXPECT_TRUE(IsBlank(image, 0, 0, 97, image.height));
    EXPECT_GT(DarkInColumn(image, 2870 - 600, 750, 1950), 1150);
    EXPECT_LT(DarkInColumn(image, 2870 - 600, 200, 650), 50);
    // Page 1 crops to its zone (4300, 4500)-(7700, 7500) at scale 0.5: 1700 x 1500 centred in
    // the drawing area (110, 110)-(2260, 1990), so from x 335 to 2035. Beside it, no ink.
    EXPECT_TRUE(IsBlank(image, 115, 115, 325, 1985));
    EXPECT_TRUE(IsBlank(image, 2045, 115, 2255, 1985));
    EXPECT_FALSE(IsBlank(image, 345, 320, 2025, 1780));
}

TEST_F(PrintPdfCommand, ANetworkWithoutPagesPrintsTheWholeNetworkOnOneLandscapePage)
{
    // The crossroads example has no print pages.
    const fs::path pdf = dir / "whole.pdf";
    const auto run = PrintPdf(GYROLITH_SOURCE_DIR "/examples/crossroads.crs -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string info = TestSupport::Run("/usr/bin/pdfinfo -f 1 -l 1 " + pdf.string()).output;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    1 size:  842 x 595 pts (A4)"), std::string::npos) << info;
    // No title block, but the network's own texts are there.
    const std::string text = TestSupport::Run("/usr/bin/pdftotext " + pdf.string() + " -").output;
    EXPECT_EQ(text.find("Company"), std::string::npos);
}

// A page outside the range or a date that is no number is bad usage, a file that cannot be read
// a failure; none writes.
TEST_F(PrintPdfCommand, RefusalsLeaveNoFile)
{
    const fs::path pdf = dir / "none.pdf";
    auto run = PrintPdf(Roundabout + " -o " + pdf.string() + " --page 3");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("The network has no print page 3 (it has 2)"), std::string::npos)
        << run.output;
    EXPECT_EQ(PrintPdf(Roundabout + " -o " + pdf.string() + " --page 0").status, 2);
    run = TestSupport::Run("SOURCE_DATE_EPOCH=soon " GYROLITH_CLI " print-pdf " + Roundabout +
                           " -o " + pdf.string());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("SOURCE_DATE_EPOCH is not a number of seconds: soon"),
              std::string::npos)
        << run.output;
    run = PrintPdf((dir / "missing.crs").string() + " -o " + pdf.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("missing.crs"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(PrintPdfCommand, TwoRunsGiveTheSameBytesStampedWithTheSourceDate)
{
    const fs::path first = dir / "first.pdf";
    const fs::path second = dir / "second.pdf";
    ASSERT_EQ(PrintPdf(Roundabout + " -o " + first.string()).status, 0);
    ASSERT_EQ(PrintPdf(Roundabout + " -o " + second.string()).status, 0);
    const std::string bytes = TestSupport::ReadText(first);
    EXPECT_EQ(bytes, TestSupport::ReadText(second));
    EXPECT_NE(bytes.find("/CreationDate (D:20261207120000Z"), std::string::npos);
}

} // namespace
