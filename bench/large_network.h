// The largest network the drawing benchmarks draw, built once per run.
#pragma once

#include "junction_generator.h"
#include "model/label.h"
#include "platform/freetype_text_measurer.h"
#include "printing/print_page.h"
#include "routing/route_commands.h"
#include "view/network_export.h"
#include "view/od_matrix_graphics.h"

namespace JunctionBench
{
// 33 legs of three long lanes: 99 arms, 33 zones, one route per zone pair and entry lane, with
// every layer and text there is (the OD matrix, lane flows by OD, each in its colour).
struct CLargeNetwork
{
    CLargeNetwork()
    {
        MakeJunction(network, {33, 3, false, false, false});
        BuildRoutes(network);
        SetSampleFlows(network);
        settings.odMatrixShown = true;
        odMatrix.SetPosition(12000, 0);
        settings.laneFlows.aggregation = ELaneFlowAggregation::ByOD;
        settings.highlightFilteredRoutes = true;
        settings.permittedOnly = true;
    }
    CDiagramSource Source()
    {
        return {network, labels, printPages, odMatrix, settings, program, networkSettings};
    }

    CNetwork network;
    CLabels labels;
    CPrintPages printPages;
    CODMatrixGraphics odMatrix;
    CDiagramSettings settings;
    ProgramSettings program;
    NetworkSettings networkSettings;
    CFreeTypeTextMeasurer measurer;
};

inline CLargeNetwork& Large()
{
    static CLargeNetwork large;
    return large;
}
} // namespace JunctionBench
