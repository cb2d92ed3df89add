// The choices the report builder offers for a report's and a fragment's options.
#pragma once

#include <string>
#include <vector>

class CFlowGroups;
class CPrintPages;

// One entry of a choice list: what the list shows and the value stored.
struct CReportChoice
{
    std::string text;
    long long value = 0;
    friend bool operator==(const CReportChoice&, const CReportChoice&) = default;
};

// "A4 (210x297mm)" 0 and "A3 (297x420mm)" 1.
std::vector<CReportChoice> PaperSizeChoices();
// "Desired Flow", "Actual Flow", "Difference": 0, 1, 2.
std::vector<CReportChoice> FlowsMatrixKindChoices();
// 0, 1 or 2 decimals.
std::vector<CReportChoice> PrecisionChoices();
// The flow groups by description, with their ids as values.
std::vector<CReportChoice> FlowGroupChoices(const CFlowGroups& groups);
// "Entire Network" -1, then "Print Zone %d" for each print page.
std::vector<CReportChoice> PrintZoneChoices(const CPrintPages& pages);
// "Fit To Page Width" -1, then "%d%%" for 10 to 100 in steps of 10 and 150 to 500 in steps of 50.
std::vector<CReportChoice> NetworkDiagramScaleChoices();
