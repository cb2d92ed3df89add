// Route manager lists and choices.
#include "tables/route_manager.h"

#include "document/document_view.h"
#include "model/network.h"
#include "model/zone_letter.h"

namespace
{

constexpr const char* All = "All";

struct CSide
{
    std::uint32_t& zone;
    std::uint32_t& arm;
    std::uint32_t& lane;
};

CSide SideOf(CRouteFilterNumbers& filter, RouteFilterSide side)
{
    if (side == RouteFilterSide::Origin) {
        return {filter.originZone, filter.originArm, filter.originLane};
    }
    return {filter.destinationZone, filter.destinationArm, filter.destinationLane};
}

const CArm* ZoneArm(const CZone* zone, RouteFilterSide side)
{
    if (!zone) {
        return nullptr;
    }
    return side == RouteFilterSide::Origin ? zone->GetEntryArm() : zone->GetExitArm();
}

void Add(CChoiceList& list, std::string text, std::uint32_t value)
{
    for (const CChoice& choice : list.choices) {
        if (choice.value == value) {
            return;
        }
    }
    list.choices.push_back({std::move(text), value});
}

void Select(CChoiceList& list, std::uint32_t value)
{
    for (std::size_t i = 0; i < list.choices.size(); ++i) {
        if (list.choices[i].value == value) {
            list.selected = i;
        }
    }
}

} // namespace

CRouteFilterSideLists RouteFilterLists(const CNetwork& network, const CRouteFilterNumbers& filter,
                                       RouteFilterSide side)
{
    CRouteFilterNumbers numbers = filter;
    const CSide chosen = SideOf(numbers, side);
    CRouteFilterSideLists lists;
    lists.zone.choices.push_back({All, 0});
    lists.arm.choices.push_back({All, 0});
    lists.lane.choices.push_back({All, 0});

    const CZones& zones = network.GetZones();
    for (std::uint32_t n = 1; n <= zones.GetCount(); ++n) {
        Add(lists.zone, ZoneLetter(n), n);
    }
    if (const CArm* arm = ZoneArm(zones.GetZone(chosen.zone), side)) {
        Add(lists.arm, arm->GetLabel(), arm->GetNumber());
    }
    const CArm* filterArm = chosen.arm ? network.GetArms().GetArm(chosen.arm) : nullptr;
    if (filterArm) {
        Add(lists.arm, filterArm->GetLabel(), filterArm->GetNumber());
        for (std::uint32_t n = 1; n <= filterArm->GetLanes().GetCount(); ++n) {
            Add(lists.lane, std::to_string(n), n);
        }
    }
    Select(lists.zone, chosen.zone);
    Select(lists.arm, filterArm ? chosen.arm : 0);
    Select(lists.lane, filterArm ? chosen.lane : 0);
    return lists;
}

CRouteFilterNumbers ChooseFilterZone(const CNetwork& network, CRouteFilterNumbers filter,
                                     RouteFilterSide side, std::uint32_t zone)
{
    const CSide chosen = SideOf(filter, side);
    chosen.zone = zone;
    if (zone == 0) {
        return filter;
    }
    const CArm* arm = ZoneArm(network.GetZones().GetZone(zone), side);
    chosen.arm = arm ? arm->GetNumber() : 0;
    chosen.lane = 0;
    return filter;
}

CRouteFilterNumbers ChooseFilterArm(CRouteFilterNumbers filter, RouteFilterSide side,
                                    std::uint32_t arm)
{
    const CSide chosen = SideOf(filter, side);
    chosen.arm = arm;
    chosen.lane = 0;
    return filter;
}

CRouteFilterNumbers ChooseFilterLane(CRouteFilterNumbers filter, RouteFilterSide side,
                                     std::uint32_t lane)
{
    SideOf(filter, side).lane = lane;
    return filter;
}

bool RouteManagerRefillsOn(int hint)
{
    return hint != HintObjectsReplaced && (hint & (HintRedraw | HintRoutesChanged)) != 0;
}
