// Painting the large network the way a window repaints it: through the Qt drawing surface onto
// a full-HD image, the whole network fitted in, antialiased, with the glyph fonts kept.
#include "bench_application.h"
#include "large_network.h"
#include "view/diagram_painter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace
{

void BM_PaintNetworkView(benchmark::State& state)
{
    JunctionBench::Application();
    JunctionBench::CLargeNetwork& large = JunctionBench::Large();
    const CDiagramSource source = large.Source();
    const CRect bounds = NetworkDiagramBounds(source, large.measurer);
    QImage image(1920, 1080, QImage::Format_RGB32);
    const double scale = std::min(image.width() / static_cast<double>(bounds.Width()),
                                  image.height() / static_cast<double>(bounds.Height()));
    CPlanMapping mapping;
    mapping.windowOrigin = QPointF(bounds.left, bounds.top);
    mapping.pixelsPerUnitX = mapping.pixelsPerUnitY = scale;
    CGlyphFonts fonts;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        PaintNetworkDiagram(source, painter, mapping, large.measurer, &fonts);
    }
    state.counters["arms"] = large.network.GetArms().GetCount();
    state.counters["pixels_per_unit"] = scale;
}

} // namespace

BENCHMARK(BM_PaintNetworkView)->Unit(benchmark::kMillisecond);
