// What every graphics companion reads while drawing: settings, the flow group and the switches.
#pragma once

#include "settings/network_settings.h"
#include "settings/program_settings.h"
#include "platform/geometry.h"
#include "routing/lane_flow_display.h"

class CFlowGroup;
class CLaneDataSource;
class CNetworkViewState;

// The switches a view sets before a drawing pass; the defaults draw every layer.
struct CRenderSwitches
{
    bool showODMatrix = false;
    bool clipTest = false;
    bool drawConnectors = true;
    bool drawZones = true;
    bool drawPrintPages = false;
    bool drawGrid = true;
    bool showSelection = false;
    bool showSelectedRoute = false;
    bool highlightFilteredRoutes = false;
    bool permittedOnly = false;
    CLaneFlowDisplay laneFlows;
};

// One drawing pass's shared state: the settings it is drawn with, the flow group shown, the
// switches and the state of the view it is drawn for (its selection and cached categories).
struct CRenderContext
{
    const ProgramSettings* program = nullptr;
    const NetworkSettings* network = nullptr;
    const CFlowGroup* flowGroup = nullptr;
    const CLaneDataSource* laneDataSource = nullptr;
    CRenderSwitches switches;
    CNetworkViewState* viewState = nullptr;

    // The colour of a colour category 0 to 5 (lanes and connectors).
    ColorRef CategoryColour(int category) const;
};
