// The document: one network file with everything stored in it, its commands and undo history.
#pragma once

#include "document/auto_save_manager.h"
#include "cardfile/document_data.h"
#include "document/document_view.h"
#include "document/document_with_undo.h"
#include "document/multi_view_document.h"
#include "settings/network_settings.h"
#include "document/prompt.h"
#include "model/label.h"
#include "printing/printable_document.h"
#include "routing/lane_flow_display.h"
#include "view/network_view_state.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CArm;
class CCapacityAssessor;
class CCarouselLaneConnector;
class CClipboard;
class CFeedback;
class CFlowGroup;
class CLane;
class CPrintPage;
struct CPrintPageLayout;
struct CTitleBlockFacts;
enum class EPrintZoneHit : int;
class CRoute;
class CTextMeasurer;
class CZone;
struct CDiagramSource;
struct CDesiredFlowEdit;
struct CRouteFilterNumbers;
struct CValidationResult;
struct CRouteFlowEdit;
enum class FlowGroupAddPosition;

// Which side of the selected lane a new lane goes.
enum class LaneSide
{
    Left,
    Right,
};

// Owns the stored data (CDocumentData: network, labels, print pages, report definitions, project
// texts, the OD matrix table and lane flow display settings) and the flags that live only as
// long as the document. Every command that changes stored data takes its undo checkpoint
// first, changes the model, updates the views with its hint and sets the modified flag, which
// also refreshes the three status panes. A command brings the values it is given to what the
// network file holds, as the reader would (trimmed, clamped), and refuses the others with a
// message that names the field and its range, changing nothing; a checkpoint that still cannot
// be written refuses the command with the writer's message, the document and its undo history
// as they were. A refused command returns false (or none). Undo snapshots are the network file's
// card text; a restore builds a fresh CDocumentData and swaps it in only when the read succeeded,
// so a snapshot that cannot be read leaves the document as it was. The settings records are the
// ones given at construction (the process-wide ones in the program): the program's are read,
// the network's are the open network's own.
//
// Each view draws through a view state made with GetViewStates(). The document keeps those
// current: it installs the route-status notifier (process-wide: the latest document's wins) and
// its network's filter-refresh notifier, drops every view's cached colour categories at any
// update that may have changed routes, lanes or connectors, and every view's selection when it
// replaces its objects. The routes selected in the route list are the document's; the view
// states draw them as they are told.
//
// Build Routes and balancing take an optional feedback object: they report progress and stop
// when it is cancelled, and a cancelled command leaves the document as it was, with no
// checkpoint.
class CCarouselDoc : public CMultiViewDocument,
                     public CDocumentWithUndo,
                     public CAutoSaveDocument,
                     public CPrintableDocument
{
public:
    static constexpr int MaxUndoCheckpoints = 100;
    static constexpr const char* RecoveredTitle = "Recovered From AutoSave";
    static constexpr const char* NewDocumentTitle = "New Gyrolith File ";
    // The route flags a document starts with; they are not stored, so a drawing made straight
    // from a file (gyrolith-cli) uses these.
    static constexpr bool InitialPermittedOnly = true;
    static constexpr bool InitialHighlightFilteredRoutes = true;

    CCarouselDoc(const ProgramSettings& program, NetworkSettings& settings,
                 CPrompt* prompt = nullptr);
    ~CCarouselDoc() override;

    CPrompt* GetPrompt() const { return m_prompt; }
    void SetStatusPaneSink(CStatusPaneSink* sink) { m_statusPanes = sink; }

    // Stored data.
    CDocumentData& GetData() { return *m_data; }
    const CDocumentData& GetData() const { return *m_data; }
    CNetwork& GetNetwork() { return m_data->network; }
    const CNetwork& GetNetwork() const { return m_data->network; }
    CLabels& GetLabels() { return m_data->labels; }
    const CLabels& GetLabels() const { return m_data->labels; }
    CPrintPages& GetPrintPages() { return m_data->printPages; }
    CReportDefinitions& GetReportDefinitions() { return m_data->reportDefinitions; }
    const CProjectInformation& GetProjectInformation() const { return m_data->project; }
    NetworkSettings& GetNetworkSettings() { return *m_settings; }
    const ProgramSettings& GetProgramSettings() const { return *m_program; }
    // Where every view of this document makes its drawing state.
    CNetworkViewStates& GetViewStates() { return m_viewStates; }

    // Drawing runs on the one user-interface thread: there is nothing to guard against.
    bool IsSemaphoreInUse() const override { return false; }

    // Flags that are not stored.
    bool IsAutoRebuildRoutes() const { return m_autoRebuildRoutes; }
    bool IsPermittedOnly() const { return m_permittedOnly; }
    bool IsHighlightFilteredRoutes() const { return m_highlightFilteredRoutes; }
    // The OD matrix table on the plan: its place (stored) and the kind of flows it shows, 0
    // desired, 1 actual, 2 differences (set by the OD matrix view, not stored, kept by undo).
    const CODMatrixGraphics& GetODMatrix() const { return m_data->odMatrix; }
    int GetODMatrixFlowKind() const { return static_cast<int>(m_data->odMatrix.GetKind()); }
    // Updates the views (hint 0); a kind outside 0..2 changes nothing and returns false.
    bool SetODMatrixFlowKind(int kind);
    bool IsODMatrixShown() const { return m_data->odMatrixShown; }

    // Modified flag, path and title.
    bool IsModified() const override { return m_modified; }
    void SetModifiedFlag(bool modified) override;
    const std::string& GetPathName() const { return m_pathName; }
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    // False for a new document and for a recovered one: Save must ask for a path.
    bool HasSavePath() const { return m_hasSavePath; }

    // File steps. Each failure shows one message through the prompt, a file that cannot be
    // opened at all included.
    bool OnNewDocument();
    bool OnOpenDocument(const std::filesystem::path& path);
    // Writes through a temporary file and a rename; clears the modified flag. On failure shows
    // the error, leaves the flag set and the file on disk as it was, and returns false.
    bool OnSaveDocument(const std::filesystem::path& path);
    // Save As: on success the document takes the path (and its file name as title).
    bool SaveAs(const std::filesystem::path& path);
    // Writes the document to path, keeping its own path and title (auto-save).
    void SaveToPath(const std::filesystem::path& path) override;
    // Shows "The network could not be auto-saved: " and the writer's message.
    void OnAutoSaveFailed(const std::string& message) override;
    // Sends empty pane texts; the framework then destroys the document.
    void OnCloseDocument();
    // After a file was opened: the auto-save file opens as a recovered, modified network whose
    // entry in the recent files (the first) is dropped.
    void MarkRecovered();
    // The name Save As proposes: the title cut before its first blank, '#', '%', ';', '/' or
    // '\', with ".crs".
    std::string ProposedSaveAsName() const;
    // The DXF export's proposal: the path without a last four characters that start with '.',
    // and ".dxf"; for a network without a file of its own, the Save As proposal with ".dxf".
    std::string ProposedDxfExportName() const;
    // The status pane texts now.
    std::string GetFlowGroupPaneText() const;
    void UpdateStatusPanes() const;

    // Undo interface.
    std::string SaveSnapshot() const override;
    void RestoreSnapshot(const std::string& snapshot, int tag) override;
    int GetMaxCheckpoints() const override { return MaxUndoCheckpoints; }
    bool Undo() { return Step(1); }
    bool Redo() { return Step(-1); }

    // Document commands.
    void ToggleHighlightFilteredRoutes();
    bool ToggleODMatrixShown();
    // Switching on builds the routes at once; false when that was cancelled or refused (the flag
    // stays off).
    bool ToggleAutoRebuildRoutes(CFeedback* feedback = nullptr);
    // False when cancelled, and refused with a message, the routes as they were, when they would
    // be more than a network file holds.
    bool BuildRoutes(CFeedback* feedback = nullptr);
    // A grid size of 0 is taken as 100.
    bool EditNetworkSettings(const CProjectInformation& project, const NetworkSettings& settings);
    // The lane flow display manager's commands ("Aggregate Flows By OD", ..., "Don't Show Zero
    // Flows"), each under a checkpoint of its own name; views are updated with hint 0.
    bool RunLaneFlowDisplayCommand(LaneFlowDisplayCommand command);
    const CLaneFlowDisplay& GetLaneFlowDisplay() const;

    // The diagram as the network view shows it: the stored display settings, the route flags
    // and the current flow group, with this document's network settings.
    CDiagramSource GetDiagramSource() const;
    // "Copy Diagram To Clipboard": the drawing as an enhanced metafile described
    // "ClipboardMetafile", measured as on the main window's screen. False when the clipboard
    // refused it.
    bool CopyDiagramToClipboard(CClipboard& clipboard, const CTextMeasurer& screen);
    // "Network Diagram DXF Export..." once the path is chosen (ProposedDxfExportName is the
    // proposal). A file that cannot be written shows why and leaves any old file as it was.
    bool ExportNetworkDiagramDxf(const std::filesystem::path& path, const CTextMeasurer& screen);

    // Arms. Adding is two-phase: the arm is placed by the user between begin and commit. New
    // arms and labels go at 1..count + 1.
    CArm* BeginAddArm(std::uint32_t number, std::uint32_t laneCount);
    void CommitAddArm();
    void CancelAddArm(CArm& arm);
    bool EditArm(CArm& arm, std::uint32_t number);
    bool DeleteArm(CArm& arm);
    bool MoveArm(CArm& arm, double dx, double dy);

    // Lanes. Short lane lengths are 1..9998 PCU.
    CLane* AddShortLane(CLane& selected, LaneSide side, std::int32_t length);
    CLane* AddInfinitelyLongLane(CLane& selected, LaneSide side);
    bool EditShortLane(CLane& lane, std::int32_t length);
    bool ConvertToInfinitelyLongLane(CLane& lane);
    // The neighbour is the parent lane chosen in the dialog. False (no checkpoint) when the
    // routing edit refuses: the lane is short already, the neighbour is not beside it or the
    // length is infinite.
    bool ConvertToShortLane(CLane& lane, CLane& neighbour, std::int32_t length);
    bool DeleteLane(CLane& lane);

    // Connectors.
    CCarouselLaneConnector* AddLaneConnector(CLane& from, CLane& to);
    bool DeleteLaneConnector(CCarouselLaneConnector& connector);

    // Zones. An edit lets go of an arm only when it changes, so the zone keeps the routes
    // through the arms that stay. Colours (zones and labels) are 0x00BBGGRR.
    CZone* AddZone(std::uint32_t number, CArm* entryArm, CArm* exitArm, std::uint32_t colour = 0);
    bool EditZone(CZone& zone, std::uint32_t number, CArm* entryArm, CArm* exitArm,
                  std::uint32_t colour);
    bool DeleteZone(CZone& zone);

    // Labels; the network view repaints itself after these.
    CLabel* BeginAddLabel(std::uint32_t number);
    void CommitAddLabel();
    void CancelAddLabel(CLabel& label);
    // The text as the label text rule makes it; the height clamped into 10..1000.
    bool EditLabel(CLabel& label, const std::string& text, std::int32_t textHeight,
                   std::uint32_t colour);
    bool DeleteLabel(CLabel& label);
    bool MoveLabel(CLabel& label, double dx, double dy);

    // Capacity assessors; thresholds are -9999..99999. Without a threshold a new assessor takes
    // the program's default.
    CCapacityAssessor* BeginAddCapacityAssessor(std::uint32_t number, CArm* entryArm,
                                                CArm* circulatoryArm,
                                                std::optional<std::int32_t> threshold = {});
    void CommitAddCapacityAssessor();
    void CancelAddCapacityAssessor(CCapacityAssessor& assessor);
    bool EditCapacityAssessor(CCapacityAssessor& assessor, CArm* entryArm, CArm* circulatoryArm,
                              std::int32_t threshold);
    bool DeleteCapacityAssessor(CCapacityAssessor& assessor);
    bool MoveCapacityAssessor(CCapacityAssessor& assessor, std::int32_t x, std::int32_t y);

    bool MoveODMatrix(int x, int y);

    // Routes. DeleteAllRoutes asks first; false when the user said No.
    bool DeleteAllRoutes();
    std::size_t MakeCircularRoutesNonPermitted();
    bool SetRoutePermitted(CRoute& route, bool permitted);
    bool DeleteRoute(CRoute& route);
    bool ToggleRouteLock(CRoute& route);
    // "Edit Route" on OK; refused with a message without a current flow group, for a flow
    // of 100000 or more in size and for a proportion outside 0..1 (or -1, none).
    bool EditRoute(CRoute& route, const CRouteFlowEdit& edit);
    bool SetAllFilteredRoutesPermitted(bool permitted);

    // Lane flow balancing in the current flow group (wait cursor is the caller's). Cancelled,
    // they return false and 0.
    bool BalanceLaneFlowsOnArm(CArm& arm, CFeedback* feedback = nullptr);
    std::size_t BalanceLaneFlowsOnAllArms(CFeedback* feedback = nullptr);

    // Flow groups. Times must be whole minutes and are taken into one day; the description is
    // kept as the file keeps it: its first 80 characters, blanks trimmed.
    CFlowGroup* AddFlowGroup(FlowGroupAddPosition position, const CFlowGroup* selected);
    bool EditFlowGroup(CFlowGroup& group, std::uint32_t number, std::string description,
                       std::int64_t start, std::int64_t end);
    bool DeleteFlowGroup(CFlowGroup& group);

    // Print pages.
    CPrintPage* BeginAddPrintZone();
    void CommitAddPrintZone();
    void CancelAddPrintZone(CPrintPage& page);
    bool DeletePrintZone(CPrintPage& page);
    bool MovePrintZone(CPrintPage& page, int dx, int dy);
    bool ResizePrintZone(CPrintPage& page, int left, int top, int right, int bottom);
    // "Edit Print Zone" on OK. False (nothing changes) for a position outside 1..count.
    bool EditPrintZone(CPrintPage& page, const CPrintPageLayout& layout);
    // "Resize Print Zone" by a handle (hit code 2 to 9) dragged to a point: the zone keeps more
    // than the hit tolerances each way and never turns inside out. False for the body or no
    // handle, and when the resize was refused.
    bool ResizePrintZoneByHandle(CPrintPage& page, EPrintZoneHit handle, CPoint point);

    // Printing. The title block shows the network settings' company, author and address, the
    // project title, the document's title and the current flow group as they are when printing.
    CPrintPages& GetDocumentPrintPages() override { return GetPrintPages(); }
    CTitleBlockFacts GetTitleBlockFacts(std::chrono::year_month_day today) const;
    void SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps,
                              std::chrono::year_month_day today) override;
    // "Draft Print Entire Network...": the quick-print page over the drawing's extent, measured
    // as the printed drawing will be (an empty network gives an empty zone, printed at scale 1).
    CPrintPage& PrepareQuickPrint(const CTextMeasurer& measurer);

    // The tables' commands (carousel_doc_tables.cpp). Flow edits without a current flow group
    // and desired flows outside 0..99999 are refused with a message before any checkpoint.
    // "Set OD Matrix Flow" between two zones by number; the checkpoint is kept only when the
    // value changed. typed is the number as the user wrote it, for the message.
    bool SetODMatrixFlow(std::uint32_t origin, std::uint32_t destination, long long flow,
                         std::string_view typed = {});
    // "Paste OD Matrix Flows": a tab-separated block whose first cell goes to (origin,
    // destination), under one checkpoint, none when it changes nothing. A block with a cell that
    // is not a whole number of 0..99999, or that reaches the totals, is refused whole.
    bool PasteODMatrixFlows(std::uint32_t origin, std::uint32_t destination, std::string_view text);
    // "Import OD Matrix": the desired flows of a CSV file's bytes into the current flow group,
    // under one checkpoint, none when it changes nothing; a bad file is refused whole, its
    // message naming line and column.
    bool ImportODMatrix(std::string_view csv);
    // The route manager's filter, by numbers: no checkpoint (the filter is not stored), hint 2.
    void SetRouteFilter(const CRouteFilterNumbers& filter, const CDocumentView* sender = nullptr);
    // "Edit Permitted Routes" is the permitted-only flag the other way round. Setting it
    // refreshes the filter, marks the document modified and updates the views with hint 3.
    bool IsEditPermittedRoutes() const { return !m_permittedOnly; }
    void SetEditPermittedRoutes(bool editPermitted);

    // The routes selected in the route list, by id. Not stored: replacing the objects (undo,
    // redo, open) empties it and a route that goes leaves it. Every view state's selected routes
    // mirror it, and the document's diagram source carries it.
    const std::set<std::uint32_t>& GetSelectedRoutes() const { return m_selectedRoutes; }
    bool IsRouteSelected(std::uint32_t routeId) const { return m_selectedRoutes.contains(routeId); }
    // Selects or deselects the routes with these ids (ids of no route are passed over); when
    // that changed the selection, the view states follow and the other views get hint 2.
    void SetRoutesSelected(std::span<const std::uint32_t> routeIds, bool selected,
                           const CDocumentView* sender = nullptr);
    // "Select all currently filtered routes." and "Deselect all currently filtered routes.".
    void SetAllFilteredRoutesSelected(bool selected, const CDocumentView* sender = nullptr);
    // The selected route when exactly one is selected: what "Lock Route Flow" works on.
    CRoute* GetSoleSelectedRoute();
    // "Lock Route Flow" on the sole selected route; false when not exactly one is selected or
    // the lock was refused.
    bool ToggleSelectedRouteLock();
    // "Delete the Selected Route": every selected route under one checkpoint "Delete Route";
    // false, with no checkpoint, when none is selected.
    bool DeleteSelectedRoutes();
    // Makes flow group `number` current (no checkpoint: which group is current is not stored),
    // updates the views but the sender with hint 0 and the status panes. False for a number the
    // network does not have.
    bool ChooseCurrentFlowGroup(std::uint32_t number, const CDocumentView* sender = nullptr);

    // Besides telling the views, keeps the view states and the route selection current: hint 8
    // forgets every id, hints 1 to 3 drop cached colour categories and gone routes.
    void UpdateAllViews(int hint, const CDocumentView* sender = nullptr) override;

