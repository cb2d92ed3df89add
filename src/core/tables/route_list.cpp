// Route list rows.
#include "tables/route_list.h"

#include "document/document_view.h"
#include "model/network.h"
#include "model/zone_letter.h"
#include "model/route.h"
#include "routing/grid_text.h"

#include <algorithm>

namespace
{

enum class SortKind
{
    Number,
    Text,
    Flow,
};

constexpr std::array<SortKind, RouteListColumnCount> SortKinds{
    SortKind::Number, SortKind::Text,   SortKind::Number, SortKind::Number, SortKind::Text,
    SortKind::Number, SortKind::Number, SortKind::Flow,   SortKind::Text};

std::string ZoneName(const CZone* zone)
{
    return zone ? ZoneLetter(zone->GetNumber()) : std::string();
}

std::string ArmLabel(const CArm* arm)
{
    return arm ? arm->GetLabel() : std::string();
}

// What the number columns sort by: the route, arm or lane number (0 when missing).
std::uint32_t Number(const CRoute& route, int column)
{
    const CArm* arm = nullptr;
    const CLane* lane = nullptr;
    switch (column) {
    case 2:
        arm = route.GetOriginArm();
        break;
    case 3:
        lane = route.GetOriginLane();
        break;
    case 5:
        arm = route.GetDestinationArm();
        break;
    case 6:
        lane = route.GetDestinationLane();
        break;
    default:
        return route.GetNumber();
    }
    return arm ? arm->GetNumber() : lane ? lane->GetNumber() : 0;
}

std::string NumberText(const CLane* lane)
{
    return lane ? std::to_string(lane->GetNumber()) : std::string();
}

// A row and what it sorts by, worked out once per sort.
struct CSortEntry
{
    std::uint32_t id;
    std::uint32_t number;
    double flow;
    std::uint32_t key;
    std::string text;
};

} // namespace

const std::array<CListColumn, RouteListColumnCount>& RouteListColumns()
{
    static const std::array<CListColumn, RouteListColumnCount> columns{{
        {"Route", ColumnAlignment::Left, 41},
        {"Org Zn", ColumnAlignment::Centre, 50},
        {"Org Am", ColumnAlignment::Centre, 0},
        {"Org Ln", ColumnAlignment::Centre, 50},
        {"Dst Zn", ColumnAlignment::Centre, 50},
        {"Dst Am", ColumnAlignment::Centre, 0},
        {"Dst Ln", ColumnAlignment::Centre, 50},
        {"Flow", ColumnAlignment::Right, 60},
        {"Balancing", ColumnAlignment::Left, 59},
    }};
    return columns;
}

std::string RouteListCellText(const CRoute& route, int column, const CFlowGroup* group,
                              int flowPrecision)
{
    switch (column) {
    case 0:
        return std::to_string(route.GetNumber());
    case 1:
        return ZoneName(route.GetOriginZone());
    case 2:
        return ArmLabel(route.GetOriginArm());
    case 3:
        return NumberText(route.GetOriginLane());
    case 4:
        return ZoneName(route.GetDestinationZone());
    case 5:
        return ArmLabel(route.GetDestinationArm());
    case 6:
        return NumberText(route.GetDestinationLane());
    case 7:
        return FormatFixed(route.GetFlow(group), flowPrecision);
    case 8:
        return RouteStatusText(route, group);
    default:
        return {};
    }
}

ListUpdate RouteListUpdateFor(int hint)
{
    if (hint == HintObjectsReplaced) {
        return ListUpdate::Release;
    }
    return (hint & HintRoutesChanged) != 0 ? ListUpdate::Rebuild : ListUpdate::Repaint;
}

CRouteListSort ClickRouteListHeader(CRouteListSort sort, int column)
{
    if (column < 0 || column >= RouteListColumnCount) {
        return sort;
    }
    if (sort.column == column) {
        return {column, !sort.descending};
    }
    return {column, false};
}

void CRouteList::Rebuild(const CNetwork& network, bool editPermitted, const CFlowGroup* group)
{
    m_routeIds.clear();
    const CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        const CRoute* route = routes.GetRoute(n);
        if (route->IsInFilter() && (editPermitted || route->IsPermitted())) {
            m_routeIds.push_back(route->GetId());
        }
    }
    Sort(network, group);
}

void CRouteList::Clear()
{
    m_routeIds.clear();
}

void CRouteList::ClickHeader(int column, const CNetwork& network, const CFlowGroup* group)
{
    m_sort = ClickRouteListHeader(m_sort, column);
    Sort(network, group);
}

void CRouteList::Sort(const CNetwork& network, const CFlowGroup* group)
{
    if (m_sort.column < 0) {
        return;
    }
    const SortKind kind = SortKinds[static_cast<std::size_t>(m_sort.column)];
    std::vector<CSortEntry> entries;
    entries.reserve(m_routeIds.size());
    for (const std::uint32_t id : m_routeIds) {
        const CRoute* route = network.GetRoutes().GetRouteById(id);
        if (!route) {
            continue;
        }
        CSortEntry entry{id, route->GetNumber(), 0.0, 0, {}};
        if (kind == SortKind::Number) {
            entry.key = Number(*route, m_sort.column);
        } else if (kind == SortKind::Flow) {
            entry.flow = route->GetFlow(group);
        } else {
            entry.text = RouteListCellText(*route, m_sort.column, group, 0);
        }
        entries.push_back(std::move(entry));
    }
    const bool descending = m_sort.descending;
    std::sort(entries.begin(), entries.end(), [kind, descending](const auto& a, const auto& b) {
        int order = 0;
        if (kind == SortKind::Number) {
            order = a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
        } else if (kind == SortKind::Flow) {
            order = a.flow < b.flow ? -1 : a.flow > b.flow ? 1 : 0;
        } else {
            order = a.text.compare(b.text);
        }
        if (order != 0) {
            return descending ? order > 0 : order < 0;
        }
        return a.number < b.number;
    });
    m_routeIds.clear();
    for (const CSortEntry& entry : entries) {
        m_routeIds.push_back(entry.id);
    }
}

bool IsLockRouteFlowEnabled(std::size_t selectedRoutes)
{
    return selectedRoutes == 1;
}

bool IsLockRouteFlowChecked(const CRoute& route, const CFlowGroup* group)
{
    return route.IsLocked(group);
}

std::optional<bool> PermittedAfterStateImageClick(const CRoute& route, bool editPermitted)
{
    if (!editPermitted) {
        return std::nullopt;
    }
    return !route.IsPermitted();
}
