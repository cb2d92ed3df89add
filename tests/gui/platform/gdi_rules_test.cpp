// The drawing rules no outside metafile reader here draws as GDI does (dashes, raster
// operations), and the surface's pixel rules, checked on the painted pixels themselves.
#include "case_name.h"
#include "platform/freetype_text_measurer.h"
#include "platform/qpainter_surface.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;
constexpr QRgb White = 0xFFFFFFFF;

class GdiRulesTest : public ::testing::Test
{
protected:
    // Paints on a white image of the size at pixelsPerUnit, plan (0, 0) at the top-left.
    QImage Paint(QSize size, double pixelsPerUnit,
                 const std::function<void(CDrawingSurface&)>& draw)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(White);
        QPainter painter(&image);
        CQPainterSurface surface(painter, Mapping(pixelsPerUnit), m_measurer, &m_fonts);
        draw(surface);
        return image;
    }
    static CPlanMapping Mapping(double pixelsPerUnit)
    {
        CPlanMapping mapping;
        mapping.pixelsPerUnitX = mapping.pixelsPerUnitY = pixelsPerUnit;
        return mapping;
    }

    CFreeTypeTextMeasurer m_measurer;
    CGlyphFonts m_fonts;
};

// Lengths of the inked and blank stretches along a pixel row, from its first ink to its last.
std::vector<int> RunsAlong(const QImage& image, int row)
{
    const auto ink = [&](int x) {
        return image.pixel(x, row) != White;
    };
    std::vector<int> runs;
    int x = 0;
    while (x < image.width() && !ink(x)) {
        ++x;
    }
    while (x < image.width()) {
        const bool inked = ink(x);
        const int start = x;
        while (x < image.width() && ink(x) == inked) {
            ++x;
        }
        if (inked || x < image.width()) {
            runs.push_back(x - start);
        }
    }
    return runs;
}

// Whether the runs repeat the pattern (each within a pixel); the last stretch may be cut. A line
// drawn solid is one run and never follows.
bool RunsFollow(const std::vector<int>& runs, const std::vector<double>& pattern)
{
    if (runs.size() < pattern.size() + 1) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
        if (std::abs(runs[i] - pattern[i % pattern.size()]) > 1.0) {
            return false;
        }
    }
    return true;
}

struct CDashCase
{
    const char* name;
    EPenStyle style;
};

class DashTest : public GdiRulesTest, public ::testing::WithParamInterface<CDashCase>
{
protected:
    // A line 800 plan units long in the style and width, at pixelsPerUnit.
    std::vector<int> LineRuns(int width, double pixelsPerUnit)
    {
        const QImage image = Paint({900, 40}, pixelsPerUnit, [&](CDrawingSurface& s) {
            s.SetBkMode(EBkMode::Transparent);
            s.SelectPen(CPenExt(GetParam().style, width, 0));
            s.MoveTo({0, 20});
            s.LineTo({800, 20});
        });
        return RunsAlong(image, static_cast<int>(20 * pixelsPerUnit));
    }
};

// A geometric pen's dashes are plan units: they grow with the zoom (Qt counts them in pen
// widths, which would make them five times too long at width 5).
TEST_P(DashTest, WideDashesAreInPlanUnits)
{
    std::vector<double> pattern;
    for (std::uint32_t d : CPenExt::DashPattern(GetParam().style)) {
        pattern.push_back(d);
    }
    EXPECT_TRUE(RunsFollow(LineRuns(5, 1.0), pattern))
        << ::testing::PrintToString(LineRuns(5, 1.0));
    for (double& d : pattern) {
        d *= 0.5;
    }
    EXPECT_TRUE(RunsFollow(LineRuns(5, 0.5), pattern));
}

// A plain pen's dashes are device pixels, the same at every zoom, and still dashes.
TEST_P(DashTest, ThinDashesAreInDevicePixels)
{
    const std::vector<int> near = LineRuns(1, 1.0);
    EXPECT_GT(near.size(), 10u) << "drawn solid";
    const std::vector<int> far = LineRuns(1, 0.5);
    ASSERT_GT(far.size(), 4u);
    EXPECT_EQ(std::vector<int>(near.begin(), near.begin() + 4),
              std::vector<int>(far.begin(), far.begin() + 4));
}

INSTANTIATE_TEST_SUITE_P(Styles, DashTest,
                         ::testing::Values(CDashCase{"Dash", EPenStyle::Dash},
                                           CDashCase{"Dot", EPenStyle::Dot},
                                           CDashCase{"DashDot", EPenStyle::DashDot},
                                           CDashCase{"DashDotDot", EPenStyle::DashDotDot}),
                         CaseName());

