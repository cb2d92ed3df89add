#include "sample_reports.h"

#include "cardfile/carousel_file.h"
#include "document/carousel_doc.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "reports/report_document.h"
#include "reports/report_generator.h"
#include "reports/report_rtf_writer.h"
#include "reports/report_source.h"
#include "model/route_flows.h"

#include <filesystem>
#include <sstream>

namespace reporttest
{
namespace
{

std::vector<std::uint8_t> SmallDrawing(const CTextMeasurer& measurer)
{
    CEmfRecorder recorder(measurer, "Sample");
    recorder.SelectPen(CPenExt(EPenStyle::Solid, 5, Rgb(0, 0, 200)));
    recorder.Rectangle({100, 100, 900, 500});
    recorder.Ellipse({300, 150, 700, 450});
    return recorder.Finish();
}

void Text(CReportBodiesOwner& owner, const std::string& text)
{
    owner.AddParagraph(text);
}

// Escapes, fields, inline formatting, spanned and nested tables, pictures fitted and scaled,
// an empty picture, and sections that turn the page and change the paper.
std::string EdgeCases(const CTextMeasurer& measurer)
{
    CReportDocument document;
    CReportProperties& defaults = document.GetProperties();
    defaults.document.SetPaperSize(PaperSize::A4);
    for (auto set :
         {&CReportDocumentProperties::SetLeftMargin, &CReportDocumentProperties::SetRightMargin,
          &CReportDocumentProperties::SetTopMargin, &CReportDocumentProperties::SetBottomMargin})
        (defaults.document.*set)(1.0);
    defaults.data.SetFont("Arial", FontPitchVariable, FontFamilySwiss);
    defaults.data.SetSize(11);
    defaults.data.SetBold(false);
    defaults.data.SetItalic(false);
    defaults.data.SetUnderline(false);
    defaults.data.SetStrikeThrough(false);
    defaults.data.SetColor(0x000000);
    defaults.cell.SetTopBorder(15);
    defaults.cell.SetBottomBorder(15);
    defaults.cell.SetLeftBorder(15);
    defaults.cell.SetRightBorder(15);
    defaults.table.SetAlignment(TableAlignment::Centre);

    CReportSection& first = document.AddSection();
    first.GetProperties().section.SetLandscape(false);
    CReportHeaderFooter& header = first.AddHeaderFooter();
    CReportParagraph& top = header.AddParagraph("Edge cases {in braces} \\ and more");
    top.GetProperties().paragraph.AddTab(TabKind::Right, 9000);
    top.AddSpecialChar(SpecialCharKind::Tab);
    top.AddField(FieldKind::Date, "\\@ \"dd/MM/yyyy\"", "");
    CReportHeaderFooter& footer = first.AddHeaderFooter();
    footer.SetKind(HeaderFooterKind::Footer);
    CReportParagraph& bottom = footer.AddParagraph("Page ");
    bottom.AddSpecialChar(SpecialCharKind::PageNumber);
    bottom.AddText(" of ");
    bottom.AddField(FieldKind::NumberOfPages, "", "1");

    CReportParagraph& title = first.AddParagraph("Characters \xC2\xA3 \xC3\xA9 \xE2\x82\xAC");
    title.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);
    title.GetProperties().data.SetSize(16);
    CReportParagraph& styled = first.AddParagraph();
    styled.AddText("plain ");
    CReportDataProperties& bold = styled.AddText("bold red").GetProperties().data;
    bold.SetBold(true);
    bold.SetColor(0x0000C0);
    styled.AddText("");
    styled.AddText(" underlined").GetProperties().data.SetUnderline(true);
    first.AddParagraphs("first line\nsecond line");

    CReportTable& spans = first.AddTable();
    CReportTableRow& head = spans.AddRow();
    head.GetProperties().row.SetHeader(true);
    Text(head.AddCell(), "a");
    Text(head.AddCell(2, 1), "b spans two");
    CReportTableRow& second = spans.AddRow();
    Text(second.AddCell(1, 2), "tall");
    Text(second.AddCell(), "c");
    CReportTableCell& shaded = second.AddCell();
    shaded.GetProperties().cell.SetBackgroundColor(0xE0E0E0);
    Text(shaded, "d");
    CReportTableRow& third = spans.AddRow();
    Text(third.AddCell(), "e");
    CReportTableCell& two = third.AddCell();
    Text(two, "f1");
    Text(two, "f2");
    first.AddParagraph();

    CReportTable& outer = first.AddTable();
    Text(outer.AddRow().AddCell(2, 1), "Caption over a nested table");
    CReportTableRow& holderRow = outer.AddRow();
    Text(holderRow.AddCell(), "side");
    CReportTable& nested = holderRow.AddCell().AddTable();
    for (int r = 1; r <= 3; ++r) {
        CReportTableRow& row = nested.AddRow();
        for (int c = 1; c <= 3; ++c)
            Text(row.AddCell(), std::to_string(r) + "." + std::to_string(c));
    }
    first.AddParagraph();

    const std::vector<std::uint8_t> drawing = SmallDrawing(measurer);
    CReportParagraph& pictures = first.AddParagraph();
    pictures.AddPicture(drawing).GetProperties().picture.SetGoalWidth(2835);
    pictures.AddPicture(drawing).GetProperties().picture.SetScale(50, 50);
    // Nothing drawn: a metafile with an empty frame, which no rule can scale.
    CEmfRecorder nothing(measurer);
    pictures.AddPicture(nothing.Finish()).GetProperties().picture.SetFit(true, true);

    CReportSection& turned = document.AddSection();
    turned.GetProperties().section.SetLandscape(true);
    turned.GetProperties().document.SetPaperSize(PaperSize::A3);
    Text(turned, "Landscape A3");
    turned.AddParagraph().AddPicture(drawing).GetProperties().picture.SetFit(true, false);

    CReportSection& last = document.AddSection();
    last.GetProperties().section.SetLandscape(false);
    Text(last, "Portrait A4 again");

    std::ostringstream out;
    CReportRTFWriter(document, out).Write();
    return out.str();
}

std::string ExampleReport(const std::string& name, const CTextMeasurer& measurer)
{
    const ProgramSettings program;
    NetworkSettings settings;
    const auto document = LoadNetworkFile(
        std::filesystem::path(GYROLITH_SOURCE_DIR) / "examples" / (name + ".crs"), settings);
    NormaliseAllArms(document->network);
    const CReportSource source{DiagramSourceOf(*document, program, settings,
                                               CCarouselDoc::InitialHighlightFilteredRoutes,
                                               CCarouselDoc::InitialPermittedOnly),
                               name + ".crs", measurer};
    std::ostringstream out;
    CReportGenerator(*document->reportDefinitions.GetDefinition(1), source).Generate(out);
    return out.str();
}

} // namespace

std::vector<CSampleReport> SampleReports()
{
    const CFreeTypeTextMeasurer measurer;
    return {{"edge_cases", EdgeCases(measurer)},
            {"roundabout", ExampleReport("roundabout", measurer)},
            {"crossroads", ExampleReport("crossroads", measurer)}};
}

} // namespace reporttest
