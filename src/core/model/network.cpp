// The network container and its removal notifications.
#include "model/network.h"

#include <algorithm>

CNetwork::CNetwork()
    : m_arms(this), m_laneConnectors(this), m_routes(this), m_odMovements(this), m_zones(this),
      m_flowGroups(this), m_capacityAssessors(this)
{
    AddObserver(&m_routes);
    AddObserver(&m_capacityAssessors);
}

CNetwork::~CNetwork()
{
    // Teardown is not editing: nobody is told, and the members go in reverse order.
    m_observers.clear();
    m_currentFlowGroup = nullptr;
    m_routes.RemoveAllRoutes();
    m_capacityAssessors.RemoveAllCapacityAssessors();
}

bool CNetwork::SetCurrentFlowGroup(CFlowGroup* group)
{
    if (group && group->GetNetwork() != this) {
        return false;
    }
    m_currentFlowGroup = group;
    return true;
}

void CNetwork::AddObserver(CNetworkObserver* observer)
{
    if (observer &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void CNetwork::RemoveObserver(CNetworkObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void CNetwork::NotifyLaneConnectorRemoving(CCarouselLaneConnector& connector)
{
    // Copy: an observer may unregister itself from inside its hook.
    for (CNetworkObserver* observer : std::vector<CNetworkObserver*>(m_observers)) {
        observer->OnLaneConnectorRemoving(connector);
    }
}

void CNetwork::NotifyZoneRemoving(CZone& zone)
{
    for (CNetworkObserver* observer : std::vector<CNetworkObserver*>(m_observers)) {
        observer->OnZoneRemoving(zone);
    }
}

void CNetwork::NotifyZoneArmDetaching(CZone& zone, CArm& previousArm)
{
    for (CNetworkObserver* observer : std::vector<CNetworkObserver*>(m_observers)) {
        observer->OnZoneArmDetaching(zone, previousArm);
    }
}

void CNetwork::NotifyArmRemoving(CArm& arm)
{
    for (CNetworkObserver* observer : std::vector<CNetworkObserver*>(m_observers)) {
        observer->OnArmRemoving(arm);
    }
}
