#include "printing/page_printer.h"

#include "platform/glyph_fonts.h"
#include "platform/qpainter_surface.h"
#include "printing/printable_document.h"

#include <QApplication>
#include <QDate>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace
{

CPlanMapping PlanMappingOf(const CPageMapping& mapping)
{
    CPlanMapping plan;
    plan.windowOrigin = QPointF(mapping.windowOrigin.x, mapping.windowOrigin.y);
    plan.viewportOrigin = QPointF(mapping.viewportOrigin.x, mapping.viewportOrigin.y);
    plan.pixelsPerUnitX = mapping.viewportExtent.cx / double(CPageMapping::WindowExtent);
    plan.pixelsPerUnitY = mapping.viewportExtent.cy / double(CPageMapping::WindowExtent);
    return plan;
}

// A printed page's surfaces on one painter: each call replaces the last, under its own clip.
class CPainterPrintTarget : public CPrintTarget
{
public:
    CPainterPrintTarget(QPainter& painter, const CTextMeasurer& measurer, CGlyphFonts& fonts)
        : m_painter(painter), m_measurer(measurer), m_fonts(fonts)
    {}

    CDrawingSurface& Surface(const CPageMapping& mapping, const std::optional<CRect>& clip) override
    {
        m_surface.reset();
        if (clip) {
            const CRect device = mapping.ToDevice(*clip);
            m_painter.setClipRect(QRect(device.left, device.top, device.Width(), device.Height()));
        } else {
            m_painter.setClipping(false);
        }
        m_surface.emplace(m_painter, PlanMappingOf(mapping), m_measurer, &m_fonts);
        return *m_surface;
    }

private:
    QPainter& m_painter;
    const CTextMeasurer& m_measurer;
    CGlyphFonts& m_fonts;
    std::optional<CQPainterSurface> m_surface;
};

// The wait cursor while pages are drawn, taken back however printing ends.
class CWaitCursor
{
public:
    CWaitCursor() : m_shown(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CWaitCursor()
    {
        if (m_shown)
            QApplication::restoreOverrideCursor();
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_shown;
};

} // namespace

CPrinterCaps PrinterCapsOf(const QPagedPaintDevice& device)
{
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    // The page layout counts pixels at one resolution; the axes of a printer agree.
    const QRect paper = layout.fullRectPixels(dpiX);
    const QRect printable = layout.paintRectPixels(dpiX);
    CPrinterCaps caps;
    caps.physicalWidth = paper.width();
    caps.physicalHeight = paper.height();
    caps.physicalOffsetX = printable.left() - paper.left();
    caps.physicalOffsetY = printable.top() - paper.top();
    caps.horzRes = printable.width();
    caps.vertRes = printable.height();
    caps.logPixelsX = dpiX;
    caps.logPixelsY = dpiY;
    // Full page: the painter's origin is the paper's corner.
    caps.originOffsetX = 0;
    caps.originOffsetY = 0;
    return caps;
}

std::chrono::year_month_day CalendarDay(const QDate& date)
{
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

std::chrono::year_month_day PrintingDay()
{
    return CalendarDay(QDate::currentDate());
}

int PrintPages(CPrintableDocument& document, CPrintPages& pages, QPrinter& printer, int first,
               int last, const CTextMeasurer& measurer, std::chrono::year_month_day today,
               bool eachPageOrientation)
{
    first = std::max(first, 1);
    last = std::min(last, pages.GetCount());
    if (first > last)
        return 0;
    const CWaitCursor wait;
    printer.setFullPage(true);
    QPainter painter;
    CGlyphFonts fonts;
    int printed = 0;
    for (int n = first; n <= last; ++n) {
        CPrintPage& page = *pages.GetPage(n);
        // The orientation counts from the page it is set before.
        if (n == first || eachPageOrientation)
            printer.setPageOrientation(page.IsLandscape() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
        const bool started = n == first ? painter.begin(&printer) : printer.newPage();
        if (!started)
            break;
        CPainterPrintTarget target(painter, measurer, fonts);
        document.PrintPage(target, page, PrinterCapsOf(printer), today);
        ++printed;
    }
    if (painter.isActive())
        painter.end();
    return printed;
}
