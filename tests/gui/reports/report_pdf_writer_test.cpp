// Report trees laid out as PDF, read back by poppler: pages of each section's paper and
// orientation, headers and footers on every page, long tables broken between rows with their
// header rows repeated, and the same bytes for the same report.
#include "external_tools.h"
#include "platform/freetype_text_measurer.h"
#include "reports/report_document.h"
#include "reports/report_pdf_writer.h"
#include "reports/report_rtf_table_structure.h"

#include <QBuffer>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

namespace fs = std::filesystem;

// 7 December 2026, 12:00 UTC.
const QDateTime Printed = QDateTime::fromSecsSinceEpoch(1796644800, Qt::UTC);

void SetDefaults(CReportDocument& document, PaperSize paper)
{
    CReportProperties& p = document.GetProperties();
    p.document.SetPaperSize(paper);
    for (auto set :
         {&CReportDocumentProperties::SetLeftMargin, &CReportDocumentProperties::SetRightMargin,
          &CReportDocumentProperties::SetTopMargin, &CReportDocumentProperties::SetBottomMargin})
        (p.document.*set)(1.0);
    p.section.SetLandscape(false);
    p.data.SetFont("Arial", FontPitchVariable, FontFamilySwiss);
    p.data.SetSize(12);
    p.cell.SetTopBorder(15);
    p.cell.SetBottomBorder(15);
    p.cell.SetLeftBorder(15);
    p.cell.SetRightBorder(15);
}

void AddPageHeaderAndFooter(CReportSection& section)
{
    CReportHeaderFooter& header = section.AddHeaderFooter();
    header.SetKind(HeaderFooterKind::Header);
    CReportParagraph& line = header.AddParagraph("Running head");
    line.GetProperties().paragraph.AddTab(TabKind::Right, 8640);
    line.AddSpecialChar(SpecialCharKind::Tab);
    line.AddField(FieldKind::Date, "\\@ \"dd/MM/yyyy\"", "");
    CReportHeaderFooter& footer = section.AddHeaderFooter();
    footer.SetKind(HeaderFooterKind::Footer);
    CReportParagraph& page = footer.AddParagraph("Page ");
    page.AddSpecialChar(SpecialCharKind::PageNumber);
}

class ReportPdfWriterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestSupport::HaveExecutable("/usr/bin/pdfinfo") ||
            !TestSupport::HaveExecutable("/usr/bin/pdftotext"))
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) not installed";
        m_dir = TestSupport::ScratchDir("report-pdf-writer");
    }

    QByteArray Bytes(const CReportDocument& document) const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CReportPdfWriter(document, m_measurer, Printed).Write(buffer, "Test");
        return buffer.data();
    }

    fs::path Write(const CReportDocument& document, const std::string& name) const
    {
        const QByteArray pdf = Bytes(document);
        const fs::path path = m_dir / (name + ".pdf");
        TestSupport::WriteBytes(path, {reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                       static_cast<std::size_t>(pdf.size())});
        return path;
    }

    static std::string Info(const fs::path& pdf)
    {
        return TestSupport::Run("/usr/bin/pdfinfo -f 1 -l 999 " + pdf.string()).output;
    }

    static std::string Page(const fs::path& pdf, int page)
    {
        const std::string n = std::to_string(page);
        return TestSupport::Run("/usr/bin/pdftotext -layout -f " + n + " -l " + n + " " +
                                pdf.string() + " -")
            .output;
    }

    CFreeTypeTextMeasurer m_measurer;
    fs::path m_dir;
};

