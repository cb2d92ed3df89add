#include "cardfile/document_data.h"

CDiagramSource DiagramSourceOf(const CDocumentData& data, const ProgramSettings& program,
                               const NetworkSettings& settings, bool highlightFilteredRoutes,
                               bool permittedOnly)
{
    CDiagramSource source{data.network, data.labels, data.printPages, data.odMatrix,
                          {},           program,     settings};
    source.settings.odMatrixShown = data.odMatrixShown;
    source.settings.laneFlows = data.laneFlows;
    source.settings.highlightFilteredRoutes = highlightFilteredRoutes;
    source.settings.permittedOnly = permittedOnly;
    return source;
}
