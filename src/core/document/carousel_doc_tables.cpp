// The document's commands behind the OD matrix grid, the route list, the route manager and the
// flow group list.
#include "document/carousel_doc.h"
#include "routing/desired_flow_edits.h"
#include "routing/flow_group_commands.h"
#include "routing/route_commands.h"
#include "model/route_filter.h"
#include "routing/od_matrix_csv.h"
#include "routing/od_matrix_paste.h"

bool CCarouselDoc::SetODMatrixFlow(std::uint32_t origin, std::uint32_t destination, long long flow,
                                   std::string_view typed)
{
    CNetwork& network = GetNetwork();
    for (const CValidationResult& check :
         {ValidateFlowEditAllowed(network), ValidateDesiredFlow(flow, typed)}) {
        if (!check) {
            Message(check.message);
            return false;
        }
    }
    if (!network.GetZones().GetZone(origin) || !network.GetZones().GetZone(destination)) {
        return false;
    }
    const CDesiredFlowEdit edit{origin, destination, static_cast<std::int32_t>(flow)};
    CFlowGroup& group = *network.GetCurrentFlowGroup();
    if (!BeginCheckpoint("Set OD Matrix Flow")) {
        return false;
    }
    if (ApplyDesiredFlowEdits(network, group, {&edit, 1}) == 0) {
        CancelCheckpoint();
        return true;
    }
    CommitCheckpoint();
    Changed(HintDataChanged);
    return true;
}

bool CCarouselDoc::ApplyDesiredFlows(const char* checkpoint, const CValidationResult& read,
                                     const std::vector<CDesiredFlowEdit>& edits)
{
    CNetwork& network = GetNetwork();
    for (const CValidationResult& check : {ValidateFlowEditAllowed(network), read}) {
        if (!check) {
            Message(check.message);
            return false;
        }
    }
    CFlowGroup& group = *network.GetCurrentFlowGroup();
    if (CountDesiredFlowChanges(network, group, edits) == 0) {
        return true;
    }
    if (!Checkpoint(checkpoint)) {
        return false;
    }
    ApplyDesiredFlowEdits(network, group, edits);
    Changed(HintDataChanged);
    return true;
}

bool CCarouselDoc::PasteODMatrixFlows(std::uint32_t origin, std::uint32_t destination,
                                      std::string_view text)
{
    const CODMatrixPaste paste =
        ParseODMatrixPaste(text, origin, destination, GetNetwork().GetZones().GetCount());
    return ApplyDesiredFlows("Paste OD Matrix Flows", paste.result, paste.edits);
}

bool CCarouselDoc::ImportODMatrix(std::string_view csv)
{
    const CODMatrixCsvImport import = ReadODMatrixCsv(csv, GetNetwork().GetZones().GetCount());
    return ApplyDesiredFlows("Import OD Matrix", import.result, import.edits);
}

void CCarouselDoc::SetRouteFilter(const CRouteFilterNumbers& filter, const CDocumentView* sender)
{
    CNetwork& network = GetNetwork();
    ::SetRouteFilter(network, RouteFilterFromNumbers(network, filter));
    UpdateAllViews(HintRoutesChanged, sender);
}

void CCarouselDoc::SetEditPermittedRoutes(bool editPermitted)
{
    m_permittedOnly = !editPermitted;
    RefreshRouteFilter(GetNetwork());
    Changed(HintNetworkChanged);
}

void CCarouselDoc::SetRoutesSelected(std::span<const std::uint32_t> routeIds, bool selected,
                                     const CDocumentView* sender)
{
    const CRoutes& routes = GetNetwork().GetRoutes();
    std::set<std::uint32_t> chosen = m_selectedRoutes;
    for (const std::uint32_t id : routeIds) {
        if (!selected) {
            chosen.erase(id);
        } else if (routes.GetRouteById(id)) {
            chosen.insert(id);
        }
    }
    if (chosen == m_selectedRoutes) {
        return; // a list that re-selects what the document holds causes no update
    }
    ReplaceSelectedRoutes(std::move(chosen));
    UpdateAllViews(HintRoutesChanged, sender);
}

void CCarouselDoc::SetAllFilteredRoutesSelected(bool selected, const CDocumentView* sender)
{
    const CRoutes& routes = GetNetwork().GetRoutes();
    std::vector<std::uint32_t> filtered;
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        if (const CRoute* route = routes.GetRoute(n); route->IsInFilter()) {
            filtered.push_back(route->GetId());
        }
    }
    SetRoutesSelected(filtered, selected, sender);
}

CRoute* CCarouselDoc::GetSoleSelectedRoute()
{
    return m_selectedRoutes.size() == 1
               ? GetNetwork().GetRoutes().GetRouteById(*m_selectedRoutes.begin())
               : nullptr;
}

bool CCarouselDoc::ToggleSelectedRouteLock()
{
    CRoute* route = GetSoleSelectedRoute();
    return route != nullptr && ToggleRouteLock(*route);
}

bool CCarouselDoc::DeleteSelectedRoutes()
{
    CNetwork& network = GetNetwork();
    CRouteCollection doomed;
    for (const std::uint32_t id : m_selectedRoutes) {
        doomed.Add(network.GetRoutes().GetRouteById(id));
    }
    if (doomed.IsEmpty()) {
        return false;
    }
    if (!Checkpoint("Delete Route")) {
        return false;
    }
    DeleteRoutes(network, doomed);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::ChooseCurrentFlowGroup(std::uint32_t number, const CDocumentView* sender)
{
    CNetwork& network = GetNetwork();
    CFlowGroup* group = number ? network.GetFlowGroups().GetFlowGroup(number) : nullptr;
    if (number && !group) {
        return false;
    }
    network.SetCurrentFlowGroup(group);
    UpdateAllViews(HintDataChanged, sender);
    UpdateStatusPanes();
    return true;
}
