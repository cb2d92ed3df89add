// The report builder's commands: checkpoint, change, views and the modified flag.
#include "document/report_commands.h"

#include "cardfile/report_template_file.h"
#include "document/carousel_doc.h"
#include "platform/private_temp_file.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/report_generator.h"
#include "reports/report_source.h"
#include "reports/routes_report_fragment.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace
{
const char* ShowOrNot(bool show, const char* shown, const char* hidden)
{
    return show ? shown : hidden;
}

CCarouselFlowGroupReportFragmentComponent& FlowBased(CReportFragment& fragment)
{
    auto* component = dynamic_cast<CCarouselFlowGroupReportFragmentComponent*>(&fragment);
    if (component == nullptr)
        throw std::logic_error("the fragment shows no flows");
    return *component;
}

// The undo names of a routes list option, on and off, and where the option lives.
struct CRoutesOptionCommand
{
    const char* on;
    const char* off;
    void (CCarouselRoutesReportFragment::*set)(bool);
};

CRoutesOptionCommand RoutesOptionCommand(RoutesListOption option)
{
    using F = CCarouselRoutesReportFragment;
    switch (option) {
    case RoutesListOption::IndicateIfRouteIsPermitted:
        return {"Report: Indicate If Route Is Permitted",
                "Report: Don't Indicate If Route Is Permitted", &F::SetIndicateIfRouteIsPermitted};
    case RoutesListOption::RouteNumber:
        return {"Report: Show Route Number", "Report: Don't Show Route Number",
                &F::SetShowRouteNumber};
    case RoutesListOption::OriginZone:
        return {"Report: Show Origin Zone", "Report: Don't Show Origin Zone",
                &F::SetShowOriginZone};
    case RoutesListOption::OriginArm:
        return {"Report: Show Origin Arm", "Report: Don't Show Origin Arm", &F::SetShowOriginArm};
    case RoutesListOption::OriginLane:
        return {"Report: Show Origin Lane", "Report: Don't Show Origin Lane",
                &F::SetShowOriginLane};
    case RoutesListOption::DestinationZone:
        return {"Report: Show Destination Zone", "Report: Don't Show Destination Zone",
                &F::SetShowDestinationZone};
    case RoutesListOption::DestinationArm:
        return {"Report: Show Destination Arm", "Report: Don't Show Destination Arm",
                &F::SetShowDestinationArm};
    case RoutesListOption::DestinationLane:
        return {"Report: Show Destination Lane", "Report: Don't Show Destination Lane",
                &F::SetShowDestinationLane};
    case RoutesListOption::RouteFlow:
        return {"Report: Show Route Flow", "Report: Don't Show Route Flow", &F::SetShowRouteFlow};
    case RoutesListOption::AllowedRoutesOnly:
        return {"Report: Show Allowed Routes Only", "Report: Don't Show Allowed Routes Only",
                &F::SetShowAllowedRoutesOnly};
    case RoutesListOption::FlowLockStatus:
        return {"Report: Show Flow Lock Status", "Report: Don't Show Flow Lock Status",
                &F::SetShowFlowLockStatus};
    }
    throw std::logic_error("unknown routes list option");
}

struct CHeaderFooterItemCommand
{
    const char* on;
    const char* off;
    void (CHeaderFooterReportFragment::*set)(bool);
};

CHeaderFooterItemCommand HeaderFooterItemCommand(HeaderFooterItem item)
{
    using F = CHeaderFooterReportFragment;
    switch (item) {
    case HeaderFooterItem::Title:
        return {"Report: Show Title", "Report: Don't Show Title", &F::SetShowTitle};
    case HeaderFooterItem::FileName:
        return {"Report: Show FileName", "Report: Don't Show FileName", &F::SetShowFileName};
    case HeaderFooterItem::Path:
        return {"Report: Show Path", "Report: Don't Show Path", &F::SetShowPath};
    case HeaderFooterItem::Date:
        return {"Report: Show Date", "Report: Don't Show Date", &F::SetShowDate};
    case HeaderFooterItem::Time:
        return {"Report: Show Time", "Report: Don't Show Time", &F::SetShowTime};
    case HeaderFooterItem::PageNumber:
        return {"Report: Show Page Number", "Report: Don't Show Page Number",
                &F::SetShowPageNumber};
    }
    throw std::logic_error("unknown header or footer item");
}

} // namespace

