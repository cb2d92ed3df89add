// An observer for the model tests that writes down every hook the network calls.
#pragma once

#include "model/network.h"
#include "network_builder.h"

#include <string>
#include <vector>

// Writes one line per hook call, naming the objects by number so the text stays readable.
class CRecordingObserver : public CNetworkObserver
{
public:
    std::vector<std::string> events;

    void OnLaneConnectorRemoving(CCarouselLaneConnector& c) override
    {
        events.push_back("connector " + TestSupport::LaneName(c.GetFromLane()) + ">" +
                         TestSupport::LaneName(c.GetToLane()));
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
};
