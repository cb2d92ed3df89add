// The document's state, file steps, status panes and snapshot restore.
#include "document/carousel_doc.h"

#include "cardfile/card_errors.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/carousel_file.h"
#include "cardfile/network_read_error.h"
#include "settings/program_settings.h"
#include "document/recent_file_list.h"
#include "routing/flow_group_commands.h"
#include "model/route_filter.h"
#include "model/route_flows.h"
#include "view/colour_category.h"

#include <cstdio>
#include <stdexcept>

namespace
{

// A route filter held by numbers, which survive a restore; ids do not.
struct CRouteFilterByNumber
{
    std::uint32_t originZone = 0, originArm = 0, originLane = 0;
    std::uint32_t destinationZone = 0, destinationArm = 0, destinationLane = 0;
};

void ZoneArmLaneNumbers(const CNetwork& network, std::uint32_t zoneId, std::uint32_t armId,
                        std::uint32_t laneId, std::uint32_t& zone, std::uint32_t& arm,
                        std::uint32_t& lane)
{
    if (const CZone* z = network.GetZones().GetZoneById(zoneId))
        zone = z->GetNumber();
    if (const CArm* a = network.GetArms().GetArmById(armId)) {
        arm = a->GetNumber();
        if (const CLane* l = a->GetLanes().GetLaneById(laneId))
            lane = l->GetNumber();
    }
}

CRouteFilterByNumber FilterByNumber(const CNetwork& network)
{
    const CRouteFilter& f = network.GetRouteFilter();
    CRouteFilterByNumber n;
    ZoneArmLaneNumbers(network, f.originZoneId, f.originArmId, f.originLaneId, n.originZone,
                       n.originArm, n.originLane);
    ZoneArmLaneNumbers(network, f.destinationZoneId, f.destinationArmId, f.destinationLaneId,
                       n.destinationZone, n.destinationArm, n.destinationLane);
    return n;
}

void ZoneArmLaneIds(const CNetwork& network, std::uint32_t zone, std::uint32_t arm,
                    std::uint32_t lane, std::uint32_t& zoneId, std::uint32_t& armId,
                    std::uint32_t& laneId)
{
    zoneId = armId = laneId = 0;
    if (const CZone* z = zone ? network.GetZones().GetZone(zone) : nullptr)
        zoneId = z->GetId();
    if (const CArm* a = arm ? network.GetArms().GetArm(arm) : nullptr) {
        armId = a->GetId();
        if (const CLane* l = lane ? a->GetLanes().GetLane(lane) : nullptr)
            laneId = l->GetLaneId();
    }
}

void ApplyFilterByNumber(CNetwork& network, const CRouteFilterByNumber& n)
{
    CRouteFilter& f = network.GetRouteFilter();
    ZoneArmLaneIds(network, n.originZone, n.originArm, n.originLane, f.originZoneId, f.originArmId,
                   f.originLaneId);
    ZoneArmLaneIds(network, n.destinationZone, n.destinationArm, n.destinationLane,
                   f.destinationZoneId, f.destinationArmId, f.destinationLaneId);
    RefreshRouteFilter(network);
}

} // namespace

CCarouselDoc::CCarouselDoc(const ProgramSettings& program, NetworkSettings& settings,
                           CPrompt* prompt)
    : m_program(&program), m_settings(&settings), m_prompt(prompt)
{
    InstallRouteStatusChangeNotifyer(std::make_unique<CRouteGraphicsRefreshHandler>(m_viewStates));
    Adopt(std::make_unique<CDocumentData>());
}

CCarouselDoc::~CCarouselDoc()
{
    // Another document may have installed its own since; that one stays.
    const auto* installed =
        dynamic_cast<CRouteGraphicsRefreshHandler*>(GetRouteStatusChangeNotifyer());
    if (installed && installed->Serves(m_viewStates))
        InstallRouteStatusChangeNotifyer(nullptr);
}

void CCarouselDoc::Adopt(std::unique_ptr<CDocumentData> data)
{
    data->network.SetRouteFilterRefreshNotifyer(
        std::make_unique<CInvalidateGraphicsOnFilterRefresh>(m_viewStates));
    m_data = std::move(data);
    ForgetCurrentPrintPage(); // page ids start again in the new collection
}

