// A generated roundabout for the drawing tests and benchmarks: entry, exit and circulatory
// arms around a circle, zones on every entry/exit pair, routes built and flows set.
#pragma once

#include "model/label.h"
#include "model/network.h"
#include "printing/print_page.h"

#include <cstdint>

namespace TestSupport
{

struct CRoundaboutShape
{
    std::uint32_t legs = 4;  // entry/exit pairs; the network has 3 x legs arms
    std::uint32_t lanes = 2; // lanes of every arm
    bool flare = true;       // leg 1's entry gets an extra short lane fed by a lane change
    double radius = 700.0;
    double centre = 1400.0;
};

// Everything a drawing of the network needs.
struct CRoundabout
{
    CNetwork network;
    CLabels labels;
    CPrintPages printPages;
    CFlowGroup* group = nullptr;
};

// Arms by leg k (0-based): entry 3k + 1, circulatory 3k + 2, exit 3k + 3. Zone k + 1 enters
// by the entry arm and leaves by the exit arm. Routes are built; each route's flow is
// 40 + 10 x (its number mod 5) in the current flow group "AM Peak" (08:00 - 09:00). One
// label and one capacity assessor on leg 1.
void BuildRoundabout(CRoundabout& r, const CRoundaboutShape& shape = {});

} // namespace TestSupport
