// Large junctions built on the real network model, for benchmarks of everything that works on a
// network: route building, flows, saving and loading, drawing.
#pragma once

#include "model/network.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace JunctionBench
{

// The shape of a generated junction. Each roundabout has `legs` legs; leg i has an entry arm,
// an exit arm and the ring segment (a circulatory arm) that runs from leg i to leg i + 1, each
// with `lanes` infinitely long lanes. Entry lane j feeds ring lane j, ring lane j feeds the next
// segment's lane j and the next leg's exit lane j. With `flares`, every entry arm gets a short
// nearside lane (length 30) fed by a lane change from the lane beside it and feeding ring lane 1.
// With `laneChanges`, neighbouring lanes of every ring segment are joined both ways, so routes
// may weave and circle the ring again on another lane. With `twin`, a second roundabout of the
// same shape is joined to the first by a two-way link (two circulatory arms between segment 1
// of each ring). Every leg has a zone that enters by its entry arm and leaves by its exit arm,
// so every zone pair (U-turns included) has routes. Arms: 3 x legs per roundabout, plus 2 for
// the link, at most 99 in all (33 legs single, 16 twin); legs must be at least 2 and lanes
// 1 ... 9. Rings of more than 16 legs are drawn larger, so that their arms stay apart.
struct JunctionShape
{
    std::uint32_t legs = 4;
    std::uint32_t lanes = 2;
    bool flares = true;
    bool laneChanges = true;
    bool twin = false;
};

// Fills an empty network with the junction (arms, lanes, connectors, zones) and one flow group,
// which becomes current. No routes are built. Throws std::invalid_argument for a shape out of
// range or a network that is not empty.
CNetwork& MakeJunction(CNetwork& network, const JunctionShape& shape);

// The number of routes "Build Routes" finds on the network, counted without making them (the
// same search rules: simple paths from every long entry lane, ending at the first Exit-arm lane,
// at most 100 connectors). Counting stops soon after the count passes `cap`. The network form
// expects arm kinds to be frozen (CArmKindFreeze) or is slow.
std::size_t CountRoutes(const CNetwork& network, std::size_t cap = SIZE_MAX);
std::size_t CountRoutes(const JunctionShape& shape, std::size_t cap = SIZE_MAX);

// A shape whose route count is the nearest to `target` (on a log scale) among a fixed family:
// 2 ... 16 legs of a few kinds (one or two lanes with flares, two lanes with lane changes,
// single or twin, three lanes with lane changes).
JunctionShape ShapeForRouteCount(std::size_t target);

// "legs=6 lanes=2 flares lanechanges twin", for benchmark labels.
std::string Describe(const JunctionShape& shape);

// Gives every route a flow in the current flow group (1 + number mod 7) and desired flows to
// every OD movement, so that flow sums have something to add.
void SetSampleFlows(CNetwork& network);

} // namespace JunctionBench
