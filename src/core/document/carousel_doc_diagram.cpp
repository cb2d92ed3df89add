// The network diagram of the document for the clipboard and the DXF export.
#include "document/carousel_doc.h"
#include "platform/clipboard.h"
#include "view/network_export.h"

#include <exception>

CDiagramSource CCarouselDoc::GetDiagramSource() const
{
    CDiagramSource source = DiagramSourceOf(*m_data, *m_program, *m_settings,
                                            m_highlightFilteredRoutes, m_permittedOnly);
    source.selectedRoutes = m_selectedRoutes;
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
