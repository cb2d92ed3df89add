// A report tree laid out on pages with Qt's text layout and painted into a PDF writer whose
// device unit is the twip, the unit of the tree.
#include "reports/report_pdf_writer.h"

#include "platform/atomic_file.h"
#include "platform/emf_reader.h"
#include "platform/glyph_fonts.h"
#include "platform/metafile_player.h"
#include "platform/pdf_stamps.h"
#include "platform/qpainter_surface.h"
#include "reports/report_definition.h"
#include "reports/report_document.h"
#include "reports/report_generator.h"
#include "reports/report_rtf_table_structure.h"
#include "reports/report_source.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace
{

constexpr int TwipsPerPoint = 20;
// The RTF's row words: 75 twips between a cell's edge and its text on every side.
constexpr double CellPadding = 75;
// Where a word processor puts headers and footers without \headery and \footery.
constexpr double HeaderDistance = 720;
// Tab stops past the paragraph's own, as \deftab's default.
constexpr double DefaultTabStop = 720;
// The picture fit keeps one centimetre free, as the RTF's.
constexpr double FitMargin = 567;
// Margins a word processor uses where the document sets none.
constexpr int DefaultSideMargin = 1800;
constexpr int DefaultTopMargin = 1440;

QColor ColorOf(ReportColor color)
{
    return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
            static_cast<int>((color >> 16) & 0xFF)};
}

QFont FontOf(const CReportDataProperties& format)
{
    QFont font(QString::fromStdString(format.IsFontSet() ? format.GetFont().faceName : "Arial"));
    font.setPixelSize(std::max(1, format.GetSize().value_or(12) * TwipsPerPoint));
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(format.GetWeight().value_or(400), 1, 1000)));
    font.setItalic(format.GetItalic().value_or(false));
    font.setUnderline(format.GetUnderline().value_or(false));
    font.setStrikeOut(format.GetStrikeThrough().value_or(false));
    // Glyph positions then follow the font's design, not a screen's pixel grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QTextCharFormat CharFormatOf(const CReportDataProperties& format)
{
    QTextCharFormat chars;
    chars.setFont(FontOf(format), QTextCharFormat::FontPropertiesAll);
    chars.setForeground(ColorOf(format.GetColor().value_or(0)));
    return chars;
}

