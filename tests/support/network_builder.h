// One way for every test to build a network: arms, lane connectors, zones, a flow group and
// routes, each step returning the builder so a network reads as one expression.
#pragma once

#include "model/network.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace TestSupport
{

class CNetworkBuilder
{
public:
    explicit CNetworkBuilder(CNetwork& network) : m_network(network) {}

    // Arms numbered on from the highest, each with that many infinitely long lanes.
    CNetworkBuilder& Arms(std::initializer_list<std::uint32_t> laneCounts);
    // Lane connectors along paths of arm.lane, such as "1.1>2.1>3.1 1.2>2.1".
    CNetworkBuilder& Connect(std::string_view paths);
    // A zone numbered on from the highest, entering by arm `entry` and leaving by arm `exit`
    // (0 for neither); colour 0 keeps the default.
    CNetworkBuilder& Zone(std::uint32_t entry, std::uint32_t exit, std::uint32_t colour = 0);
    // A new flow group, made current.
    CNetworkBuilder& FlowGroup();
    CNetworkBuilder& Routes();

    CNetwork& Network() const { return m_network; }
    CArm* Arm(std::uint32_t number) const;
    CCapacityLane* Lane(std::uint32_t arm, std::uint32_t lane) const;

private:
    CNetwork& m_network;
};

// Arm 1 is an entry of two lanes, arm 2 circulates, arms 3 and 4 are exits of one lane:
// 1.1>2.1, 1.2>2.1, 2.1>3.1 and 2.1>4.1. No zones.
CNetworkBuilder SmallJunction(CNetwork& network);

// Appends an arm with `lanes` infinitely long lanes.
CArm* AddArm(CNetwork& network, std::uint32_t lanes);
CCapacityLane* Lane(CArm* arm, std::uint32_t number);
// "1.2": the arm and lane numbers.
std::string LaneName(const CLane* lane);

} // namespace TestSupport
