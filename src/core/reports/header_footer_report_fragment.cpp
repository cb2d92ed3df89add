// The page header and footer of a generated report.
#include "reports/header_footer_report_fragment.h"

#include "reports/report_definition.h"
#include "reports/report_document.h"
#include "reports/report_source.h"

#include <cstddef>
#include <vector>

namespace
{
// The right tab of every header and footer line: the date and page number stand at 6 inches.
constexpr double RightTabInches = 6.0;

// A path's last part, cut at either kind of separator, whichever system wrote it.
std::string FileNameOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

CReportParagraph& AddLine(CReportHeaderFooter& block)
{
    CReportParagraph& line = block.AddParagraph();
    line.GetProperties().paragraph.AddTabInches(TabKind::Right, RightTabInches);
    return line;
}
} // namespace

void CHeaderFooterReportFragment::AddToReport(const CReportSource& source, CReportSection& section,
                                              const CReportDefinition& definition) const
{
    CReportHeaderFooter& block = section.AddHeaderFooter();
    block.GetProperties().data.SetSize(10);
    block.SetKind(m_isHeader ? HeaderFooterKind::Header : HeaderFooterKind::Footer);

    // The title and file name lines; the date and the page number go to their right margin,
    // each on a line of its own when there are not enough of them.
    std::vector<CReportParagraph*> lines;
    if (m_showTitle) {
        lines.push_back(&AddLine(block));
        lines.back()->AddText(definition.GetTitle());
    }
    if (m_showFileName) {
        lines.push_back(&AddLine(block));
        lines.back()->AddText(m_showPath ? source.pathName : FileNameOf(source.pathName));
    }
    std::size_t cursor = 0;
    if (m_showDate) {
        CReportParagraph& line = lines.empty() ? AddLine(block) : *lines[cursor++];
        line.AddSpecialChar(SpecialCharKind::Tab);
        line.AddField(FieldKind::Date,
                      m_showTime ? "\\@ \"dd/MM/yyyy HH:mm:ss\"" : "\\@ \"dd/MM/yyyy\"", "");
    }
    if (m_showPageNumber) {
        CReportParagraph& line = cursor < lines.size() ? *lines[cursor] : AddLine(block);
        line.AddSpecialChar(SpecialCharKind::Tab);
        line.AddText("Page ");
        line.AddSpecialChar(SpecialCharKind::PageNumber);
    }
}
