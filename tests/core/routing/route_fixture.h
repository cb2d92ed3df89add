// A small junction for the route tests: entry arm 1 (two lanes), circulatory arm 2 (one lane),
// exit arms 3 and 4; zone 1 enters by arm 1, zones 2 and 3 leave by arms 3 and 4.
#pragma once

#include "../model/test_network.h"
#include "model/network.h"

#include <gtest/gtest.h>
#include <string>

namespace routetest
{

using testnet::AddArm;
using testnet::Lane;

// Route as "1.1>2.1>3.1" (arm.lane of each node).
inline std::string Path(const CRoute& route)
{
    auto name = [](const CLane* lane) {
        return std::to_string(lane->GetArm()->GetNumber()) + "." +
               std::to_string(lane->GetNumber());
    };
    std::string text = name(route.GetConnector(0)->GetFromLane());
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        text += ">" + name(route.GetConnector(i)->GetToLane());
    }
    return text;
}

inline std::vector<std::string> Paths(const CNetwork& network)
{
    std::vector<std::string> paths;
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        paths.push_back(Path(*network.GetRoutes().GetRoute(n)));
    }
    return paths;
}

// A network with one current flow group, and short ways to join and find lanes by arm.
class CRouteNetwork : public ::testing::Test
{
protected:
    CCarouselLaneConnector* Connect(CArm* from, std::uint32_t fromLane, CArm* to,
                                    std::uint32_t toLane)
    {
        return network.GetLaneConnectors().AddConnector(Lane(from, fromLane), Lane(to, toLane));
    }
    CCarouselLaneConnector* Find(CArm* from, std::uint32_t fromLane, CArm* to, std::uint32_t toLane)
    {
        return network.GetLaneConnectors().FindConnector(Lane(from, fromLane), Lane(to, toLane));
    }
    CRoute* Route(std::uint32_t number) { return network.GetRoutes().GetRoute(number); }

    CNetwork network;
    CFlowGroup* group = MakeCurrentGroup(network);

private:
    static CFlowGroup* MakeCurrentGroup(CNetwork& network)
    {
        CFlowGroup* made = network.GetFlowGroups().InsertFlowGroup(1);
        network.SetCurrentFlowGroup(made);
        return made;
    }
};

class CJunction : public CRouteNetwork
{
protected:
    void SetUp() override
    {
        entry = AddArm(network, 2);
        circ = AddArm(network, 1);
        exitA = AddArm(network, 1);
        exitB = AddArm(network, 1);
        Connect(entry, 1, circ, 1);
        Connect(entry, 2, circ, 1);
        Connect(circ, 1, exitA, 1);
        Connect(circ, 1, exitB, 1);
        origin = network.GetZones().InsertZone(1);
        destA = network.GetZones().InsertZone(2);
        destB = network.GetZones().InsertZone(3);
        ASSERT_TRUE(origin->SetEntryArm(entry));
        ASSERT_TRUE(destA->SetExitArm(exitA));
        ASSERT_TRUE(destB->SetExitArm(exitB));
    }

    CArm* entry = nullptr;
    CArm* circ = nullptr;
    CArm* exitA = nullptr;
    CArm* exitB = nullptr;
    CZone* origin = nullptr;
    CZone* destA = nullptr;
    CZone* destB = nullptr;
};

} // namespace routetest
