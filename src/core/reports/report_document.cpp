// Building a report tree.
#include "reports/report_document.h"

#include "platform/emf_reader.h"

#include <algorithm>
#include <limits>

namespace
{
template <typename List, typename T> int PositionOf(const List& list, const T& value)
{
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? 0 : static_cast<int>(it - list.begin()) + 1;
}

// One side of a metafile frame as a picture size, inclusive of both edges.
int FrameSpan(std::int32_t from, std::int32_t to)
{
    const long long span = static_cast<long long>(to) - from + 1;
    return static_cast<int>(std::clamp<long long>(span, 0, std::numeric_limits<int>::max()));
}
} // namespace

void CReportFontEnumerator::Add(const CReportFont& font)
{
    if (IndexOf(font) == 0)
        m_fonts.push_back(font);
}

int CReportFontEnumerator::IndexOf(const CReportFont& font) const
{
    return PositionOf(m_fonts, font);
}

void CReportColorEnumerator::Add(ReportColor color)
{
    if (IndexOf(color) == 0)
        m_colors.push_back(color);
}

int CReportColorEnumerator::IndexOf(ReportColor color) const
{
    return PositionOf(m_colors, color);
}

template <typename T, typename... Args> T& CReportParagraph::Add(Args&&... args)
{
    auto item = std::make_unique<T>(GetDocument(), std::forward<Args>(args)...);
    T& added = *item;
    m_datas.push_back(std::move(item));
    return added;
}

CReportDataText& CReportParagraph::AddText(std::string text)
{
    return Add<CReportDataText>(std::move(text));
}

CReportDataField& CReportParagraph::AddField(FieldKind kind, std::string switches,
                                             std::string result)
{
    return Add<CReportDataField>(kind, std::move(switches), std::move(result));
}

CReportDataSpecialChar& CReportParagraph::AddSpecialChar(SpecialCharKind kind)
{
    return Add<CReportDataSpecialChar>(kind);
}

CReportDataEnhancedMetafile& CReportParagraph::AddPicture(std::span<const std::uint8_t> metafile)
{
    const CRect frame = CEmfReader(metafile).GetHeader().frame;
    return AddPicture(std::vector<std::uint8_t>(metafile.begin(), metafile.end()),
                      FrameSpan(frame.left, frame.right), FrameSpan(frame.top, frame.bottom));
}

CReportDataEnhancedMetafile& CReportParagraph::AddPicture(std::vector<std::uint8_t> bytes,
                                                          int width, int height)
{
    return Add<CReportDataEnhancedMetafile>(std::move(bytes), width, height);
}

CReportParagraph& CReportBodiesOwner::AddParagraph(std::string text)
{
    CReportParagraph& paragraph = AddParagraph();
    paragraph.AddText(std::move(text));
    return paragraph;
}

CReportParagraph& CReportBodiesOwner::AddParagraph()
{
    auto paragraph = std::make_unique<CReportParagraph>(GetDocument());
    CReportParagraph& added = *paragraph;
    m_bodies.push_back(std::move(paragraph));
    return added;
}

CReportTable& CReportBodiesOwner::AddTable()
{
    auto table = std::make_unique<CReportTable>(GetDocument());
    CReportTable& added = *table;
    m_bodies.push_back(std::move(table));
    return added;
}

void CReportBodiesOwner::AddParagraphs(const std::string& text, const CReportProperties* properties)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        CReportParagraph& paragraph = AddParagraph(text.substr(start, end - start));
        if (properties)
            paragraph.GetProperties().Merge(*properties);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

CReportTableCell::CReportTableCell(CReportDocument* document, int columnSpan, int rowSpan)
    : CReportBodiesOwner(document), m_columnSpan(std::max(columnSpan, 1)),
      m_rowSpan(std::max(rowSpan, 1))
{}

CReportTableCell& CReportTableRow::AddCell(int columnSpan, int rowSpan)
{
    m_cells.push_back(std::make_unique<CReportTableCell>(GetDocument(), columnSpan, rowSpan));
    return *m_cells.back();
}

CReportTableRow& CReportTable::AddRow()
{
    m_rows.push_back(std::make_unique<CReportTableRow>(GetDocument()));
    return *m_rows.back();
}

CReportHeaderFooter& CReportSection::AddHeaderFooter()
{
    m_headerFooters.push_back(std::make_unique<CReportHeaderFooter>(GetDocument()));
    return *m_headerFooters.back();
}

CReportSection& CReportDocument::AddSection()
{
    m_sections.push_back(std::make_unique<CReportSection>(this));
    return *m_sections.back();
}
