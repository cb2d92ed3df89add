#include "view/zoom_pan.h"

#include "platform/drawing_surface.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double Units = CDrawingSurface::UnitsPerInch;

int Truncate(double v)
{
    return static_cast<int>(std::trunc(v));
}

// The new origin coordinate that keeps the plan point under pixel p where it was when the
// extent grows by the ratio r.
int OriginAbout(int p, int o, double r)
{
    return o - (Truncate((p - o) * r) - (p - o));
}

CScrollRange ScrollRange(int position, int client, double first, double last, bool empty)
{
    CScrollRange range{position, position, std::max(client, 0)};
    if (!empty) {
        range.minimum = std::min(position, static_cast<int>(std::floor(first)));
        range.maximum = std::max(position, static_cast<int>(std::ceil(last)) - client);
        range.maximum = std::max(range.maximum, range.minimum);
    }
    return range;
}
} // namespace

CZoomPan::CZoomPan(double dotsPerInchX, double dotsPerInchY)
    : m_dpiX(ScreenDotsPerInch), m_dpiY(ScreenDotsPerInch)
{
    SetDotsPerInch(dotsPerInchX, dotsPerInchY);
}

void CZoomPan::SetDotsPerInch(double x, double y)
{
    if (std::isfinite(x) && x > 0.0) {
        m_dpiX = x;
    }
    if (std::isfinite(y) && y > 0.0) {
        m_dpiY = y;
    }
}

void CZoomPan::SetZoom(double zoom)
{
    m_zoom = std::isnan(zoom) ? 1.0 : std::clamp(zoom, MinZoom, MaxZoom);
}

void CZoomPan::Pan(int dx, int dy)
{
    m_origin.x += dx;
    m_origin.y += dy;
}

int CZoomPan::ExtentAt(double zoom, double dotsPerInch)
{
    return std::max(1, Truncate(dotsPerInch * zoom - 0.5));
}

double CZoomPan::PixelsPerUnitX() const
{
    return ExtentX() / Units;
}

double CZoomPan::PixelsPerUnitY() const
{
    return ExtentY() / Units;
}

double CZoomPan::ToPlanX(double pixelX) const
{
    return (pixelX - m_origin.x) / PixelsPerUnitX();
}

double CZoomPan::ToPlanY(double pixelY) const
{
    return (pixelY - m_origin.y) / PixelsPerUnitY();
}

double CZoomPan::ToPixelX(double planX) const
{
    return m_origin.x + planX * PixelsPerUnitX();
}

double CZoomPan::ToPixelY(double planY) const
{
    return m_origin.y + planY * PixelsPerUnitY();
}

bool CZoomPan::ZoomAbout(CPoint pixel, double factor)
{
    if (!std::isfinite(factor) || factor <= 0.0) {
        return false;
    }
    return ZoomTo(pixel, std::clamp(m_zoom * factor, MinZoom, MaxZoom));
}

bool CZoomPan::ZoomTo(CPoint pixel, double zoom)
{
    if (zoom == m_zoom) {
        return false;
    }
    const double rx = static_cast<double>(ExtentAt(zoom, m_dpiX)) / ExtentX();
    const double ry = static_cast<double>(ExtentAt(zoom, m_dpiY)) / ExtentY();
    m_origin = {OriginAbout(pixel.x, m_origin.x, rx), OriginAbout(pixel.y, m_origin.y, ry)};
    m_zoom = zoom;
    return true;
}

bool CZoomPan::ZoomToFit(const CRect& plan, CSize client)
{
    if (plan.IsEmpty() || client.cx <= 0 || client.cy <= 0) {
        return false;
    }
    SetZoom(std::min(client.cx * Units / (plan.Width() * m_dpiX),
                     client.cy * Units / (plan.Height() * m_dpiY)));
    m_origin = {static_cast<int>(std::lround(client.cx / 2.0 -
                                             (plan.left + plan.right) / 2.0 * PixelsPerUnitX())),
                static_cast<int>(std::lround(client.cy / 2.0 -
                                             (plan.top + plan.bottom) / 2.0 * PixelsPerUnitY()))};
    return true;
}

bool IsZoomInEnabled(double zoom)
{
    return zoom < CZoomPan::MaxZoom;
}

bool IsZoomOutEnabled(double zoom)
{
    return zoom > CZoomPan::MinZoom;
}

bool IsZoomToFitEnabled(const CRect& drawingBounds)
{
    return !drawingBounds.IsEmpty();
}

CScrollRange HorizontalScrollRange(const CZoomPan& view, const CRect& drawing, int clientWidth)
{
    const double ppu = view.PixelsPerUnitX();
    return ScrollRange(-view.GetOrigin().x, clientWidth, drawing.left * ppu, drawing.right * ppu,
                       drawing.IsEmpty());
}

CScrollRange VerticalScrollRange(const CZoomPan& view, const CRect& drawing, int clientHeight)
{
    const double ppu = view.PixelsPerUnitY();
    return ScrollRange(-view.GetOrigin().y, clientHeight, drawing.top * ppu, drawing.bottom * ppu,
                       drawing.IsEmpty());
}
