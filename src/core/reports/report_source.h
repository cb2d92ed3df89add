// What a report is generated from.
#pragma once

#include "view/network_export.h"

#include <string>

class CTextMeasurer;

// The document a report reads: its diagram as the network view draws it (network, labels,
// print pages, OD matrix table, display settings, route flags, the settings records and the
// routes its caller has selected), which the network diagram fragment adjusts to its own
// options; the path that headers and footers show; and the reference device the diagram's text
// is measured on, which must outlive the generation.
struct CReportSource
{
    CDiagramSource diagram;
    std::string pathName;
    const CTextMeasurer& measurer;
};
