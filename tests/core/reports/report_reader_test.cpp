// What a word processor makes of our reports: LibreOffice converts every sample report to PDF
// in one run, and poppler reads the pages back.
#include "external_tools.h"
#include "sample_reports.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

using TestSupport::CCommandResult;
using TestSupport::HaveExecutable;
using TestSupport::ScratchDir;
using TestSupport::WriteText;

CCommandResult Shell(const std::string& command)
{
    return TestSupport::Run(command);
}

// The pages of a PDF as runs of alike pages: "A4, A3 landscape, A4".
std::string PageRuns(const std::filesystem::path& pdf)
{
    const CCommandResult info = Shell("pdfinfo -f 1 -l 9999 '" + pdf.string() + "'");
    std::string runs;
    std::string last;
    std::istringstream in(info.output);
    for (std::string line; std::getline(in, line);) {
        int page = 0;
        double width = 0;
        double height = 0;
        char paper[16] = {};
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf pts (%15[^)])", &page, &width,
                        &height, paper) != 4)
            continue;
        const std::string kind = std::string(paper) + (width > height ? " landscape" : "");
        if (kind != last)
            runs += (runs.empty() ? "" : ", ") + kind;
        last = kind;
    }
    return runs;
}

TEST(ReportReaders, LibreOfficeLaysOutEveryReportWhereItsSectionsSay)
{
    if (!HaveExecutable("soffice"))
        GTEST_SKIP() << "LibreOffice is not installed (libreoffice-writer-nogui)";
    if (!HaveExecutable("pdfinfo") || !HaveExecutable("pdftotext"))
        GTEST_SKIP() << "poppler is not installed (poppler-utils)";

    const std::filesystem::path dir = ScratchDir("report-readers");
    std::string files;
    for (const reporttest::CSampleReport& report : reporttest::SampleReports()) {
        WriteText(dir / (report.name + ".rtf"), report.rtf);
        files += " '" + (dir / (report.name + ".rtf")).string() + "'";
    }
    // One bounded run for the whole set, with a profile of its own.
    const CCommandResult convert =
        Shell("cd '" + dir.string() + "' && timeout 300 soffice -env:UserInstallation=file://" +
              (dir / "profile").string() + " --headless --norestore --convert-to pdf --outdir '" +
              dir.string() + "'" + files);
    ASSERT_EQ(convert.status, 0) << convert.output;

    const auto text = [&](const char* name) {
        return Shell("pdftotext -layout '" + (dir / name).string() + ".pdf' -").output;
    };
    EXPECT_EQ(PageRuns((dir / "edge_cases.pdf")), "A4, A3 landscape, A4");
    EXPECT_EQ(PageRuns((dir / "roundabout.pdf")), "A4, A4 landscape");
    EXPECT_EQ(PageRuns((dir / "crossroads.pdf")), "A3, A3 landscape");

    const std::string edge = text("edge_cases");
    for (const char* part : {"Edge cases {in braces} \\ and more",
                             "Characters \xC2\xA3 \xC3\xA9 "
                             "\xE2\x82\xAC",
                             "bold red", "second line", "b spans two",
                             "Caption over a nested table", "3.3", "Landscape A3", "Page 1 of"})
        EXPECT_NE(edge.find(part), std::string::npos) << part << "\n" << edge;
    for (const char* name : {"roundabout", "crossroads"}) {
        const std::string report = text(name);
        for (const char* part : {": AM Peak", "Network Diagram", "OD Matrix - Actual Flows", "Tot.",
                                 "Routes List", "Origin", "Page 1", ".crs"})
            EXPECT_NE(report.find(part), std::string::npos) << name << ": " << part;
    }
    EXPECT_NE(text("roundabout").find("The ring"), std::string::npos);
}

} // namespace
