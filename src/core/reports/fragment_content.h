// The pieces the flows matrix, routes list and network diagram fragments build their content
// from.
#pragma once

#include "reports/report_document.h"

#include <string>

class CFlowGroup;
class CReportFragment;
class CNetwork;
class CCarouselFlowGroupReportFragmentComponent;

namespace ReportContent
{
// The flow group a fragment reads. When its id names no flow group of the network, none, and
// the section gets a paragraph "FlowGroup not specified for " and what the fragment is.
const CFlowGroup* FlowGroupOrMissing(const CNetwork& network,
                                     const CCarouselFlowGroupReportFragmentComponent& fragment,
                                     CReportSection& section, const std::string& what);

// The outer table of a fragment, its paragraphs centred, with the rows of one centred cell
// that the fragment shows above its content: its name, then its flow group as "%s : %s - %s"
// (description, start and end as "%H:%M"). As header rows they repeat at the top of every
// page the table runs onto.
CReportTable& AddFragmentTable(CReportSection& section, const CReportFragment& fragment,
                               const CFlowGroup& group, bool headerRows);

// A row of one cell that holds a nested table, which is returned, its paragraphs centred.
CReportTable& AddNestedTable(CReportTable& outer);

// A cell of one paragraph of one text. An empty text still makes the paragraph, so that every
// cell of the RTF starts its contents with \pard\intbl.
CReportTableCell& AddTextCell(CReportTableRow& row, std::string text, int columnSpan = 1);

// The value with the given number of decimals, "%.*f" with a decimal point under any locale.
std::string FormatDecimals(double value, int decimals);
} // namespace ReportContent
