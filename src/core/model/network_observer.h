// Notifications the network sends before it takes objects away, so that routes can go with them.
#pragma once

class CArm;
class CCarouselLaneConnector;
class CZone;

// Listener for the removals that invalidate routes. The network calls each hook before the
// object goes, while it is still fully linked; every path that removes the object goes through
// the one hook (deleting a lane removes its connectors one by one through the connector hook).
// All hooks default to doing nothing.
class CNetworkObserver
{
public:
    virtual ~CNetworkObserver() = default;

    // A lane connector is about to be destroyed.
    virtual void OnLaneConnectorRemoving(CCarouselLaneConnector& connector) { (void)connector; }
    // A zone is about to be destroyed (its arms are still attached).
    virtual void OnZoneRemoving(CZone& zone) { (void)zone; }
    // A zone is about to lose its entry or exit arm (replaced, cleared, or the arm deleted).
    virtual void OnZoneArmDetaching(CZone& zone, CArm& previousArm)
    {
        (void)zone;
        (void)previousArm;
    }
    // An arm is about to be deleted; its zone has already been detached, its lanes and
    // connectors are still there. The capacity assessor attached to it is to be removed here.
    virtual void OnArmRemoving(CArm& arm) { (void)arm; }
};
