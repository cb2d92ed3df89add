#include "view/colour_category.h"

#include "model/network.h"
#include "routing/route.h"

namespace
{

// Folds the routes of one connector into the running result; true once the selected route
// was met, which decides at once.
struct CCategoryScan
{
    const CGraphicalNetwork& network;
    const CGraphicalItem& item;
    bool anyPermitted = false;
    bool anyNotPermitted = false;

    bool Visit(const CRouteCollection& routes)
    {
        const bool permittedOnly = network.GetCategoriesPermittedOnly();
        const std::uint32_t selected = network.GetSelectedRouteId();
        for (const CRoute* route : routes) {
            if (permittedOnly && !route->IsPermitted()) {
                continue;
            }
            if (item.IsShowSelectedRoute() && selected != 0 && route->GetId() == selected) {
                return true;
            }
            if (route->IsInFilter()) {
                (route->IsPermitted() ? anyPermitted : anyNotPermitted) = true;
            }
        }
        return false;
    }
    int Result() const
    {
        if (anyPermitted) {
            return ColourCategory::FilteredPermitted;
        }
        return anyNotPermitted ? ColourCategory::FilteredNotPermitted : ColourCategory::Normal;
    }
};

int Cache(const CGraphicalItem& item, int category)
{
    item.SetCachedCategory(category);
    return category;
}

} // namespace

int LaneCategory(const CCapacityLane& lane)
{
    if (lane.GetCachedCategory() != CGraphicalItem::UnknownCategory) {
        return lane.GetCachedCategory();
    }
    if (lane.IsSelected() && lane.IsShowSelection()) {
        return Cache(lane, ColourCategory::SelectedItem);
    }
    CCategoryScan scan{*lane.GetNetwork(), lane};
    for (const auto* list : {&lane.GetOutgoingConnectors(), &lane.GetIncomingConnectors()}) {
        for (const CLaneConnector* c : *list) {
            if (scan.Visit(static_cast<const CCarouselLaneConnector*>(c)->GetRoutes())) {
                return Cache(lane, ColourCategory::SelectedRoute);
            }
        }
    }
    return Cache(lane, scan.Result());
}

int ConnectorCategory(const CCarouselLaneConnector& connector)
{
    if (connector.GetCachedCategory() != CGraphicalItem::UnknownCategory) {
        return connector.GetCachedCategory();
    }
    if (connector.IsLaneChange()) {
        return Cache(connector, ColourCategory::NotDrawn);
    }
    if (connector.IsSelected() && connector.IsShowSelection()) {
        return Cache(connector, ColourCategory::SelectedItem);
    }
    CCategoryScan scan{*connector.GetOwner()->GetNetwork(), connector};
    if (scan.Visit(connector.GetRoutes())) {
        return Cache(connector, ColourCategory::SelectedRoute);
    }
    return Cache(connector, scan.Result());
}

void InvalidateAllCategories(const CNetwork& network)
{
    const CArms& arms = network.GetArms();
    for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
        const CCapLanes& lanes = arms.GetArm(a)->GetLanes();
        for (std::uint32_t l = 1; l <= lanes.GetCount(); ++l) {
            lanes.GetLane(l)->InvalidateCategory();
        }
    }
    for (const CCarouselLaneConnector* c :
         network.GetLaneConnectors().GetConnectorsInCreationOrder()) {
        c->InvalidateCategory();
    }
}

void SetCategoryRules(CNetwork& network, bool permittedOnly, std::uint32_t selectedRouteId)
{
    if (network.GetCategoriesPermittedOnly() == permittedOnly &&
        network.GetSelectedRouteId() == selectedRouteId) {
        return;
    }
    network.SetCategoriesPermittedOnly(permittedOnly);
    network.SetSelectedRouteId(selectedRouteId);
    InvalidateAllCategories(network);
}

void CRouteGraphics::Invalidate() const
{
    for (std::size_t i = 0; i < m_route.GetConnectorCount(); ++i) {
        const CCarouselLaneConnector* c = m_route.GetConnector(i);
        c->InvalidateCategory();
        static_cast<const CCapacityLane*>(c->GetFromLane())->InvalidateCategory();
        static_cast<const CCapacityLane*>(c->GetToLane())->InvalidateCategory();
    }
}

void CRouteGraphicsRefreshHandler::RouteChanged(CRoute& route)
{
    CRouteGraphics(route).Invalidate();
}

void CInvalidateGraphicsOnFilterRefresh::Refreshed()
{
    InvalidateAllCategories(m_network);
}