TEST_F(ReportPdfWriterTest, SectionsTakeTheirPaperAndTurnWithHeadersOnEveryPage)
{
    CReportDocument document;
    SetDefaults(document, PaperSize::A3);
    for (const bool landscape : {false, true, true, false}) {
        CReportSection& section = document.AddSection();
        section.GetProperties().section.SetLandscape(landscape);
        AddPageHeaderAndFooter(section);
        section.AddParagraph(landscape ? "Turned section" : "Upright section");
    }
    const fs::path pdf = Write(document, "sections");
    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           4"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    1 size:  842 x 1191 pts (A3)"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    2 size:  1191 x 842 pts (A3)"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    4 size:  842 x 1191 pts (A3)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Test"), std::string::npos) << info;
    for (int page = 1; page <= 4; ++page) {
        const std::string text = Page(pdf, page);
        EXPECT_NE(text.find("Running head"), std::string::npos) << page << "\n" << text;
        EXPECT_NE(text.find("07/12/2026"), std::string::npos) << page << "\n" << text;
        EXPECT_NE(text.find("Page " + std::to_string(page)), std::string::npos) << text;
        EXPECT_NE(text.find(page == 2 || page == 3 ? "Turned" : "Upright"), std::string::npos);
    }
    // The date ends at the right tab: 6 inches past the 1-inch margin, at 504 points.
    const std::string words =
        TestSupport::Run("/usr/bin/pdftotext -bbox -f 1 -l 1 " + pdf.string() + " -").output;
    const std::size_t date = words.find(">07/12/2026<");
    ASSERT_NE(date, std::string::npos) << words;
    const std::size_t xMax = words.rfind("xMax=\"", date);
    ASSERT_NE(xMax, std::string::npos);
    EXPECT_NEAR(std::stod(words.substr(xMax + 6)), 504.0, 2.0) << words.substr(xMax, 80);
}

TEST_F(ReportPdfWriterTest, ALongTableBreaksBetweenRowsAndRepeatsItsHeaderRows)
{
    CReportDocument document;
    SetDefaults(document, PaperSize::A4);
    CReportSection& section = document.AddSection();
    AddPageHeaderAndFooter(section);
    CReportTable& table = section.AddTable();
    CReportTableRow& heading = table.AddRow();
    heading.GetProperties().row.SetHeader(true);
    heading.AddCell(2).AddParagraph("Heading of the list");
    constexpr int Rows = 120;
    for (int n = 1; n <= Rows; ++n) {
        CReportTableRow& row = table.AddRow();
        row.AddCell().AddParagraph("Route " + std::to_string(n));
        // Two lines in the second cell: a row cut at the page foot would lose one.
        CReportParagraph& two = row.AddCell().AddParagraph("Upper " + std::to_string(n));
        two.AddSpecialChar(SpecialCharKind::Line);
        two.AddText("Lower " + std::to_string(n));
    }
    const fs::path pdf = Write(document, "long-table");
    const std::string info = Info(pdf);
    const std::size_t at = info.find("Pages:");
    ASSERT_NE(at, std::string::npos);
    const int pages = std::stoi(info.substr(at + 6));
    ASSERT_GE(pages, 3) << info;

    int seen = 0;
    for (int page = 1; page <= pages; ++page) {
        const std::string text = Page(pdf, page);
        EXPECT_NE(text.find("Heading of the list"), std::string::npos) << page << "\n" << text;
        for (int n = 1; n <= Rows; ++n) {
            const std::string number = std::to_string(n) + "\n";
            const bool route = text.find("Route " + std::to_string(n) + " ") != std::string::npos;
            const bool upper = text.find("Upper " + number) != std::string::npos;
            const bool lower = text.find("Lower " + number) != std::string::npos;
            EXPECT_EQ(route, upper) << "row " << n << " split on page " << page;
            EXPECT_EQ(route, lower) << "row " << n << " split on page " << page;
            seen += route ? 1 : 0;
        }
    }
    EXPECT_EQ(seen, Rows);
}

TEST_F(ReportPdfWriterTest, TheSameReportGivesTheSameBytesAndABadTableIsRefused)
{
    CReportDocument document;
    SetDefaults(document, PaperSize::A4);
    CReportSection& section = document.AddSection();
    AddPageHeaderAndFooter(section);
    section.AddParagraph("Only line");
    const QByteArray first = Bytes(document);
    EXPECT_EQ(Bytes(document), first);
    EXPECT_TRUE(first.contains("D:20261207120000")) << "the creation date is the print time";

    // Spans 1 and 2, then four cells: the second row has no column left.
    CReportTable& table = section.AddTable();
    CReportTableRow& top = table.AddRow();
    top.AddCell(1);
    top.AddCell(2);
    CReportTableRow& over = table.AddRow();
    for (int c = 0; c < 4; ++c)
        over.AddCell();
    EXPECT_THROW(Bytes(document), CInvalidTableDefinitionException);
}

} // namespace
