// The rows of the route list: which routes it shows, their texts and their order.
#pragma once

#include "tables/list_column.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CFlowGroup;
class CNetwork;
class CRoute;

inline constexpr int RouteListColumnCount = 9;

// "Route", "Org Zn", "Org Am", "Org Ln", "Dst Zn", "Dst Am", "Dst Ln", "Flow", "Balancing", with
// the default widths of the program settings (the two arm columns hidden).
const std::array<CListColumn, RouteListColumnCount>& RouteListColumns();

// The text of a route in a column: its number, origin zone, arm label and lane number, the same
// for its destination, its flow in the group with `flowPrecision` decimals, and its balancing
// status ("Locked", "Shared between routes 3(40%) 5(60%)", "Shared equally between Routes 3
// 5"). A missing zone, arm or lane shows as empty.
std::string RouteListCellText(const CRoute& route, int column, const CFlowGroup* group,
                              int flowPrecision);

// Hints 2 and 3 rebuild the list, hint 8 empties it, the others repaint it.
ListUpdate RouteListUpdateFor(int hint);

// The column the list is sorted by (none: route order) and the direction.
struct CRouteListSort
{
    int column = -1;
    bool descending = false;
    friend bool operator==(const CRouteListSort&, const CRouteListSort&) = default;
};
// A click on a column header sorts by it; a second click on the same header reverses.
CRouteListSort ClickRouteListHeader(CRouteListSort sort, int column);

// The routes a route list shows, by id, in order. It lists, in route order, every route in the
// filter, leaving out routes that are not permitted while permitted routes are not being
// edited; then it sorts them: columns 0, 2, 3, 5 and 6 by number, 1, 4 and 8 by their text
// compared byte by byte, 7 by flow. Routes that compare equal stay in route order whichever way
// the list is sorted. Rebuilding keeps the sort the user chose.
class CRouteList
{
public:
    void Rebuild(const CNetwork& network, bool editPermitted, const CFlowGroup* group);
    void Clear();
    void ClickHeader(int column, const CNetwork& network, const CFlowGroup* group);

    const std::vector<std::uint32_t>& GetRouteIds() const { return m_routeIds; }
    CRouteListSort GetSort() const { return m_sort; }

private:
    void Sort(const CNetwork& network, const CFlowGroup* group);

    std::vector<std::uint32_t> m_routeIds;
    CRouteListSort m_sort;
};

// "Lock Route Flow" is offered for exactly one selected route, checked while its flow is locked
// in the group.
bool IsLockRouteFlowEnabled(std::size_t selectedRoutes);
bool IsLockRouteFlowChecked(const CRoute& route, const CFlowGroup* group);
// A click on a route's state image asks for the opposite of its permitted flag, or for nothing
// while permitted routes are not being edited.
std::optional<bool> PermittedAfterStateImageClick(const CRoute& route, bool editPermitted);
