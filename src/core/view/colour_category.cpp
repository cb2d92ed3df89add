#include "view/colour_category.h"

#include "model/network.h"
#include "model/route.h"
#include "view/network_view_state.h"

namespace
{

// Folds the routes of the connectors through an object into its category. Visit is true once
// the category is known: at a selected route, or, with no selected route to look for, at a
// permitted route in the filter, which nothing after it can change.
struct CCategoryScan
{
    const CNetworkViewState& state;
    bool selectedRoutesShown =
        state.GetCategoryRules().showSelectedRoute && !state.GetSelectedRoutes().empty();
    bool selectedMet = false;
    bool anyPermitted = false;
    bool anyNotPermitted = false;

    bool Visit(const CRouteCollection& routes)
    {
        const bool permittedOnly = state.GetCategoryRules().permittedOnly;
        for (const CRoute* route : routes) {
            if (permittedOnly && !route->IsPermitted()) {
                continue;
            }
            if (selectedRoutesShown && state.IsRouteSelected(route->GetId())) {
                selectedMet = true;
                return true;
            }
            if (route->IsInFilter()) {
                (route->IsPermitted() ? anyPermitted : anyNotPermitted) = true;
                if (anyPermitted && !selectedRoutesShown) {
                    return true;
                }
            }
        }
        return false;
    }
    int Result() const
    {
        if (selectedMet) {
            return ColourCategory::SelectedRoute;
        }
        if (anyPermitted) {
            return ColourCategory::FilteredPermitted;
        }
        return anyNotPermitted ? ColourCategory::FilteredNotPermitted : ColourCategory::Normal;
    }
};

} // namespace

int ComputeLaneCategory(const CCapacityLane& lane, const CNetworkViewState& state)
{
    if (state.GetCategoryRules().showSelection && state.IsLaneSelected(lane)) {
        return ColourCategory::SelectedItem;
    }
    CCategoryScan scan{state};
    for (const auto* list : {&lane.GetOutgoingConnectors(), &lane.GetIncomingConnectors()}) {
        for (const CLaneConnector* c : *list) {
            if (scan.Visit(static_cast<const CCarouselLaneConnector*>(c)->GetRoutes())) {
                return scan.Result();
            }
        }
    }
    return scan.Result();
}

int ComputeConnectorCategory(const CCarouselLaneConnector& connector,
                             const CNetworkViewState& state)
{
    if (connector.IsLaneChange()) {
        return ColourCategory::NotDrawn;
    }
    if (state.GetCategoryRules().showSelection && state.IsConnectorSelected(connector)) {
        return ColourCategory::SelectedItem;
    }
    CCategoryScan scan{state};
    scan.Visit(connector.GetRoutes());
    return scan.Result();
}

void CRouteGraphicsRefreshHandler::RouteChanged(CRoute& route)
{
    m_states.RouteChanged(route);
}

void CInvalidateGraphicsOnFilterRefresh::Refreshed()
{
    m_states.InvalidateCategories();
}