void CCarouselDoc::UpdateAllViews(int hint, const CDocumentView* sender)
{
    // Besides route status and filter changes, which the notifiers report, any change may have
    // added or removed routes, lanes or connectors; a new set of objects renews every id.
    if (hint == HintObjectsReplaced) {
        m_selectedRoutes.clear();
        m_viewStates.ForgetObjects();
    } else if (hint != HintDataChanged) {
        std::set<std::uint32_t> kept = m_selectedRoutes;
        std::erase_if(kept, [&](std::uint32_t id) {
            return GetNetwork().GetRoutes().GetRouteById(id) == nullptr;
        });
        ReplaceSelectedRoutes(std::move(kept));
        m_viewStates.InvalidateCategories();
    }
    CMultiViewDocument::UpdateAllViews(hint, sender);
}

void CCarouselDoc::ReplaceSelectedRoutes(std::set<std::uint32_t> routeIds)
{
    if (routeIds == m_selectedRoutes)
        return;
    m_selectedRoutes = std::move(routeIds);
    m_viewStates.MirrorSelectedRoutes(m_selectedRoutes);
}

void CCarouselDoc::Message(const std::string& text) const
{
    if (m_prompt)
        m_prompt->ShowMessage(text);
}

void CCarouselDoc::SetModifiedFlag(bool modified)
{
    m_modified = modified;
    UpdateStatusPanes();
}

void CCarouselDoc::Changed(int hint)
{
    UpdateAllViews(hint);
    SetModifiedFlag(true);
}

std::string CCarouselDoc::GetFlowGroupPaneText() const
{
    const CFlowGroup* group = GetNetwork().GetCurrentFlowGroup();
    return group ? group->GetDescription() : "No flowgroup selected";
}

void CCarouselDoc::UpdateStatusPanes() const
{
    if (!m_statusPanes)
        return;
    m_statusPanes->SetPaneText(StatusPaneFlowGroup, GetFlowGroupPaneText());
    m_statusPanes->SetPaneText(StatusPaneArms,
                               std::to_string(GetNetwork().GetArms().GetCount()) + " Arms");
    m_statusPanes->SetPaneText(StatusPaneZones,
                               std::to_string(GetNetwork().GetZones().GetCount()) + " Zones");
}

void CCarouselDoc::OnCloseDocument()
{
    if (!m_statusPanes)
        return;
    for (int pane : {StatusPaneFlowGroup, StatusPaneArms, StatusPaneZones})
        m_statusPanes->SetPaneText(pane, std::string());
}

bool CCarouselDoc::OnNewDocument()
{
    UpdateAllViews(HintObjectsReplaced);
    Adopt(std::make_unique<CDocumentData>());
    ::AddFlowGroup(GetNetwork(), FlowGroupAddPosition::Append, nullptr);
    m_pathName.clear();
    m_title = NewDocumentTitle;
    m_hasSavePath = false;
    m_modified = false;
    UpdateAllViews(HintNetworkChanged);
    UpdateStatusPanes();
    return true;
}

bool CCarouselDoc::OnOpenDocument(const std::filesystem::path& path)
{
    std::unique_ptr<CDocumentData> read;
    CNetworkReadError failure;
    try {
        read = LoadNetworkFile(path, *m_settings, failure, m_program->DefLaneFlowDelimiter);
    } catch (...) {
        // A file that cannot be opened at all says so too ("Cannot open <path>: <reason>"):
        // silence would leave a double-clicked missing file simply vanishing.
        if (m_prompt)
            m_prompt->ShowMessageWithDetail(failure.message, failure.detail);
        return false;
    }
    UpdateAllViews(HintObjectsReplaced);
    Adopt(std::move(read));
    NormaliseAllArms(GetNetwork());
    m_pathName = path.string();
    m_title = path.filename().string();
    m_hasSavePath = true;
    m_modified = false;
    UpdateAllViews(HintNetworkChanged);
    UpdateStatusPanes();
    if (!m_data->readAdjustments.empty() && m_prompt)
        m_prompt->ShowReadAdjustments(m_data->readAdjustments);
    return true;
}

