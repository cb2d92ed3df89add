// The zoom and viewport origin of a zoomable, pannable view of the plan, and the zoom commands.
#pragma once

#include "platform/geometry.h"

// Where the plan lies on a view's pixels: plan point (x, y) lands on origin + (x, y) × extent /
// 254, the extent being trunc(dpi × zoom − 0.5) pixels (95 at zoom 1 and 96 dpi), so one plan
// unit is 0.1 mm at zoom 1 and y grows downwards. Pixels are the window's logical pixels. The
// zoom stays within 0.2..2.5: a zoom asked for outside is clamped, one that is not a number
// reads as 1. Zooming about a pixel keeps the plan point under it within a pixel, using the
// extents' own ratio, which differs from the zooms' ratio because extents are truncated.
class CZoomPan
{
public:
    static constexpr double MinZoom = 0.2;
    static constexpr double MaxZoom = 2.5;
    static constexpr double ZoomInFactor = 1.05;
    static constexpr double ZoomOutFactor = 0.95;
    static constexpr double ScreenDotsPerInch = 96.0;

    explicit CZoomPan(double dotsPerInchX = ScreenDotsPerInch,
                      double dotsPerInchY = ScreenDotsPerInch);

    double GetZoom() const { return m_zoom; }
    CPoint GetOrigin() const { return m_origin; }
    double GetDotsPerInchX() const { return m_dpiX; }
    double GetDotsPerInchY() const { return m_dpiY; }
    // A resolution of 0 or less (or not a number) leaves the old one.
    void SetDotsPerInch(double x, double y);

    void SetZoom(double zoom);
    void SetOrigin(CPoint origin) { m_origin = origin; }
    void Pan(int dx, int dy);

    // Pixels per 254 plan units, at least 1.
    int ExtentX() const { return ExtentAt(m_zoom, m_dpiX); }
    int ExtentY() const { return ExtentAt(m_zoom, m_dpiY); }
    double PixelsPerUnitX() const;
    double PixelsPerUnitY() const;
    double ToPlanX(double pixelX) const;
    double ToPlanY(double pixelY) const;
    double ToPixelX(double planX) const;
    double ToPixelY(double planY) const;

    // Zooms by a factor about a pixel; false when the zoom stays as it was (at its limit).
    bool ZoomAbout(CPoint pixel, double factor);
    // The commands, about the centre of the client area.
    bool ZoomIn(CSize client) { return ZoomAbout(Centre(client), ZoomInFactor); }
    bool ZoomOut(CSize client) { return ZoomAbout(Centre(client), ZoomOutFactor); }
    bool ZoomMax(CSize client) { return ZoomTo(Centre(client), MaxZoom); }
    bool ZoomMin(CSize client) { return ZoomTo(Centre(client), MinZoom); }
    // The largest zoom at which the rectangle fits the client area (clamped), with the
    // rectangle centred in it. False, changing nothing, for an empty rectangle.
    bool ZoomToFit(const CRect& plan, CSize client);

    static int ExtentAt(double zoom, double dotsPerInch);

private:
    static CPoint Centre(CSize client) { return {client.cx / 2, client.cy / 2}; }
    // Zooms to a zoom within the limits about a pixel.
    bool ZoomTo(CPoint pixel, double zoom);

    double m_dpiX;
    double m_dpiY;
    double m_zoom = 1.0;
    CPoint m_origin;
};

// The enable rules of the zoom commands, for menus and toolbars: "Zoom In" and "Zoom Max" while
// below the upper limit, "Zoom Out" and "Zoom Min" while above the lower one, "Zoom To Fit" for
// a drawing that covers something.
bool IsZoomInEnabled(double zoom);
bool IsZoomOutEnabled(double zoom);
bool IsZoomToFitEnabled(const CRect& drawingBounds);

// One scroll bar over the drawing: values are the scroll position (minus the origin, in pixels)
// from the drawing's first pixel to where its last one shows at the far edge, widened to hold
// the position now so that scrolling never jumps.
struct CScrollRange
{
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    friend bool operator==(const CScrollRange&, const CScrollRange&) = default;
};
// Horizontal and vertical ranges for a drawing's plan bounds (empty: only the position now).
CScrollRange HorizontalScrollRange(const CZoomPan& view, const CRect& drawing, int clientWidth);
CScrollRange VerticalScrollRange(const CZoomPan& view, const CRect& drawing, int clientHeight);
