// The system clipboard as "Copy Diagram To Clipboard" fills it.
#pragma once

#include "platform/clipboard.h"
#include "view/network_export.h"

#include <QByteArray>
#include <memory>

class QMimeData;

// Offers the document's enhanced metafile as "image/x-emf" and, for programs that read no
// metafile, the same diagram painted through CQPainterSurface as SVG ("image/svg+xml", sized in
// millimetres: one plan unit is 0.1 mm) and PNG ("image/png", 200 dots per inch). A plan of a
// large junction would make a PNG beyond what image readers accept (Qt refuses 128 MB), so its
// longest side is held to MaxPngSide pixels, with the resolution lowered to keep its size on
// paper. An empty network has no picture to paint: only the metafile goes.
class CDiagramClipboard : public CClipboard
{
public:
    static constexpr const char* EmfMimeType = "image/x-emf";
    static constexpr const char* SvgMimeType = "image/svg+xml";
    static constexpr const char* PngMimeType = "image/png";
    static constexpr double PngDotsPerInch = 200.0;
    static constexpr double MaxPngSide = 3000.0;

    CDiagramClipboard(CDiagramSource source, const CTextMeasurer& measurer)
        : m_source(std::move(source)), m_measurer(measurer)
    {}

    bool SetEnhancedMetafile(std::vector<std::uint8_t> emf) override;

    // What goes on the clipboard.
    std::unique_ptr<QMimeData> MimeData(const std::vector<std::uint8_t>& emf) const;
    QByteArray Svg() const;
    QByteArray Png() const;

private:
    CDiagramSource m_source;
    const CTextMeasurer& m_measurer;
};