protected:
    void OnRestoreFailed(const std::exception& error) override;
    void OnCheckpointFailed(const std::exception& error) override;
    void OnPendingCheckpointBegun() override { m_modifiedBeforePending = m_modified; }
    void OnPendingCheckpointCancelled() override { SetModifiedFlag(m_modifiedBeforePending); }
    // The diagram as the exports draw it, in the current flow group.
    void DrawPrintedNetwork(CDrawingSurface& surface) override;

private:
    // Shows a refusal's message; true when the value was accepted.
    bool Accept(const CValidationResult& result) const;
    bool SetPrintZoneRect(CPrintPage& page, const char* checkpoint, long long left, long long top,
                          long long right, long long bottom);
    // The end of every command: views, then the modified flag.
    void Changed(int hint);
    // Desired flows read from a user's text (or why they were refused) under one checkpoint of
    // that name, none when nothing changes.
    bool ApplyDesiredFlows(const char* checkpoint, const CValidationResult& read,
                           const std::vector<CDesiredFlowEdit>& edits);
    // Takes the data as the document's own and hooks the views' notifier onto its network.
    void Adopt(std::unique_ptr<CDocumentData> data);
    // Ends a long command run under a pending checkpoint: committed, or when it was cancelled
    // the document goes back to the checkpoint (restored unless the model is untouched) with
    // its modified flag, and no checkpoint is kept. True when committed.
    bool EndLongCommand(const CFeedback* feedback, bool untouched);
    // Sets the route selection and hands it to the view states.
    void ReplaceSelectedRoutes(std::set<std::uint32_t> routeIds);
    void RebuildRoutesIfAutomatic();
    void Message(const std::string& text) const;

    const ProgramSettings* m_program;
    NetworkSettings* m_settings;
    CPrompt* m_prompt;
    CStatusPaneSink* m_statusPanes = nullptr;
    // Before the data: the network's notifier refers to it.
    CNetworkViewStates m_viewStates;
    std::unique_ptr<CDocumentData> m_data;

    bool m_autoRebuildRoutes = false;
    bool m_permittedOnly = InitialPermittedOnly;
    bool m_highlightFilteredRoutes = InitialHighlightFilteredRoutes;
    std::set<std::uint32_t> m_selectedRoutes;

    bool m_modified = false;
    bool m_modifiedBeforePending = false;
    std::string m_pathName;
    std::string m_title = NewDocumentTitle;
    bool m_hasSavePath = false;
};

// The open hook of the application: after a document opened from path, the auto-save file of
// this run becomes a recovered network (exact, case-sensitive comparison). True when it did.
class CRecentFileList;
bool ApplyRecoveredFileRule(CCarouselDoc& document, const std::string& openedPath,
                            const CAutoSaveManager& autoSave, CRecentFileList& recentFiles);