void CCarouselDoc::SaveToPath(const std::filesystem::path& path)
{
    SaveNetworkFile(path, *m_data, *m_settings);
    SetModifiedFlag(false);
}

void CCarouselDoc::OnAutoSaveFailed(const std::string& message)
{
    Message("The network could not be auto-saved: " + message);
}

bool CCarouselDoc::OnSaveDocument(const std::filesystem::path& path)
{
    try {
        SaveToPath(path);
        return true;
    } catch (const std::exception& e) {
        Message(e.what());
        return false;
    }
}

bool CCarouselDoc::SaveAs(const std::filesystem::path& path)
{
    if (!OnSaveDocument(path))
        return false;
    m_pathName = path.string();
    m_title = path.filename().string();
    m_hasSavePath = true;
    return true;
}

void CCarouselDoc::MarkRecovered()
{
    m_title = RecoveredTitle;
    m_pathName = std::string(RecoveredTitle) + ".crs";
    // The name is not a place on disk: Save must ask where to put the network rather than
    // write it into whatever the current directory happens to be.
    m_hasSavePath = false;
    SetModifiedFlag(true);
}

std::string CCarouselDoc::ProposedSaveAsName() const
{
    const std::size_t cut = m_title.find_first_of(" #%;/\\");
    return m_title.substr(0, cut) + ".crs";
}

std::string CCarouselDoc::ProposedDxfExportName() const
{
    // Without a file of its own ("New.dxf", never ".dxf"; a recovered network's stand-in path
    // names no folder) the name comes from the title as Save As proposes it.
    if (!m_hasSavePath) {
        const std::string saveAs = ProposedSaveAsName();
        return saveAs.substr(0, saveAs.size() - 4) + ".dxf";
    }
    std::string name = m_pathName;
    if (name.size() >= 4 && name[name.size() - 4] == '.')
        name.resize(name.size() - 4);
    return name + ".dxf";
}

std::string CCarouselDoc::SaveSnapshot() const
{
    return WriteNetworkSnapshot(*m_data, *m_settings);
}

void CCarouselDoc::RestoreSnapshot(const std::string& snapshot, int tag)
{
    (void)tag;
    UpdateAllViews(HintObjectsReplaced);
    const CRouteFilterByNumber filter = FilterByNumber(GetNetwork());
    const CFlowGroup* current = GetNetwork().GetCurrentFlowGroup();
    const std::uint32_t currentGroup = current ? current->GetNumber() : 0;

    std::unique_ptr<CDocumentData> restored;
    try {
        CCardStreamMemory stream(snapshot);
        restored = ReadNetwork(stream, *m_settings, true, m_program->DefLaneFlowDelimiter);
    } catch (...) {
        // Nothing was replaced; the views take hold of the same objects again.
        UpdateAllViews(HintNetworkChanged);
        throw;
    }
    // The open views and their count are the document's, not the snapshot's, and so is the kind
    // of flows the OD matrix shows.
    restored->viewPositions = std::move(m_data->viewPositions);
    restored->resizeableViewCount = m_data->resizeableViewCount;
    restored->odMatrix.SetKind(m_data->odMatrix.GetKind());
    Adopt(std::move(restored));

    CNetwork& network = GetNetwork();
    NormaliseAllArms(network);
    if (CFlowGroup* group =
            currentGroup ? network.GetFlowGroups().GetFlowGroup(currentGroup) : nullptr)
        network.SetCurrentFlowGroup(group);
    ApplyFilterByNumber(network, filter);
    m_modified = true;
    UpdateAllViews(HintNetworkChanged);
    UpdateStatusPanes();
}

void CCarouselDoc::OnRestoreFailed(const std::exception& error)
{
    (void)error;
    Message("Cannot Undo\n");
}

void CCarouselDoc::OnCheckpointFailed(const std::exception& error)
{
    Message(error.what());
}

bool ApplyRecoveredFileRule(CCarouselDoc& document, const std::string& openedPath,
                            const CAutoSaveManager& autoSave, CRecentFileList& recentFiles)
{
    if (autoSave.GetAutoSaveFileName().empty() || openedPath != autoSave.GetAutoSaveFileName())
        return false;
    document.MarkRecovered();
    recentFiles.Remove(0);
    return true;
}
