// The report builder's commands on a document's report definitions.
#pragma once

#include "reports/flows_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/paper_size.h"
#include "reports/report_fragment.h"

#include <cstdint>
#include <filesystem>
#include <string>

class CCarouselDoc;
class CCarouselRoutesReportFragment;
class CHeaderFooterReportFragment;
class CReportDefinition;
class CTextMeasurer;

// The columns and flags of a routes list that the builder turns on and off.
enum class RoutesListOption
{
    IndicateIfRouteIsPermitted,
    RouteNumber,
    OriginZone,
    OriginArm,
    OriginLane,
    DestinationZone,
    DestinationArm,
    DestinationLane,
    RouteFlow,
    AllowedRoutesOnly,
    FlowLockStatus,
};

// What a header or footer shows.
enum class HeaderFooterItem
{
    Title,
    FileName,
    Path,
    Date,
    Time,
    PageNumber,
};

// Hands a generated report to the program the user views RTF files with; false when there is
// none. The desktop program opens the file's URL; tests record the path.
class CReportViewer
{
public:
    virtual ~CReportViewer() = default;
    virtual bool Open(const std::filesystem::path& file) = 0;
};

// The code the viewer message shows when no program takes the file: no association.
inline constexpr int NoViewerCode = 31;
// "An RTF compatible viewer ... (Code %d)" with the code.
std::string NoViewerMessage(int code);

// Every change the report builder makes, each under its undo checkpoint name: checkpoint
// first, then the change, then the views (hint 0) and the modified flag. Reports and fragments
// are passed as the objects the builder holds now; undo replaces them all, so the builder lets
// go of them on hint 8 and finds its selection again by position. Messages and the delete
// question go through the document's prompt. A checkpoint the document refuses refuses the
// change: nothing happens and the commands that return something return false or none.
class CReportCommands
{
public:
    explicit CReportCommands(CCarouselDoc& document) : m_document(&document) {}

    // "Create Report": appended, titled after its position.
    CReportDefinition* CreateReport();
    // "Delete Report" after the user said Yes; false when they said No.
    bool DeleteReport(CReportDefinition& report);
    // Line breaks become spaces. False, and no checkpoint, when the title stays as it was.
    bool EditReportTitle(CReportDefinition& report, std::string title);
    void SetPaperSize(CReportDefinition& report, PaperSize paperSize);

    // "Add Report Fragment": appended, named after its type. None for an unknown type.
    CReportFragment* AddFragment(CReportDefinition& report, ReportFragmentType type);
    void RemoveFragment(CReportFragment& fragment);
    // False (and no checkpoint) for the first fragment, or the last.
    bool MoveFragmentUp(CReportFragment& fragment);
    bool MoveFragmentDown(CReportFragment& fragment);

    // "Report: Create From Template" in two phases around the file dialog: Begin appends the
    // new report inside a pending checkpoint; Commit reads the chosen template into it, or on
    // failure shows why, removes the report and drops the checkpoint; Cancel does that silently.
    // The one-call form runs both for a path already chosen. The report on success, else none.
    CReportDefinition* BeginCreateFromTemplate();
    // None, and nothing done, without a Begin before it.
    CReportDefinition* CommitCreateFromTemplate(const std::filesystem::path& path);
    void CancelCreateFromTemplate();
    CReportDefinition* CreateReportFromTemplate(const std::filesystem::path& path);
    // "Report Save Template As" once the path is chosen; false after showing why it failed.
    bool SaveTemplate(const CReportDefinition& report, const std::filesystem::path& path);

    void SetShowFragmentName(CReportFragment& fragment, bool show);
    void SetLandscape(CReportFragment& fragment, bool landscape);
    // For the three fragments that show flows; these raise std::logic_error for another type.
    void SetFlowGroup(CReportFragment& fragment, std::uint32_t flowGroupId);
    void SetShowFlowGroupDescription(CReportFragment& fragment, bool show);
    // When a flow-based fragment's options are shown before a flow group was ever chosen, it
    // takes the current one (if any). Not an edit of the user's, so no checkpoint; true if it
    // changed.
    bool AdoptCurrentFlowGroup(CReportFragment& fragment);

    void SetMatrixKind(CCarouselFlowsReportFragment& fragment,
                       CCarouselFlowsReportFragment::FlowMatrixKind kind);
    void SetPrecision(CCarouselFlowsReportFragment& fragment, int decimals);

    void SetRoutesListOption(CCarouselRoutesReportFragment& fragment, RoutesListOption option,
                             bool on);

    // Aggregating by origin or by destination colours the flows the same way.
    void SetAggregation(CCarouselNetworkDiagramReportFragment& fragment,
                        ELaneFlowAggregation aggregation);
    void SetColouring(CCarouselNetworkDiagramReportFragment& fragment,
                      ELaneFlowColouring colouring);
    void SetShowZeroLaneFlows(CCarouselNetworkDiagramReportFragment& fragment, bool show);
    void SetPrintZone(CCarouselNetworkDiagramReportFragment& fragment, int printZone);
    void SetScale(CCarouselNetworkDiagramReportFragment& fragment, int scale);
    void SetHighlightFilteredRoutes(CCarouselNetworkDiagramReportFragment& fragment, bool on);
    void SetHighlightSelectedRoutes(CCarouselNetworkDiagramReportFragment& fragment, bool on);

    void SetHeaderFooterItem(CHeaderFooterReportFragment& fragment, HeaderFooterItem item,
                             bool show);

    // Save, once the path is chosen: written beside it and renamed, so a failure shows why and
    // leaves no file (and any earlier file as it was). The measurer is the reference device of
    // the diagrams.
    bool SaveReport(const CReportDefinition& report, const std::filesystem::path& path,
                    const CTextMeasurer& measurer);
    // View: the report in a new file of the user's private temporary folder, handed to the
    // viewer. When no viewer takes it, the message with code 31 is shown and the file stays.
    // False on any failure.
    bool ViewReport(const CReportDefinition& report, CReportViewer& viewer,
                    const CTextMeasurer& measurer);

private:
    // False when the checkpoint was refused and nothing changed.
    template <typename F> bool Change(const std::string& name, F&& change);
    void RunLaneFlowDisplayCommand(CCarouselNetworkDiagramReportFragment& fragment,
                                   LaneFlowDisplayCommand command);
    void Message(const std::string& text) const;

    CCarouselDoc* m_document;
    std::uint32_t m_templateReportId = 0; // the report Begin appended, until Commit or Cancel
};
