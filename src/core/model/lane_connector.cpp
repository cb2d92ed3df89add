// Lane connectors and the collection that owns them.
#include "model/lane_connector.h"

#include "model/lane.h"

#include <algorithm>

CLaneConnector::CLaneConnector(CLaneConnectors* owner, CLane* fromLane, CLane* toLane)
    : m_owner(owner), m_from(fromLane), m_to(toLane),
      m_laneChange(fromLane && toLane && fromLane->GetArm() == toLane->GetArm())
{}

std::uint32_t CLaneConnector::GetKey() const
{
    return CPairKey::PackLow16(m_from->GetLaneId(), m_to->GetLaneId());
}

CLaneConnectors::CLaneConnectors(CNetwork* network) : m_network(network) {}

CLaneConnectors::~CLaneConnectors()
{
    // Teardown: unlink quietly, the lanes may outlive us.
    for (auto& [key, connector] : m_byKey) {
        Unlink(*connector);
    }
}

CPairKey CLaneConnectors::MakeKey(const CLane* fromLane, const CLane* toLane)
{
    return CPairKey::Make(fromLane->GetLaneId(), toLane->GetLaneId());
}

std::unique_ptr<CLaneConnector> CLaneConnectors::CreateConnector(CLane* fromLane, CLane* toLane)
{
    return std::make_unique<CLaneConnector>(this, fromLane, toLane);
}

CLaneConnector* CLaneConnectors::AddConnector(CLane* fromLane, CLane* toLane)
{
    if (!fromLane || !toLane) {
        return nullptr;
    }
    const CPairKey key = MakeKey(fromLane, toLane);
    if (m_byKey.count(key) != 0) {
        return nullptr;
    }
    std::unique_ptr<CLaneConnector> connector = CreateConnector(fromLane, toLane);
    CLaneConnector* raw = connector.get();
    m_byKey.emplace(key, std::move(connector));
    m_created.push_back(raw);
    fromLane->m_outgoing.push_back(raw);
    toLane->m_incoming.push_back(raw);
    return raw;
}

CLaneConnector* CLaneConnectors::FindConnector(const CLane* fromLane, const CLane* toLane) const
{
    if (!fromLane || !toLane) {
        return nullptr;
    }
    auto it = m_byKey.find(MakeKey(fromLane, toLane));
    return it != m_byKey.end() ? it->second.get() : nullptr;
}

bool CLaneConnectors::RemoveConnector(CLaneConnector* connector)
{
    if (!connector || connector->GetOwner() != this || connector->m_removing) {
        return false;
    }
    const CPairKey key = MakeKey(connector->GetFromLane(), connector->GetToLane());
    auto it = m_byKey.find(key);
    if (it == m_byKey.end() || it->second.get() != connector) {
        return false;
    }
    connector->m_removing = true;
    BeforeRemove(*connector);
    Unlink(*connector);
    m_created.erase(std::find(m_created.begin(), m_created.end(), connector));
    m_byKey.erase(it);
    return true;
}

std::vector<CLaneConnector*> CLaneConnectors::GetConnectorsInKeyOrder() const
{
    std::vector<CLaneConnector*> result;
    result.reserve(m_byKey.size());
    for (const auto& [key, connector] : m_byKey) {
        result.push_back(connector.get());
    }
    return result;
}

void CLaneConnectors::Unlink(CLaneConnector& connector)
{
    auto drop = [&](std::vector<CLaneConnector*>& list) {
        list.erase(std::remove(list.begin(), list.end(), &connector), list.end());
    };
    drop(connector.GetFromLane()->m_outgoing);
    drop(connector.GetToLane()->m_incoming);
}
