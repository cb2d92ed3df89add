// The network diagram of the document for the clipboard and the DXF export.
#include "document/carousel_doc.h"
#include "platform/clipboard.h"
#include "view/network_export.h"

#include <exception>

CDiagramSource CCarouselDoc::GetDiagramSource()
{
    CDiagramSettings settings;
    settings.odMatrixShown = m_data->odMatrixShown;
    settings.odMatrixX = m_data->odMatrixX;
    settings.odMatrixY = m_data->odMatrixY;
    settings.laneFlowAggregation = m_data->laneFlowAggregation;
    settings.laneFlowColouring = m_data->laneFlowColouring;
    settings.zeroFlowsShown = m_data->zeroFlowsShown;
    settings.highlightFilteredRoutes = m_highlightFilteredRoutes;
    settings.permittedOnly = m_permittedOnly;
    CDiagramSource source{GetNetwork(), GetLabels(), GetPrintPages(), settings};
    source.networkSettings = m_settings;
    return source;
}

bool CCarouselDoc::CopyDiagramToClipboard(CClipboard& clipboard, const CTextMeasurer& screen)
{
    return clipboard.SetEnhancedMetafile(
        RecordNetworkEmf(GetDiagramSource(), screen, "ClipboardMetafile"));
}

bool CCarouselDoc::ExportNetworkDiagramDxf(const std::filesystem::path& path,
                                           const CTextMeasurer& screen)
{
    try {
        ExportNetworkDxf(path, GetDiagramSource(), screen);
        return true;
    } catch (const std::exception& e) {
        Message(e.what());
        return false;
    }
}
