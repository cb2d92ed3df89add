// report -o OUT.pdf checked by poppler's readers: each example's report on the pages its
// sections ask for, its text searchable, and its diagram drawn.
#include "poppler.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>

namespace
{

namespace fs = std::filesystem;
using TestSupport::CCommandResult;

CCommandResult Report(const std::string& example, const fs::path& out)
{
    return TestSupport::Run(
        "SOURCE_DATE_EPOCH=" + Poppler::Epoch + " " GYROLITH_CLI " --verbose report " +
        GYROLITH_SOURCE_DIR "/examples/" + example + " --definition 1 -o " + out.string());
}

#ifdef GYROLITH_PRINT_PDF

// The pages as runs of alike pages: "A4, A4 landscape".
std::string PageRuns(const std::string& info, int& pages)
{
    std::string runs;
    std::string last;
    pages = 0;
    std::istringstream in(info);
    for (std::string line; std::getline(in, line);) {
        int page = 0;
        double width = 0;
        double height = 0;
        char paper[16] = {};
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf pts (%15[^)])", &page, &width,
                        &height, paper) != 4)
            continue;
        pages = page;
        const std::string kind = std::string(paper) + (width > height ? " landscape" : "");
        if (kind != last)
            runs += (runs.empty() ? "" : ", ") + kind;
        last = kind;
    }
    return runs;
}

struct CExample
{
    const char* file;
    const char* title;
    const char* pages;
    int diagramPage;         // 0: the last
    const char* diagramText; // drawn in the diagram only

    friend void PrintTo(const CExample& example, std::ostream* out) { *out << example.file; }
};

class ReportPdfCommand : public testing::TestWithParam<CExample>
{
protected:
    void SetUp() override
    {
        if (!Poppler::Installed())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) not installed";
        dir = TestSupport::ScratchDir(std::string("report_pdf_") + GetParam().file);
    }
    fs::path dir;
};

TEST_P(ReportPdfCommand, WritesTheSectionsPagesTextAndDiagram)
{
    const CExample& example = GetParam();
    const fs::path pdf = dir / "report.PDF";
    const CCommandResult run = Report(example.file, pdf);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("(report 1 as PDF, "), std::string::npos) << run.output;

    int pages = 0;
    const std::string info = TestSupport::Run("/usr/bin/pdfinfo -f 1 -l 99 " + pdf.string()).output;
    EXPECT_EQ(PageRuns(info, pages), example.pages) << info;
    ASSERT_GE(pages, 2);

    const std::string text = TestSupport::Run("/usr/bin/pdftotext " + pdf.string() + " -").output;
    for (const char* part :
         {example.title, "Network Diagram", "OD Matrix - Actual Flows", "Tot.", "Routes List",
          "Route", "Origin", "Flow", "E1", "X5", "Page 1", example.file, "07/12/2026"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    EXPECT_EQ(text.find("Page 0"), std::string::npos);

    // The diagram is drawn, texts and all: the page holds more than its frame.
    const int page = example.diagramPage > 0 ? example.diagramPage : pages;
    const std::string n = std::to_string(page);
    const std::string drawn =
        TestSupport::Run("/usr/bin/pdftotext -f " + n + " -l " + n + " " + pdf.string() + " -")
            .output;
    EXPECT_NE(drawn.find(example.diagramText), std::string::npos) << drawn;
    const Poppler::CGreyImage image = Poppler::Rasterise(pdf, page, 40);
    ASSERT_GT(image.width, 0);
    // Between a fifth and four fifths of its height, leaving the header and footer out.
    const int top = image.height / 5;
    const int bottom = image.height * 4 / 5;
    EXPECT_GT(image.Dark(0, top, image.width, bottom, 200), image.width * (bottom - top) * 3 / 100);
}

INSTANTIATE_TEST_SUITE_P(Examples, ReportPdfCommand,
                         // The roundabout ends with its ring alone on a landscape page; the
                         // crossroads' diagram, with its OD matrix inset, is on page 1.
                         testing::Values(CExample{"roundabout.crs", "Four-arm roundabout: AM Peak",
                                                  "A4, A4 landscape", 0, "E4"},
                                         CExample{"crossroads.crs",
                                                  "Signalised crossroads: AM Peak",
                                                  "A3, A3 landscape", 1, "Desired Flows"}),
                         [](const testing::TestParamInfo<CExample>& example) {
                             const std::string file = example.param.file;
                             return file.substr(0, file.find('.'));
                         });

#else

TEST(ReportPdfCommand, WithoutQtAPdfIsBadUsageAndLeavesNoFile)
{
    const fs::path dir = TestSupport::ScratchDir("report_pdf_none");
    const CCommandResult run = Report("roundabout.crs", dir / "report.pdf");
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_FALSE(fs::exists(dir / "report.pdf"));
}

#endif

} // namespace
