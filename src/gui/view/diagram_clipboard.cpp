// The clipboard's renderings of the diagram.
#include "view/diagram_clipboard.h"

#include "view/diagram_painter.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSvgGenerator>
#include <algorithm>

namespace
{
constexpr double MetresPerInch = 0.0254;
constexpr int PlanUnitsPerInch = 254;
} // namespace

bool CDiagramClipboard::SetEnhancedMetafile(std::vector<std::uint8_t> emf)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    // The clipboard takes the data over.
    clipboard->setMimeData(MimeData(emf).release());
    return true;
}

std::unique_ptr<QMimeData> CDiagramClipboard::MimeData(const std::vector<std::uint8_t>& emf) const
{
    auto data = std::make_unique<QMimeData>();
    data->setData(EmfMimeType, QByteArray(reinterpret_cast<const char*>(emf.data()),
                                          static_cast<qsizetype>(emf.size())));
    const QByteArray svg = Svg();
    if (!svg.isEmpty())
        data->setData(SvgMimeType, svg);
    const QByteArray png = Png();
    if (!png.isEmpty())
        data->setData(PngMimeType, png);
    return data;
}

QByteArray CDiagramClipboard::Svg() const
{
    const CRect bounds = NetworkDiagramBounds(m_source, m_measurer);
    if (bounds.IsEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // One pixel of the generator is one plan unit, so its size reads in tenths of a millimetre.
    generator.setResolution(PlanUnitsPerInch);
    // The metafile's white margin goes round the SVG too.
    const QSize size(bounds.Width() + 2 * DiagramMargin, bounds.Height() + 2 * DiagramMargin);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Network diagram");
    generator.setDescription("Drawn by Gyrolith");
    CPlanMapping mapping;
    mapping.windowOrigin = QPointF(bounds.left - DiagramMargin, bounds.top - DiagramMargin);
    QPainter painter(&generator);
    PaintNetworkDiagram(m_source, painter, mapping, m_measurer);
    painter.end();
    return bytes;
}

QByteArray CDiagramClipboard::Png() const
{
    const CRect bounds = NetworkDiagramBounds(m_source, m_measurer);
    if (bounds.IsEmpty())
        return {};
    const double longest = std::max(bounds.Width(), bounds.Height()) + 2.0 * DiagramMargin;
    const double pixelsPerUnit = std::min(PngDotsPerInch / PlanUnitsPerInch, MaxPngSide / longest);
    QImage image = NetworkDiagramImage(m_source, pixelsPerUnit, m_measurer);
    if (image.isNull())
        return {};
    // The resolution keeps the picture's size on paper whatever it was scaled to.
    const int dotsPerMetre =
        static_cast<int>(pixelsPerUnit * PlanUnitsPerInch / MetresPerInch + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