// A plain pen keeps one full pixel however far out the view is zoomed; a wide pen is as wide as
// its plan units and ends flat at the line's ends.
TEST_F(GdiRulesTest, PenWidthsFollowThePlainAndGeometricRules)
{
    const QImage far = Paint({100, 20}, 0.1, [](CDrawingSurface& s) {
        s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(0, 0, 255)));
        s.MoveTo({0, 100});
        s.LineTo({900, 100});
    });
    EXPECT_EQ(far.pixel(50, 10), qRgb(0, 0, 255));

    const QImage wide = Paint({200, 60}, 0.5, [](CDrawingSurface& s) {
        s.SelectPen(CPenExt(EPenStyle::Solid, 20, Rgb(0, 0, 0)));
        s.MoveTo({100, 60});
        s.LineTo({300, 60});
    });
    const std::vector<int> across = RunsAlong(wide.transformed(QTransform().rotate(90)), 100);
    ASSERT_EQ(across.size(), 1u);
    EXPECT_EQ(across[0], 10) << "20 plan units at half a pixel each";
    const std::vector<int> along = RunsAlong(wide, 30);
    ASSERT_EQ(along.size(), 1u);
    EXPECT_EQ(along[0], 100) << "flat ends add nothing beyond the end points";
}

// Rectangle and Ellipse leave out the right and bottom edge of their box.
TEST_F(GdiRulesTest, BoxesEndBeforeTheirRightAndBottom)
{
    for (const bool ellipse : {false, true}) {
        const QImage image = Paint({40, 40}, 1.0, [&](CDrawingSurface& s) {
            s.SelectPen(CPenExt(EPenStyle::Solid, 1, 0));
            s.SelectBrush(CBrush(Rgb(255, 0, 0)));
            if (ellipse) {
                s.Ellipse({10, 10, 30, 30});
            } else {
                s.Rectangle({10, 10, 30, 30});
            }
        });
        EXPECT_EQ(RunsAlong(image, 20), std::vector<int>{20}) << "ellipse " << ellipse;
        const std::vector<int> column = RunsAlong(image.transformed(QTransform().rotate(90)), 20);
        EXPECT_EQ(column, std::vector<int>{20}) << "ellipse " << ellipse;
        EXPECT_EQ(image.pixel(9, 20), White);
        EXPECT_EQ(image.pixel(30, 20), White);
    }
}

void NotXorOverBlackAndWhite(CDrawingSurface& s)
{
    s.SelectPen(CPenExt::Null());
    s.SelectBrush(CBrush(Rgb(0, 0, 0)));
    s.Rectangle({0, 0, 50, 40});
    const int old = s.SetRop2(Rop2::NotXorPen);
    s.SelectBrush(CBrush(Rgb(0xF5, 0xF5, 0xF5)));
    s.Rectangle({10, 10, 90, 30});
    s.SetRop2(old);
    s.SelectBrush(CBrush(Rgb(0, 0, 255)));
    s.PatBlt(10, 30, 80, 10, Rop3::PatInvert);
    s.PatBlt(10, 45, 80, 5, Rop3::PatCopy);
}

// On an image the raster operations combine bits: NOTXOR inverts a grey over black and keeps
// it over white; PatInvert turns white to the brush's complement and black to the brush.
TEST_F(GdiRulesTest, RasterOperationsCombineBitsOnImages)
{
    const QImage image = Paint({100, 60}, 1.0, NotXorOverBlackAndWhite);
    EXPECT_EQ(image.pixel(20, 20), qRgb(0x0A, 0x0A, 0x0A)) << "over black";
    EXPECT_EQ(image.pixel(70, 20), qRgb(0xF5, 0xF5, 0xF5)) << "over white";
    EXPECT_EQ(image.pixel(20, 35), qRgb(0, 0, 255)) << "pattern inverted over black";
    EXPECT_EQ(image.pixel(70, 35), qRgb(255, 255, 0)) << "pattern inverted over white";
    EXPECT_EQ(image.pixel(70, 47), qRgb(0, 0, 255)) << "copied after the operations";
}

// Printers, PDF and SVG cannot combine bits: the same drawing there is a plain copy.
TEST_F(GdiRulesTest, RasterOperationsCopyOnVectorDevices)
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize({100, 60});
    generator.setViewBox(QRect(0, 0, 100, 60));
    {
        QPainter painter(&generator);
        CQPainterSurface surface(painter, Mapping(1.0), m_measurer, &m_fonts);
        NotXorOverBlackAndWhite(surface);
    }
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    QSvgRenderer(svg.data()).render(&painter);
    painter.end();
    EXPECT_EQ(image.pixel(20, 20), qRgb(0xF5, 0xF5, 0xF5));
    EXPECT_EQ(image.pixel(20, 35), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(70, 35), qRgb(0, 0, 255));
}

// The clip box is the painter's clip, or the whole device, in plan units.
TEST_F(GdiRulesTest, ClipBoxIsInPlanUnits)
{
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    CPlanMapping mapping = Mapping(0.5);
    mapping.windowOrigin = QPointF(1000, 2000);
    {
        CQPainterSurface surface(painter, mapping, m_measurer, &m_fonts);
        EXPECT_EQ(surface.GetClipBox(), (CRect{1000, 2000, 1400, 2200}));
    }
    painter.setClipRect(QRect(20, 10, 40, 30));
    CQPainterSurface surface(painter, mapping, m_measurer, &m_fonts);
    EXPECT_EQ(surface.GetClipBox(), (CRect{1040, 2020, 1120, 2080}));
}
} // namespace
