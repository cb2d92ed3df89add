// Choice lists of the report builder.
#include "reports/report_choices.h"

#include "printing/print_page.h"
#include "model/flow_group.h"

std::vector<CReportChoice> PaperSizeChoices()
{
    return {{"A4 (210x297mm)", 0}, {"A3 (297x420mm)", 1}};
}

std::vector<CReportChoice> FlowsMatrixKindChoices()
{
    return {{"Desired Flow", 0}, {"Actual Flow", 1}, {"Difference", 2}};
}

std::vector<CReportChoice> PrecisionChoices()
{
    return {{"0", 0}, {"1", 1}, {"2", 2}};
}

std::vector<CReportChoice> FlowGroupChoices(const CFlowGroups& groups)
{
    std::vector<CReportChoice> choices;
    for (std::uint32_t n = 1; n <= groups.GetCount(); ++n) {
        const CFlowGroup* group = groups.GetFlowGroup(n);
        choices.push_back({group->GetDescription(), group->GetId()});
    }
    return choices;
}

std::vector<CReportChoice> PrintZoneChoices(const CPrintPages& pages)
{
    std::vector<CReportChoice> choices{{"Entire Network", -1}};
    for (int n = 1; n <= pages.GetCount(); ++n)
        choices.push_back({"Print Zone " + std::to_string(n), n});
    return choices;
}

std::vector<CReportChoice> NetworkDiagramScaleChoices()
{
    std::vector<CReportChoice> choices{{"Fit To Page Width", -1}};
    for (int percent = 10; percent <= 100; percent += 10)
        choices.push_back({std::to_string(percent) + "%", percent});
    for (int percent = 150; percent <= 500; percent += 50)
        choices.push_back({std::to_string(percent) + "%", percent});
    return choices;
}