std::string NoViewerMessage(int code)
{
    return "An RTF compatible viewer, such as Microsoft Word or WordPerfect, is required to view "
           "reports.  An appropriate viewer is not currently installed.\n(Code " +
           std::to_string(code) + ")";
}

template <typename F> bool CReportCommands::Change(const std::string& name, F&& change)
{
    if (!m_document->Checkpoint(name))
        return false;
    change();
    m_document->UpdateAllViews(HintDataChanged);
    m_document->SetModifiedFlag(true);
    return true;
}

void CReportCommands::Message(const std::string& text) const
{
    if (CPrompt* prompt = m_document->GetPrompt())
        prompt->ShowMessage(text);
}

CReportDefinition* CReportCommands::CreateReport()
{
    CReportDefinition* report = nullptr;
    Change("Create Report",
           [&] { report = m_document->GetReportDefinitions().AppendDefinition(); });
    return report;
}

bool CReportCommands::DeleteReport(CReportDefinition& report)
{
    CPrompt* prompt = m_document->GetPrompt();
    if (prompt == nullptr ||
        prompt->AskYesNo("Are you sure you want to delete this report ?") != PromptAnswer::Yes)
        return false;
    const std::uint32_t id = report.GetId();
    return Change("Delete Report",
                  [&] { m_document->GetReportDefinitions().RemoveDefinitionById(id); });
}

