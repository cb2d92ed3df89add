// The network's lane connectors: every removal is announced to the network's observers.
#include "model/carousel_lane_connector.h"

#include "model/network.h"

namespace
{

template <typename Range> std::vector<CCarouselLaneConnector*> Downcast(const Range& connectors)
{
    std::vector<CCarouselLaneConnector*> result;
    result.reserve(connectors.size());
    for (CLaneConnector* connector : connectors) {
        result.push_back(static_cast<CCarouselLaneConnector*>(connector));
    }
    return result;
}

} // namespace

CCarouselLaneConnector* CCarouselLaneConnectors::AddConnector(CLane* fromLane, CLane* toLane)
{
    return static_cast<CCarouselLaneConnector*>(CLaneConnectors::AddConnector(fromLane, toLane));
}

CCarouselLaneConnector* CCarouselLaneConnectors::FindConnector(const CLane* fromLane,
                                                               const CLane* toLane) const
{
    return static_cast<CCarouselLaneConnector*>(CLaneConnectors::FindConnector(fromLane, toLane));
}

std::vector<CCarouselLaneConnector*> CCarouselLaneConnectors::GetConnectorsInKeyOrder() const
{
    return Downcast(CLaneConnectors::GetConnectorsInKeyOrder());
}

std::vector<CCarouselLaneConnector*> CCarouselLaneConnectors::GetConnectorsInCreationOrder() const
{
    return Downcast(CLaneConnectors::GetConnectorsInCreationOrder());
}

std::unique_ptr<CLaneConnector> CCarouselLaneConnectors::CreateConnector(CLane* fromLane,
                                                                         CLane* toLane)
{
    return std::make_unique<CCarouselLaneConnector>(this, fromLane, toLane);
}

void CCarouselLaneConnectors::BeforeRemove(CLaneConnector& connector)
{
    if (CNetwork* network = GetNetwork()) {
        network->NotifyLaneConnectorRemoving(static_cast<CCarouselLaneConnector&>(connector));
    }
}

bool IsZoneOriginArm(const CArm& arm)
{
    return arm.GetZone() != nullptr && arm.GetZone()->GetEntryArm() == &arm;
}

bool IsZoneDestinationArm(const CArm& arm)
{
    return arm.GetZone() != nullptr && arm.GetZone()->GetExitArm() == &arm;
}

bool CanAddLaneConnector(const CLane* from, const CLane* to)
{
    if (from == nullptr || to == nullptr || from == to || from->GetArm() == to->GetArm()) {
        return false;
    }
    return !to->HasIncomingFrom(*from) && !to->IsShort() && !IsZoneOriginArm(*to->GetArm()) &&
           !IsZoneDestinationArm(*from->GetArm());
}
