// Setting and merging report formatting.
#include "reports/report_properties.h"

#include "reports/report_document.h"

namespace
{
template <typename T> void MergeField(std::optional<T>& into, const std::optional<T>& node)
{
    if (node)
        into = node;
}

// Twips; a paper size that is neither A4 nor A3 has no page.
struct CPage
{
    int width = 0;
    int height = 0;
};

constexpr CPage PageOf(const std::optional<PaperSize>& paper)
{
    if (paper == PaperSize::A4)
        return {11908, 16833};
    if (paper == PaperSize::A3)
        return {16833, 23817};
    return {};
}
} // namespace

int InchesToTwips(double inches)
{
    return static_cast<int>(inches * TwipsPerInch);
}

void CReportDataProperties::SetFont(std::string faceName, int pitch, int family)
{
    m_faceName = std::move(faceName);
    m_pitch = pitch;
    m_family = family;
    m_fontSet = true;
    if (m_document)
        m_document->GetFontEnumerator().Add(GetFont());
}

void CReportDataProperties::SetColor(ReportColor color)
{
    m_color = color;
    if (m_document)
        m_document->GetColorEnumerator().Add(color);
}

void CReportDataProperties::Merge(const CReportDataProperties& node)
{
    if (node.m_fontSet)
        SetFont(node.m_faceName, node.m_pitch, node.m_family);
    MergeField(m_weight, node.m_weight);
    if (node.m_color)
        SetColor(*node.m_color);
    MergeField(m_size, node.m_size);
    MergeField(m_italic, node.m_italic);
    MergeField(m_underline, node.m_underline);
    MergeField(m_strike, node.m_strike);
}

void CReportParagraphProperties::Merge(const CReportParagraphProperties& node)
{
    MergeField(m_alignment, node.m_alignment);
    if (!node.m_tabs.empty())
        m_tabs = node.m_tabs;
}

void CReportSectionProperties::Merge(const CReportSectionProperties& node)
{
    MergeField(m_landscape, node.m_landscape);
}

int CReportDocumentProperties::GetPageWidth() const
{
    return PageOf(m_paperSize).width;
}

int CReportDocumentProperties::GetPageHeight() const
{
    return PageOf(m_paperSize).height;
}

int CReportDocumentProperties::GetPrintableWidth() const
{
    return GetPageWidth() - m_left.value_or(0) - m_right.value_or(0);
}

int CReportDocumentProperties::GetPrintableHeight() const
{
    return GetPageHeight() - m_top.value_or(0) - m_bottom.value_or(0);
}

void CReportDocumentProperties::Merge(const CReportDocumentProperties& node)
{
    MergeField(m_paperSize, node.m_paperSize);
    MergeField(m_left, node.m_left);
    MergeField(m_right, node.m_right);
    MergeField(m_top, node.m_top);
    MergeField(m_bottom, node.m_bottom);
}

void CReportTableProperties::Merge(const CReportTableProperties& node)
{
    MergeField(m_alignment, node.m_alignment);
}

void CReportTableCellProperties::SetBackgroundColor(ReportColor color)
{
    m_background = color;
    if (m_document)
        m_document->GetColorEnumerator().Add(color);
}

void CReportTableCellProperties::Merge(const CReportTableCellProperties& node)
{
    MergeField(m_vertical, node.m_vertical);
    MergeField(m_top, node.m_top);
    MergeField(m_bottom, node.m_bottom);
    MergeField(m_left, node.m_left);
    MergeField(m_right, node.m_right);
    if (node.m_background)
        SetBackgroundColor(*node.m_background);
    MergeField(m_width, node.m_width);
}

void CReportTableRowProperties::Merge(const CReportTableRowProperties& node)
{
    MergeField(m_header, node.m_header);
}

void CReportDataEnhancedMetafileProperties::SetGoalSize(int widthTwips, int heightTwips)
{
    m_goalWidth = widthTwips;
    m_goalHeight = heightTwips;
    m_sizeFromWidth = false;
    m_sizeFromHeight = false;
    m_goalSizeSet = true;
}

void CReportDataEnhancedMetafileProperties::SetGoalWidth(int widthTwips)
{
    SetGoalSize(widthTwips, 0);
    m_sizeFromWidth = true;
}

void CReportDataEnhancedMetafileProperties::SetGoalHeight(int heightTwips)
{
    SetGoalSize(0, heightTwips);
    m_sizeFromHeight = true;
}

void CReportDataEnhancedMetafileProperties::SetFit(bool pageWidth, bool pageHeight)
{
    m_fitPageWidth = pageWidth;
    m_fitPageHeight = pageHeight;
    m_fitSet = true;
}

void CReportDataEnhancedMetafileProperties::SetScale(int xPercent, int yPercent)
{
    m_scaleX = xPercent;
    m_scaleY = yPercent;
    m_scaleSet = true;
}

void CReportDataEnhancedMetafileProperties::Merge(const CReportDataEnhancedMetafileProperties& node)
{
    // A node that sets no goal size leaves the inherited one alone; otherwise every picture
    // below a node with only a fit or a scale would be given a goal size of 0 x 0.
    if (node.m_goalSizeSet) {
        if (node.m_sizeFromHeight) {
            SetGoalHeight(node.m_goalHeight);
        } else if (node.m_sizeFromWidth) {
            SetGoalWidth(node.m_goalWidth);
        } else {
            SetGoalSize(node.m_goalWidth, node.m_goalHeight);
        }
    }
    if (node.m_fitSet)
        SetFit(node.m_fitPageWidth, node.m_fitPageHeight);
    if (node.m_scaleSet)
        SetScale(node.m_scaleX, node.m_scaleY);
}

void CReportProperties::Merge(const CReportProperties& node)
{
    data.Merge(node.data);
    paragraph.Merge(node.paragraph);
    section.Merge(node.section);
    document.Merge(node.document);
    table.Merge(node.table);
    cell.Merge(node.cell);
    row.Merge(node.row);
    picture.Merge(node.picture);
}
