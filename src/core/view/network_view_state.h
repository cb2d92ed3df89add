// What one view of a network draws its own way, and the document's list of such states.
#pragma once

#include "view/lane_set.h"

#include <cstdint>
#include <set>
#include <unordered_map>
#include <vector>

class CCapacityLane;
class CCarouselLaneConnector;
class CNetworkViewStates;
class CRoute;

// What a view has selected: nothing, one lane or more (the lane set), or one object of another
// kind named by its id (a connector by the ids of its two lanes; the OD matrix table has none).
enum class ESelectionKind
{
    None,
    Arm,
    Lanes,
    Connector,
    Zone,
    Label,
    CapacityAssessor,
    ODMatrix,
    PrintZone,
};

// The rules colour categories are worked out by: non-permitted routes ignored, the selected
// item shown in its colour, the selected routes shown in theirs.
struct CCategoryRules
{
    bool permittedOnly = false;
    bool showSelection = false;
    bool showSelectedRoute = false;
    friend bool operator==(const CCategoryRules&, const CCategoryRules&) = default;
};

// One view's own drawing state: its selection, the routes it shows as selected, and the colour
// categories of lanes and connectors worked out for it (computing one visits every route through
// the object, so they are kept between drawings). Everything is held by id, so nothing dangles
// when an undo rebuilds every object; the model is never written. A state made with the
// document's list is kept current by the document: a route whose status changed, a refreshed
// route filter or any change to the network drops cached categories, and replacing the objects
// drops the selection too. A state of its own (exports, reports) lives for one drawing.
class CNetworkViewState
{
public:
    CNetworkViewState() = default;
    explicit CNetworkViewState(CNetworkViewStates& document);
    ~CNetworkViewState();
    CNetworkViewState(const CNetworkViewState&) = delete;
    CNetworkViewState& operator=(const CNetworkViewState&) = delete;

    // Selecting replaces whatever was selected.
    ESelectionKind GetSelectionKind() const { return m_kind; }
    // The id of the selected arm, zone, label, capacity assessor or print page; 0 otherwise.
    std::uint32_t GetSelectedId() const { return m_selectedId; }
    const CLaneSet& GetSelectedLanes() const { return m_lanes; }
    void ClearSelection();
    // An arm, zone, label, capacity assessor, print zone (by its page's id) or the OD matrix.
    void Select(ESelectionKind kind, std::uint32_t id = 0);
    void SelectLane(CCapacityLane& lane);
    // Adds the lane to the lanes selected, or takes it out; true when added. Whatever else was
    // selected is dropped.
    bool ToggleLane(CCapacityLane& lane);
    void SelectConnector(const CCarouselLaneConnector& connector);
    bool IsSelected(ESelectionKind kind, std::uint32_t id) const;
    bool IsLaneSelected(const CCapacityLane& lane) const;
    bool IsConnectorSelected(const CCarouselLaneConnector& connector) const;

    // The routes drawn as selected, by id. A state in the document's list takes the document's
    // route selection from the list; a state of its own is given its drawing's.
    void SetSelectedRoutes(const std::set<std::uint32_t>& routeIds);
    bool IsRouteSelected(std::uint32_t routeId) const { return m_routes.contains(routeId); }
    const std::set<std::uint32_t>& GetSelectedRoutes() const { return m_routes; }

    // Cached categories are worked out by these rules; other rules drop them all.
    void SetCategoryRules(const CCategoryRules& rules);
    const CCategoryRules& GetCategoryRules() const { return m_rules; }
    int LaneCategory(const CCapacityLane& lane);
    int ConnectorCategory(const CCarouselLaneConnector& connector);
    // Drops the cached categories of the route's connectors and of the lanes they join.
    void InvalidateRoute(const CRoute& route);
    void InvalidateCategories();
    // Every object was replaced: no id means anything any more.
    void ForgetObjects();

private:
    friend class CNetworkViewStates;
    // Drops the categories that the selection decides, before and after it changes.
    void InvalidateSelected();

    CNetworkViewStates* m_owner = nullptr;
    ESelectionKind m_kind = ESelectionKind::None;
    std::uint32_t m_selectedId = 0;
    std::uint64_t m_selectedConnector = 0;
    CLaneSet m_lanes;
    std::set<std::uint32_t> m_routes;
    CCategoryRules m_rules;
    std::unordered_map<std::uint32_t, int> m_laneCategories;
    std::unordered_map<std::uint64_t, int> m_connectorCategories;
};

// The view states over one document, told by the document what changed. States add and remove
// themselves; a state outliving the list is simply no longer told. The routes selected are the
// document's: the states only mirror them.
class CNetworkViewStates
{
public:
    CNetworkViewStates() = default;
    ~CNetworkViewStates();
    CNetworkViewStates(const CNetworkViewStates&) = delete;
    CNetworkViewStates& operator=(const CNetworkViewStates&) = delete;

    void RouteChanged(const CRoute& route) const;
    void InvalidateCategories() const;
    // Forgets every state's ids and the selected routes.
    void ForgetObjects();
    std::size_t GetCount() const { return m_states.size(); }

    // The document's route selection, for every state now and every state made later.
    void MirrorSelectedRoutes(const std::set<std::uint32_t>& routeIds);

private:
    friend class CNetworkViewState;
    std::vector<CNetworkViewState*> m_states;
    std::set<std::uint32_t> m_selectedRoutes;
};