Qt::Alignment AlignmentOf(const CReportParagraphProperties& paragraph)
{
    switch (paragraph.GetAlignment().value_or(ParagraphAlignment::Left)) {
    case ParagraphAlignment::Right:
        return Qt::AlignRight;
    case ParagraphAlignment::Centre:
        return Qt::AlignHCenter;
    case ParagraphAlignment::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

// The width text runs over and the height a fitted picture may take, as the RTF's fit reckons.
double TextWidth(const CReportProperties& effective)
{
    return effective.section.IsLandscape() ? effective.document.GetPrintableHeight()
                                           : effective.document.GetPrintableWidth();
}

double TextHeight(const CReportProperties& effective)
{
    return effective.section.IsLandscape() ? effective.document.GetPrintableWidth()
                                           : effective.document.GetPrintableHeight();
}

// A picture's size in twips under the RTF's words, later ones winning as a reader takes them.
QSizeF PictureSize(const CReportDataEnhancedMetafile& picture, const CReportProperties& effective)
{
    // Whole twips, as the RTF reckons them; a picture of none has nothing to show.
    const long long twips[] = {picture.GetWidth() * 567LL / 1000,
                               picture.GetHeight() * 567LL / 1000};
    if (twips[0] <= 0 || twips[1] <= 0)
        return {};
    const double natural[] = {static_cast<double>(twips[0]), static_cast<double>(twips[1])};
    double size[] = {natural[0], natural[1]};
    double scale[] = {100, 100};
    const CReportDataEnhancedMetafileProperties& sizing = effective.picture;
    const auto both = [&](long long s) {
        scale[0] = scale[1] = static_cast<double>(s);
    };
    if (sizing.IsFitSet()) {
        // Whole percents, as the RTF writes them.
        if (sizing.IsFitPageWidth())
            both(static_cast<long long>((TextWidth(effective) - FitMargin) * 100) / twips[0]);
        if (sizing.IsFitPageHeight())
            both(static_cast<long long>((TextHeight(effective) - FitMargin) * 100) / twips[1]);
    }
    if (sizing.IsGoalSizeSet()) {
        if (sizing.IsSizeFromHeight())
            both(sizing.GetGoalHeight() * 100LL / twips[1]);
        else if (sizing.IsSizeFromWidth())
            both(sizing.GetGoalWidth() * 100LL / twips[0]);
        else if (sizing.GetGoalWidth() > 0 && sizing.GetGoalHeight() > 0) {
            size[0] = sizing.GetGoalWidth();
            size[1] = sizing.GetGoalHeight();
        }
    }
    if (sizing.IsScaleSet()) {
        scale[0] = sizing.GetScaleX();
        scale[1] = sizing.GetScaleY();
    }
    return {std::max(0.0, size[0] * scale[0] / 100), std::max(0.0, size[1] * scale[1] / 100)};
}

// The date format of a field's \@ "..." switch.
QString DateFormatOf(const std::string& switches, const char* fallback)
{
    static const QRegularExpression Picture(R"(\\@\s*"([^"]*)\")");
    const QRegularExpressionMatch match = Picture.match(QString::fromStdString(switches));
    return match.hasMatch() ? match.captured(1) : QString::fromLatin1(fallback);
}

// One line of a paragraph, or a picture, as placed on a page: its height and how to draw it
// with its top-left corner at a point.
struct CPiece
{
    double height = 0;
    std::function<void(QPainter&, QPointF)> draw;
};

using CPieces = std::vector<CPiece>;

double HeightOf(const CPieces& pieces)
{
    double height = 0;
    for (const CPiece& piece : pieces)
        height += piece.height;
    return height;
}

void DrawPieces(QPainter& painter, const CPieces& pieces, QPointF at)
{
    for (const CPiece& piece : pieces) {
        piece.draw(painter, at);
        at.ry() += piece.height;
    }
}

// A cell of a table's grid with what it holds, laid out.
struct CLaidCell
{
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
    CReportTableCellProperties format;
    CPieces pieces;
};

class CPdfLayout
{
public:
    CPdfLayout(const CReportDocument& document, const CTextMeasurer& measurer,
               const QDateTime& printed, QPdfWriter& writer)
        : m_document(document), m_measurer(measurer), m_printed(printed), m_writer(writer)
    {}

    int Run();

private:
    void StartSection(const CReportSection& section, const CReportProperties& effective);
    void StartPage();
    void NewPage();
    // Room for a block of the given height: a new page unless it fits or the page is bare.
    void MakeRoom(double height);
    void FlowPieces(const CPieces& pieces);
    void FlowTable(const CReportTable& table, const CReportProperties& inherited);

    CPieces LayParagraph(const CReportParagraph& paragraph, CReportProperties inherited,
                         double width) const;
    CPieces LayBodies(const CReportBodiesOwner& owner, const CReportProperties& inherited,
                      double width) const;
    void LayText(const QString& text, const QList<QTextLayout::FormatRange>& formats,
                 const CReportProperties& effective, double width, CPieces& out) const;
    CPiece LayPicture(const CReportDataEnhancedMetafile& picture,
                      const CReportProperties& effective, double width) const;
    QString SpecialText(SpecialCharKind kind) const;
    QString FieldText(const CReportDataField& field) const;
    // The last header or footer of the kind, as the RTF's reader keeps it.
    const CReportHeaderFooter* HeaderFooterOf(HeaderFooterKind kind) const;

    const CReportDocument& m_document;
    const CTextMeasurer& m_measurer;
    const QDateTime& m_printed;
    QPdfWriter& m_writer;
    QPainter m_painter;
    mutable CGlyphFonts m_glyphFonts;

    const CReportSection* m_section = nullptr;
    int m_sectionNumber = 0;
    CReportProperties m_effective;
    QSizeF m_paper;
    int m_page = 0;
    double m_left = 0;
    double m_width = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    bool m_pageUsed = false;
};

int CPdfLayout::Run()
{
    const CReportProperties& own = m_document.GetProperties();
    for (const auto& section : m_document.GetSections()) {
        CReportProperties effective = own;
        effective.Merge(section->GetProperties());
        StartSection(*section, effective);
        for (const auto& body : section->GetBodies()) {
            if (const auto* paragraph = dynamic_cast<const CReportParagraph*>(body.get()))
                FlowPieces(LayParagraph(*paragraph, m_effective, m_width));
            else if (const auto* table = dynamic_cast<const CReportTable*>(body.get()))
                FlowTable(*table, m_effective);
        }
    }
    if (m_page == 0) {
        // A document without sections is one blank page.
        CReportProperties effective = own;
        CReportSection none(nullptr);
        StartSection(none, effective);
    }
    if (!m_painter.end())
        throw std::runtime_error("the PDF could not be finished");
    return m_page;
}

void CPdfLayout::StartSection(const CReportSection& section, const CReportProperties& effective)
{
    m_section = &section;
    ++m_sectionNumber;
    m_effective = effective;
    const std::optional<PaperSize>& paper = effective.document.GetPaperSize();
    const bool a3 = paper == PaperSize::A3;
    const bool landscape = effective.section.IsLandscape();
    const QPageLayout layout(QPageSize(a3 ? QPageSize::A3 : QPageSize::A4),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0));
    m_writer.setPageLayout(layout);
    const QSizeF points = layout.fullRectPoints().size();
    m_paper = points * TwipsPerPoint;

    const CReportDocumentProperties& page = effective.document;
    m_left = page.GetLeftMargin().value_or(DefaultSideMargin);
    const double right = page.GetRightMargin().value_or(DefaultSideMargin);
    m_width = page.GetPageWidth() > 0 ? TextWidth(effective) : m_paper.width() - m_left - right;
    if (m_page == 0) {
        if (!m_painter.begin(&m_writer))
            throw std::runtime_error("the PDF could not be started");
        StartPage();
    } else {
        NewPage();
    }
}

const CReportHeaderFooter* CPdfLayout::HeaderFooterOf(HeaderFooterKind kind) const
{
    const CReportHeaderFooter* found = nullptr;
    for (const auto& headerFooter : m_section->GetHeaderFooters()) {
        if (headerFooter->GetKind() == kind)
            found = headerFooter.get();
    }
    return found;
}

void CPdfLayout::StartPage()
{
    ++m_page;
    const CReportDocumentProperties& page = m_effective.document;
    m_top = page.GetTopMargin().value_or(DefaultTopMargin);
    m_bottom = m_paper.height() - page.GetBottomMargin().value_or(DefaultTopMargin);
    // Headers and footers are laid out afresh on each page, for its number. A header taller
    // than the top margin pushes the text down, a footer likewise up.
    if (const CReportHeaderFooter* header = HeaderFooterOf(HeaderFooterKind::Header)) {
        CReportProperties effective = m_effective;
        effective.Merge(header->GetProperties());
        const CPieces pieces = LayBodies(*header, effective, m_width);
        DrawPieces(m_painter, pieces, {m_left, HeaderDistance});
        m_top = std::max(m_top, HeaderDistance + HeightOf(pieces));
    }
    if (const CReportHeaderFooter* footer = HeaderFooterOf(HeaderFooterKind::Footer)) {
        CReportProperties effective = m_effective;
        effective.Merge(footer->GetProperties());
        const CPieces pieces = LayBodies(*footer, effective, m_width);
        const double top = m_paper.height() - HeaderDistance - HeightOf(pieces);
        DrawPieces(m_painter, pieces, {m_left, top});
        m_bottom = std::min(m_bottom, top);
    }
    m_y = m_top;
    m_pageUsed = false;
}

void CPdfLayout::NewPage()
{
    if (!m_writer.newPage())
        throw std::runtime_error("no new page could be started");
    StartPage();
}

void CPdfLayout::MakeRoom(double height)
{
    if (m_pageUsed && m_y + height > m_bottom)
        NewPage();
}

void CPdfLayout::FlowPieces(const CPieces& pieces)
{
    for (const CPiece& piece : pieces) {
        MakeRoom(piece.height);
        piece.draw(m_painter, {m_left, m_y});
        m_y += piece.height;
        m_pageUsed = true;
    }
}

QString CPdfLayout::SpecialText(SpecialCharKind kind) const
{
    switch (kind) {
    case SpecialCharKind::CurrentDate:
        return m_printed.toString(QStringLiteral("dd/MM/yyyy"));
    case SpecialCharKind::LongDate:
        return m_printed.toString(QStringLiteral("d MMMM yyyy"));
    case SpecialCharKind::CurrentTime:
        return m_printed.toString(QStringLiteral("HH:mm"));
    case SpecialCharKind::PageNumber:
        return QString::number(m_page);
    case SpecialCharKind::SectionNumber:
        return QString::number(m_sectionNumber);
    case SpecialCharKind::Tab:
        return QStringLiteral("\t");
    case SpecialCharKind::Line:
    case SpecialCharKind::Paragraph:
    case SpecialCharKind::Page:
        return QString(QChar::LineSeparator);
    default:
        return {};
    }
}

QString CPdfLayout::FieldText(const CReportDataField& field) const
{
    switch (field.GetKind()) {
    case FieldKind::Date:
    case FieldKind::PrintDate:
        return m_printed.toString(DateFormatOf(field.GetSwitch(), "dd/MM/yyyy"));
    case FieldKind::Time:
        return m_printed.toString(DateFormatOf(field.GetSwitch(), "HH:mm"));
    case FieldKind::Page:
        return QString::number(m_page);
    default:
        return QString::fromStdString(field.GetResult());
    }
}

CPieces CPdfLayout::LayBodies(const CReportBodiesOwner& owner, const CReportProperties& inherited,
                              double width) const
{
    CPieces pieces;
    for (const auto& body : owner.GetBodies()) {
        if (const auto* paragraph = dynamic_cast<const CReportParagraph*>(body.get())) {
            CPieces laid = LayParagraph(*paragraph, inherited, width);
            std::move(laid.begin(), laid.end(), std::back_inserter(pieces));
        }
    }
    return pieces;
}

CPieces CPdfLayout::LayParagraph(const CReportParagraph& paragraph, CReportProperties inherited,
                                 double width) const
{
    inherited.Merge(paragraph.GetProperties());
    CPieces pieces;
    // Formatting runs on from item to item, as it does in the RTF's stream.
    CReportProperties running = inherited;
    QString text;
    QList<QTextLayout::FormatRange> formats;
    const auto flushText = [&] {
        if (!text.isEmpty())
            LayText(text, formats, inherited, width, pieces);
        text.clear();
        formats.clear();
    };
    for (const auto& data : paragraph.GetDatas()) {
        running.Merge(data->GetProperties());
        QString part;
        if (const auto* item = dynamic_cast<const CReportDataText*>(data.get())) {
            part = QString::fromStdString(item->GetText());
        } else if (const auto* special = dynamic_cast<const CReportDataSpecialChar*>(data.get())) {
            part = SpecialText(special->GetKind());
        } else if (const auto* field = dynamic_cast<const CReportDataField*>(data.get())) {
            part = FieldText(*field);
        } else if (const auto* picture =
                       dynamic_cast<const CReportDataEnhancedMetafile*>(data.get())) {
            flushText();
            pieces.push_back(LayPicture(*picture, running, width));
            continue;
        }
        if (part.isEmpty())
            continue;
        formats.append({static_cast<int>(text.size()), static_cast<int>(part.size()),
                        CharFormatOf(running.data)});
        text += part;
    }
    flushText();
    // An empty paragraph is one empty line of its font.
    if (pieces.empty())
        LayText(QString(), {}, inherited, width, pieces);
    return pieces;
}

void CPdfLayout::LayText(const QString& text, const QList<QTextLayout::FormatRange>& formats,
                         const CReportProperties& effective, double width, CPieces& out) const
{
    auto layout = std::make_shared<QTextLayout>(text, FontOf(effective.data));
    layout->setFormats(formats);
    QTextOption option(AlignmentOf(effective.paragraph));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QList<QTextOption::Tab> tabs;
    for (const CReportParagraphTab& tab : effective.paragraph.GetTabs()) {
        const QTextOption::TabType type = tab.kind == TabKind::Right    ? QTextOption::RightTab
                                          : tab.kind == TabKind::Centre ? QTextOption::CenterTab
                                                                        : QTextOption::LeftTab;
        tabs.append(QTextOption::Tab(tab.position, type));
    }
    option.setTabs(tabs);
    option.setTabStopDistance(DefaultTabStop);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);

    std::vector<int> lines;
    layout->beginLayout();
    double y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition({0, y});
        y += line.height();
        lines.push_back(line.lineNumber());
    }
    layout->endLayout();
    for (const int number : lines) {
        CPiece piece;
        piece.height = layout->lineAt(number).height();
        piece.draw = [layout, number](QPainter& painter, QPointF at) {
            const QTextLine drawn = layout->lineAt(number);
            drawn.draw(&painter, {at.x(), at.y() - drawn.y()});
        };
        out.push_back(std::move(piece));
    }
}

CPiece CPdfLayout::LayPicture(const CReportDataEnhancedMetafile& picture,
                              const CReportProperties& effective, double width) const
{
    QSizeF size = PictureSize(picture, effective);
    // A picture wider than its room or taller than a page is shrunk to fit, keeping its shape.
    const double room = std::max(1.0, std::min(width, m_bottom - m_top));
    const double shrink =
        std::min({1.0, width / std::max(size.width(), 1.0), room / std::max(size.height(), 1.0)});
    size *= shrink;
    const Qt::Alignment alignment = AlignmentOf(effective.paragraph);
    const double offset = alignment == Qt::AlignHCenter ? (width - size.width()) / 2
                          : alignment == Qt::AlignRight ? width - size.width()
                                                        : 0.0;
    const std::vector<std::uint8_t>* bytes = &picture.GetBytes();
    const CEmfHeader header = CEmfReader(*bytes).GetHeader();
    const double unitsWide = picture.GetWidth() / 10.0;
    const double unitsHigh = picture.GetHeight() / 10.0;
    CPiece piece;
    piece.height = size.height();
    if (size.isEmpty() || unitsWide <= 0 || unitsHigh <= 0) {
        piece.draw = [](QPainter&, QPointF) {
        };
        return piece;
    }
    piece.draw = [this, bytes, header, size, offset, unitsWide, unitsHigh](QPainter& painter,
                                                                           QPointF at) {
        const QRectF target(at + QPointF(offset, 0), size);
        painter.save();
        // The frame is what shows: a print zone's clip is the frame's edge.
        painter.setClipRect(target);
        CPlanMapping mapping;
        mapping.windowOrigin = {header.frame.left / 10.0, header.frame.top / 10.0};
        mapping.viewportOrigin = target.topLeft();
        mapping.pixelsPerUnitX = target.width() / unitsWide;
        mapping.pixelsPerUnitY = target.height() / unitsHigh;
        {
            CQPainterSurface surface(painter, mapping, m_measurer, &m_glyphFonts);
            PlayMetafile(*bytes, surface, m_measurer);
        }
        painter.restore();
    };
    return piece;
}

void CPdfLayout::FlowTable(const CReportTable& table, const CReportProperties& inherited)
{
    const CReportRTFTableStructure grid(table);
    if (grid.IsEmpty())
        return;
    const int rows = grid.GetRowCount();
    const int columns = grid.GetColumnCount();
    // The RTF's \cellx: the text width shared equally, in whole twips.
    const double tableWidth = TextWidth(m_effective) > 0 ? TextWidth(m_effective) : m_width;
    std::vector<double> edges(static_cast<std::size_t>(columns) + 1);
    for (int c = 0; c <= columns; ++c)
        edges[static_cast<std::size_t>(c)] =
            m_left + static_cast<double>(static_cast<long long>(c * tableWidth) / columns);

    std::vector<CLaidCell> cells;
    std::vector<double> heights(static_cast<std::size_t>(rows), 0.0);
    std::vector<bool> header(static_cast<std::size_t>(rows), false);
    // Rows held to the row after them by a cell merged down across both.
    std::vector<bool> joined(static_cast<std::size_t>(rows), false);
    for (int r = 0; r < rows; ++r) {
        CReportProperties rowFormat = inherited;
        rowFormat.Merge(table.GetProperties());
        const GridEntry& first = grid.GetEntry(r, 0);
        if (first.row)
            rowFormat.Merge(first.row->GetProperties());
        header[static_cast<std::size_t>(r)] = rowFormat.row.GetHeader().value_or(false);
        for (int c = 0; c < columns; ++c) {
            const GridEntry& entry = grid.GetEntry(r, c);
            if (entry.IsContinuation())
                continue;
            CLaidCell cell;
            cell.row = r;
            cell.column = c;
            while (cell.column + cell.columns < columns &&
                   grid.GetEntry(r, cell.column + cell.columns).horizontallyMergedContinuation)
                ++cell.columns;
            while (cell.row + cell.rows < rows &&
                   grid.GetEntry(cell.row + cell.rows, c).verticallyMergedContinuation)
                ++cell.rows;
            CReportProperties format = rowFormat;
            if (entry.table)
                format.Merge(entry.table->GetProperties());
            if (entry.row)
                format.Merge(entry.row->GetProperties());
            if (entry.cell)
                format.Merge(entry.cell->GetProperties());
            cell.format = format.cell;
            const double width = edges[static_cast<std::size_t>(c + cell.columns)] -
                                 edges[static_cast<std::size_t>(c)];
            if (entry.cell)
                cell.pieces =
                    LayBodies(*entry.cell, format, std::max(1.0, width - 2 * CellPadding));
            if (cell.rows == 1) {
                double& height = heights[static_cast<std::size_t>(r)];
                height = std::max(height, HeightOf(cell.pieces) + 2 * CellPadding);
            }
            for (int k = r; k < r + cell.rows - 1; ++k)
                joined[static_cast<std::size_t>(k)] = true;
            cells.push_back(std::move(cell));
        }
    }
    // A cell merged down takes what the rows it spans lack from its last one.
    for (const CLaidCell& cell : cells) {
        if (cell.rows == 1)
            continue;
        double spanned = 0;
        for (int k = cell.row; k < cell.row + cell.rows; ++k)
            spanned += heights[static_cast<std::size_t>(k)];
        const double need = HeightOf(cell.pieces) + 2 * CellPadding;
        if (need > spanned)
            heights[static_cast<std::size_t>(cell.row + cell.rows - 1)] += need - spanned;
    }

    // Cells were laid out row by row: where each row's cells begin.
    std::vector<std::size_t> rowCells(static_cast<std::size_t>(rows) + 1, cells.size());
    for (std::size_t k = cells.size(); k-- > 0;)
        rowCells[static_cast<std::size_t>(cells[k].row)] = k;
    for (int r = rows; r-- > 0;)
        rowCells[static_cast<std::size_t>(r)] = std::min(rowCells[static_cast<std::size_t>(r)],
                                                         rowCells[static_cast<std::size_t>(r) + 1]);

    int headerRows = 0;
    while (headerRows < rows && header[static_cast<std::size_t>(headerRows)])
        ++headerRows;

    const auto drawRows = [&](int from, int to) {
        std::vector<double> tops(static_cast<std::size_t>(to - from) + 1, m_y);
        for (int r = from; r < to; ++r)
            tops[static_cast<std::size_t>(r - from + 1)] =
                tops[static_cast<std::size_t>(r - from)] + heights[static_cast<std::size_t>(r)];
        for (std::size_t k = rowCells[static_cast<std::size_t>(from)];
             k < rowCells[static_cast<std::size_t>(to)]; ++k) {
            const CLaidCell& cell = cells[k];
            const double left = edges[static_cast<std::size_t>(cell.column)];
            const double right = edges[static_cast<std::size_t>(cell.column + cell.columns)];
            const double top = tops[static_cast<std::size_t>(cell.row - from)];
            const double bottom =
                tops[static_cast<std::size_t>(std::min(to, cell.row + cell.rows) - from)];
            const QRectF box(QPointF(left, top), QPointF(right, bottom));
            if (const auto& background = cell.format.GetBackgroundColor())
                m_painter.fillRect(box, ColorOf(*background));
            const double free = box.height() - 2 * CellPadding - HeightOf(cell.pieces);
            const CellVerticalAlignment vertical =
                cell.format.GetVerticalAlignment().value_or(CellVerticalAlignment::Top);
            const double shift = vertical == CellVerticalAlignment::Centre   ? free / 2
                                 : vertical == CellVerticalAlignment::Bottom ? free
                                                                             : 0.0;
            DrawPieces(m_painter, cell.pieces,
                       {left + CellPadding, top + CellPadding + std::max(0.0, shift)});
            const std::pair<const std::optional<int>&, QLineF> borders[] = {
                {cell.format.GetTopBorder(), QLineF(box.topLeft(), box.topRight())},
                {cell.format.GetBottomBorder(), QLineF(box.bottomLeft(), box.bottomRight())},
                {cell.format.GetLeftBorder(), QLineF(box.topLeft(), box.bottomLeft())},
                {cell.format.GetRightBorder(), QLineF(box.topRight(), box.bottomRight())},
            };
            for (const auto& [border, line] : borders) {
                if (border) {
                    m_painter.setPen(QPen(Qt::black, *border, Qt::SolidLine, Qt::SquareCap));
                    m_painter.drawLine(line);
                }
            }
        }
        m_y = tops.back();
        m_pageUsed = true;
    };

    bool headersOnPage = false;
    for (int r = 0; r < rows;) {
        int end = r + 1;
        while (end < rows && joined[static_cast<std::size_t>(end - 1)])
            ++end;
        // The header rows go with the first row after them.
        if (r == 0 && headerRows > 0) {
            end = std::max(end, std::min(rows, headerRows + 1));
            while (end < rows && joined[static_cast<std::size_t>(end - 1)])
                ++end;
        }
        double height = 0;
        for (int k = r; k < end; ++k)
            height += heights[static_cast<std::size_t>(k)];
        if (m_pageUsed && m_y + height > m_bottom) {
            NewPage();
            headersOnPage = false;
        }
        // A table carried onto a new page repeats its header rows first.
        if (r > 0 && !headersOnPage && headerRows > 0 && r >= headerRows && m_y == m_top)
            drawRows(0, headerRows);
        drawRows(r, end);
        headersOnPage = true;
        r = end;
    }
}

} // namespace

int CReportPdfWriter::Write(QIODevice& out, const QString& title) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(TwipsPerInch);
        writer.setCreator(QStringLiteral("Gyrolith"));
        writer.setTitle(title);
        pages = CPdfLayout(*m_document, *m_measurer, m_printed, writer).Run();
    }
    QByteArray pdf = buffer.data();
    NormalisePdfStamps(pdf, m_printed);
    if (out.write(pdf) != pdf.size())
        throw std::runtime_error("writing the PDF failed: " + out.errorString().toStdString());
    return pages;
}

void SaveReportPdf(const std::filesystem::path& path, const CReportDefinition& definition,
                   const CReportSource& source, const QDateTime& printed)
{
    const std::unique_ptr<CReportDocument> document = CReportGenerator(definition, source).Build();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    CReportPdfWriter(*document, source.measurer, printed)
        .Write(pdf, QString::fromStdString(definition.GetTitle()));
    WriteFileAtomically(path, [&](std::ostream& out) {
        out.write(pdf.data().constData(), static_cast<std::streamsize>(pdf.data().size()));
    });
}
