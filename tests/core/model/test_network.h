// Small helpers shared by the model and routing tests: build arms with lanes, record hooks.
#pragma once

#include "model/network.h"

#include <string>
#include <vector>

namespace testnet
{

// Appends an arm with `lanes` infinitely long lanes.
inline CArm* AddArm(CNetwork& network, std::uint32_t lanes)
{
    CArm* arm = network.GetArms().InsertArm(network.GetArms().GetCount() + 1);
    for (std::uint32_t n = 1; n <= lanes; ++n) {
        arm->GetLanes().InsertLane(n);
    }
    return arm;
}

inline CCapacityLane* Lane(CArm* arm, std::uint32_t number)
{
    return arm->GetLanes().GetLane(number);
}

// Writes one line per hook call, naming the objects by number so the text stays readable.
class CRecordingObserver : public CNetworkObserver
{
public:
    std::vector<std::string> events;

    void OnLaneConnectorRemoving(CCarouselLaneConnector& c) override
    {
        events.push_back("connector " + Name(c.GetFromLane()) + ">" + Name(c.GetToLane()));
    }
    void OnZoneRemoving(CZone& zone) override
    {
        events.push_back("zone " + std::to_string(zone.GetNumber()));
    }
    void OnZoneArmDetaching(CZone& zone, CArm& arm) override
    {
        events.push_back("detach zone " + std::to_string(zone.GetNumber()) + " arm " +
                         std::to_string(arm.GetNumber()));
    }
    void OnArmRemoving(CArm& arm) override
    {
        events.push_back("arm " + std::to_string(arm.GetNumber()));
    }

private:
    static std::string Name(const CLane* lane)
    {
        return std::to_string(lane->GetArm()->GetNumber()) + "." +
               std::to_string(lane->GetNumber());
    }
};

} // namespace testnet