bool CReportCommands::EditReportTitle(CReportDefinition& report, std::string title)
{
    // The title is one card line in the network file and the template: a line break would end
    // it early and make the rest a card of its own.
    std::replace_if(
        title.begin(), title.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    if (title == report.GetTitle())
        return false;
    return Change("Edit Report Title", [&] { report.SetTitle(std::move(title)); });
}

void CReportCommands::SetPaperSize(CReportDefinition& report, PaperSize paperSize)
{
    Change("Report: Set Paper Size", [&] { report.SetPaperSize(paperSize); });
}

CReportFragment* CReportCommands::AddFragment(CReportDefinition& report, ReportFragmentType type)
{
    const int type_ = static_cast<int>(type);
    if (type_ < 0 || type_ > static_cast<int>(ReportFragmentType::Footer))
        return nullptr;
    CReportFragment* fragment = nullptr;
    Change("Add Report Fragment", [&] {
        CReportFragments& fragments = report.GetFragments();
        fragment = fragments.AddFragment(type, fragments.GetCount() + 1);
    });
    return fragment;
}

void CReportCommands::RemoveFragment(CReportFragment& fragment)
{
    Change("Remove Report Fragment",
           [&] { fragment.GetOwner().RemoveFragment(fragment.GetPosition()); });
}

bool CReportCommands::MoveFragmentUp(CReportFragment& fragment)
{
    const int position = fragment.GetPosition();
    if (position <= 1)
        return false;
    return Change("Move Report Fragment Up",
                  [&] { fragment.GetOwner().MoveFragment(position, position - 1); });
}

bool CReportCommands::MoveFragmentDown(CReportFragment& fragment)
{
    const int position = fragment.GetPosition();
    if (position >= fragment.GetOwner().GetCount())
        return false;
    return Change("Move Report Fragment Down",
                  [&] { fragment.GetOwner().MoveFragment(position, position + 1); });
}

CReportDefinition* CReportCommands::BeginCreateFromTemplate()
{
    if (!m_document->BeginCheckpoint("Report: Create From Template"))
        return nullptr;
    CReportDefinition* report = m_document->GetReportDefinitions().AppendDefinition();
    m_templateReportId = report->GetId();
    m_document->UpdateAllViews(HintDataChanged);
    return report;
}

CReportDefinition* CReportCommands::CommitCreateFromTemplate(const std::filesystem::path& path)
{
    CReportDefinition* report =
        m_document->GetReportDefinitions().GetDefinitionById(m_templateReportId);
    if (report == nullptr || !m_document->HasPendingCheckpoint())
        return nullptr;
    try {
        ReadReportTemplate(path, *report, m_document->GetNetwork().GetFlowGroups());
    } catch (const errReportTemplate& e) {
        CancelCreateFromTemplate();
        Message(e.what());
        return nullptr;
    }
    m_templateReportId = 0;
    m_document->CommitCheckpoint();
    m_document->UpdateAllViews(HintDataChanged);
    m_document->SetModifiedFlag(true);
    return report;
}

void CReportCommands::CancelCreateFromTemplate()
{
    m_document->GetReportDefinitions().RemoveDefinitionById(m_templateReportId);
    m_templateReportId = 0;
    m_document->CancelCheckpoint();
    m_document->UpdateAllViews(HintDataChanged);
}

CReportDefinition* CReportCommands::CreateReportFromTemplate(const std::filesystem::path& path)
{
    return BeginCreateFromTemplate() ? CommitCreateFromTemplate(path) : nullptr;
}

bool CReportCommands::SaveTemplate(const CReportDefinition& report,
                                   const std::filesystem::path& path)
{
    try {
        SaveReportTemplate(path, report, m_document->GetNetwork().GetFlowGroups());
        return true;
    } catch (const std::exception& e) {
        Message(e.what());
        return false;
    }
}

void CReportCommands::SetShowFragmentName(CReportFragment& fragment, bool show)
{
    Change(ShowOrNot(show, "Report: Show Fragment Name", "Report: Don't show Fragment Name"),
           [&] { fragment.SetShowFragmentName(show); });
}

void CReportCommands::SetLandscape(CReportFragment& fragment, bool landscape)
{
    Change(landscape ? "Report: Set Landscape" : "Report: Set Portrait",
           [&] { fragment.SetLandscape(landscape); });
}

void CReportCommands::SetFlowGroup(CReportFragment& fragment, std::uint32_t flowGroupId)
{
    CCarouselFlowGroupReportFragmentComponent& flows = FlowBased(fragment);
    Change("Report: Set Flowgroup", [&] { flows.SetFlowGroupId(flowGroupId); });
}

void CReportCommands::SetShowFlowGroupDescription(CReportFragment& fragment, bool show)
{
    CCarouselFlowGroupReportFragmentComponent& flows = FlowBased(fragment);
    Change(ShowOrNot(show, "Report: Show Flowgroup Description",
                     "Report: Don't Show Flowgroup Description"),
           [&] { flows.SetShowFlowGroupDescription(show); });
}

bool CReportCommands::AdoptCurrentFlowGroup(CReportFragment& fragment)
{
    auto* flows = dynamic_cast<CCarouselFlowGroupReportFragmentComponent*>(&fragment);
    const CFlowGroup* current = m_document->GetNetwork().GetCurrentFlowGroup();
    return flows && current && flows->AdoptFlowGroupIfUnset(current->GetId());
}

void CReportCommands::SetMatrixKind(CCarouselFlowsReportFragment& fragment,
                                    CCarouselFlowsReportFragment::FlowMatrixKind kind)
{
    Change("Report: Set Flows Matrix Type", [&] { fragment.SetMatrixKind(kind); });
}

void CReportCommands::SetPrecision(CCarouselFlowsReportFragment& fragment, int decimals)
{
    Change("Report: Set Flows Display Precision", [&] { fragment.SetPrecision(decimals); });
}

void CReportCommands::SetRoutesListOption(CCarouselRoutesReportFragment& fragment,
                                          RoutesListOption option, bool on)
{
    const CRoutesOptionCommand command = RoutesOptionCommand(option);
    Change(on ? command.on : command.off, [&] { (fragment.*command.set)(on); });
}

void CReportCommands::SetAggregation(CCarouselNetworkDiagramReportFragment& fragment,
                                     ELaneFlowAggregation aggregation)
{
    RunLaneFlowDisplayCommand(fragment, AggregateCommand(aggregation));
}

void CReportCommands::SetColouring(CCarouselNetworkDiagramReportFragment& fragment,
                                   ELaneFlowColouring colouring)
{
    RunLaneFlowDisplayCommand(fragment, ColourCommand(colouring));
}

void CReportCommands::RunLaneFlowDisplayCommand(CCarouselNetworkDiagramReportFragment& fragment,
                                                LaneFlowDisplayCommand command)
{
    // The same rules as the network's own display, under the report's checkpoint names.
    Change("Report: " + std::string(LaneFlowDisplayCommandName(command)), [&] {
        CLaneFlowDisplay laneFlows = fragment.GetLaneFlows();
        ApplyLaneFlowDisplayCommand(laneFlows, command);
        fragment.SetLaneFlows(laneFlows);
    });
}

void CReportCommands::SetShowZeroLaneFlows(CCarouselNetworkDiagramReportFragment& fragment,
                                           bool show)
{
    Change(ShowOrNot(show, "Report: Show Zero Lane Flows", "Report: Don't Show Zero Lane Flows"),
           [&] { fragment.SetShowZeroLaneFlows(show); });
}

void CReportCommands::SetPrintZone(CCarouselNetworkDiagramReportFragment& fragment, int printZone)
{
    Change("Report: Set Print Zone", [&] { fragment.SetPrintZone(printZone); });
}

void CReportCommands::SetScale(CCarouselNetworkDiagramReportFragment& fragment, int scale)
{
    Change("Report: Set Network Diagram Scale", [&] { fragment.SetScale(scale); });
}

void CReportCommands::SetHighlightFilteredRoutes(CCarouselNetworkDiagramReportFragment& fragment,
                                                 bool on)
{
    Change(ShowOrNot(on, "Report: Highlight Filtered Routes",
                     "Report: Don't Highlight Filtered Routes"),
           [&] { fragment.SetHighlightFilteredRoutes(on); });
}

void CReportCommands::SetHighlightSelectedRoutes(CCarouselNetworkDiagramReportFragment& fragment,
                                                 bool on)
{
    Change(ShowOrNot(on, "Report: Highlight Selected Routes",
                     "Report: Don't Highlight Selected Routes"),
           [&] { fragment.SetHighlightSelectedRoutes(on); });
}

void CReportCommands::SetHeaderFooterItem(CHeaderFooterReportFragment& fragment,
                                          HeaderFooterItem item, bool show)
{
    const CHeaderFooterItemCommand command = HeaderFooterItemCommand(item);
    Change(show ? command.on : command.off, [&] { (fragment.*command.set)(show); });
}

bool CReportCommands::SaveReport(const CReportDefinition& report, const std::filesystem::path& path,
                                 const CTextMeasurer& measurer)
{
    const CReportSource source{m_document->GetDiagramSource(), m_document->GetPathName(), measurer};
    try {
        ::SaveReport(path, report, source);
        return true;
    } catch (const std::exception& e) {
        Message(e.what());
        return false;
    }
}

bool CReportCommands::ViewReport(const CReportDefinition& report, CReportViewer& viewer,
                                 const CTextMeasurer& measurer)
{
    const CReportSource source{m_document->GetDiagramSource(), m_document->GetPathName(), measurer};
    std::filesystem::path file;
    try {
        file = CreatePrivateTempFile("Report", ".rtf");
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        CReportGenerator(report, source).Generate(out);
        out.close();
        if (!out)
            throw std::runtime_error("Cannot write " + file.string() + ": writing the file failed");
    } catch (const std::exception& e) {
        std::error_code ignored;
        if (!file.empty())
            std::filesystem::remove(file, ignored);
        Message(e.what());
        return false;
    }
    if (!viewer.Open(file)) {
        Message(NoViewerMessage(NoViewerCode));
        return false;
    }
    return true;
}
