// The route manager's six filter lists and what choosing in them does to the route filter.
#pragma once

#include "model/route_filter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CNetwork;

// One entry of a drop-down list: its text and the number it stands for (0: "All").
struct CChoice
{
    std::string text;
    std::uint32_t value = 0;
    friend bool operator==(const CChoice&, const CChoice&) = default;
};

// A drop-down list and the index of its chosen entry.
struct CChoiceList
{
    std::vector<CChoice> choices;
    std::size_t selected = 0;
};

enum class RouteFilterSide
{
    Origin,
    Destination,
};

// The zone, arm and lane lists of one side of the filter.
struct CRouteFilterSideLists
{
    CChoiceList zone;
    CChoiceList arm;
    CChoiceList lane;
};

// Every list starts with "All". A zone list holds every zone by name; an arm list the arm of the
// chosen zone on that side (its entry arm for the origin, its exit arm for the destination); a
// lane list the lanes of the chosen arm. An arm or lane the filter still holds is listed too,
// so that a list never shows "All" while it filters.
CRouteFilterSideLists RouteFilterLists(const CNetwork& network, const CRouteFilterNumbers& filter,
                                       RouteFilterSide side);

// Choosing a zone sets that side's zone, its arm to the zone's arm on that side (0 when it has
// none) and its lane to 0; "All" (0) resets nothing else. Choosing an arm resets the lane;
// choosing a lane sets the lane.
CRouteFilterNumbers ChooseFilterZone(const CNetwork& network, CRouteFilterNumbers filter,
                                     RouteFilterSide side, std::uint32_t zone);
CRouteFilterNumbers ChooseFilterArm(CRouteFilterNumbers filter, RouteFilterSide side,
                                    std::uint32_t arm);
CRouteFilterNumbers ChooseFilterLane(CRouteFilterNumbers filter, RouteFilterSide side,
                                     std::uint32_t lane);

// The lists are refilled on hints 1, 2 and 3. They hold numbers only, so hint 8 leaves them be.
bool RouteManagerRefillsOn(int hint);
