// A small junction for the route tests: entry arm 1 (two lanes), circulatory arm 2 (one lane),
// exit arms 3 and 4; zone 1 enters by arm 1, zones 2 and 3 leave by arms 3 and 4.
#pragma once

#include "model/network.h"
#include "network_builder.h"

#include <gtest/gtest.h>
#include <string>

namespace routetest
{

using TestSupport::AddArm;
using TestSupport::Lane;
using TestSupport::LaneName;

// Route as "1.1>2.1>3.1" (arm.lane of each node).
inline std::string Path(const CRoute& route)
{
    std::string text = LaneName(route.GetConnector(0)->GetFromLane());
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        text += ">" + LaneName(route.GetConnector(i)->GetToLane());
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
    TestSupport::CNetworkBuilder built =
        TestSupport::SmallJunction(network).Zone(1, 0).Zone(0, 3).Zone(0, 4);
    CArm* entry = network.GetArms().GetArm(1);
    CArm* circ = network.GetArms().GetArm(2);
    CArm* exitA = network.GetArms().GetArm(3);
    CArm* exitB = network.GetArms().GetArm(4);
    CZone* origin = network.GetZones().GetZone(1);
    CZone* destA = network.GetZones().GetZone(2);
    CZone* destB = network.GetZones().GetZone(3);
};

} // namespace routetest
