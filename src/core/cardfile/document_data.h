// What a document owns that its network file carries.
#pragma once

#include "model/label.h"
#include "model/network.h"
#include "printing/print_page.h"
#include "reports/report_definition.h"
#include "routing/lane_flow_display.h"
#include "view/network_export.h"
#include "view/od_matrix_graphics.h"

#include <cstdint>
#include <string>
#include <vector>

// The placement of one open resizeable view, as the VWPOS card keeps it, so that a file read
// and written without windows loses none of them. Zoom and scroll mean something only when
// scrollPan is set; paneState and index are carried for the frame without being interpreted.
struct CViewPosition
{
    int kind = 1;
    int left = 0;
    int top = 0;
    int right = 300;
    int bottom = 300;
    bool scrollPan = false;
    double zoom = 1.0;
    int scrollX = 0;
    int scrollY = 0;
    int paneState = 0;
    int index = -1;
    friend bool operator==(const CViewPosition&, const CViewPosition&) = default;
};

// The "Project Information" texts of a document.
struct CProjectInformation
{
    std::string title;
    std::string location;
    std::string notes;
    std::string projectName;
    std::string scn;
    friend bool operator==(const CProjectInformation&, const CProjectInformation&) = default;
};

// A value the network file reader changed so that the document can hold it and save it again:
// the card's keyword, the line it stood on (counted from 1), the field, and the value the card
// carried and the one the document took.
struct CReadAdjustment
{
    std::string card;
    int line = 0;
    std::string field;
    std::string oldValue;
    std::string newValue;
    friend bool operator==(const CReadAdjustment&, const CReadAdjustment&) = default;
};

// A plain holder of a document's stored data: the network with its flows, labels, print pages,
// report definitions, project texts, the document's display settings, the OD matrix table drawn
// on the plan and the placement of its open views. The network file reader fills a fresh one and
// the writer writes one; the per-network settings (text heights, grid, delimiter, author...)
// travel in NetworkSettings instead. The file keeps the OD matrix table's place, not the kind of
// flows it shows.
class CDocumentData
{
public:
    CDocumentData() = default;
    CDocumentData(const CDocumentData&) = delete;
    CDocumentData& operator=(const CDocumentData&) = delete;

    CNetwork network;
    CLabels labels;
    CPrintPages printPages;
    CReportDefinitions reportDefinitions;
    CProjectInformation project;

    bool odMatrixShown = false;
    CLaneFlowDisplay laneFlows;

    CODMatrixGraphics odMatrix;

    // One per open resizeable view, in the document's view order. A snapshot carries only
    // their count, in resizeableViewCount; a full read fills both.
    std::vector<CViewPosition> viewPositions;
    int resizeableViewCount = 0;

    // What the reader changed to fit, in file order; empty for a document not read from a file.
    std::vector<CReadAdjustment> readAdjustments;
};

// A document's diagram: its stored display settings (SENV) and OD matrix table with its two
// route flags, which are not stored, drawn with the given settings.
CDiagramSource DiagramSourceOf(const CDocumentData& data, const ProgramSettings& program,
                               const NetworkSettings& settings, bool highlightFilteredRoutes,
                               bool permittedOnly);
