#include "network_builder.h"

#include <stdexcept>

namespace TestSupport
{

CNetworkBuilder& CNetworkBuilder::Arms(std::initializer_list<std::uint32_t> laneCounts)
{
    for (std::uint32_t lanes : laneCounts) {
        AddArm(m_network, lanes);
    }
    return *this;
}

CNetworkBuilder& CNetworkBuilder::Connect(std::string_view paths)
{
    // A typo in a path must fail the test that wrote it, not build a smaller network.
    auto lane = [&](std::string_view name) {
        const std::size_t dot = name.find('.');
        CCapacityLane* found = nullptr;
        if (dot != std::string_view::npos) {
            found = Lane(static_cast<std::uint32_t>(std::stoul(std::string(name.substr(0, dot)))),
                         static_cast<std::uint32_t>(std::stoul(std::string(name.substr(dot + 1)))));
        }
        if (found == nullptr) {
            throw std::invalid_argument("no lane " + std::string(name));
        }
        return found;
    };
    std::size_t at = 0;
    while (at < paths.size()) {
        const std::size_t end = std::min(paths.find(' ', at), paths.size());
        const std::string_view path = paths.substr(at, end - at);
        at = end + 1;
        CCapacityLane* from = nullptr;
        std::size_t step = 0;
        while (step <= path.size() && !path.empty()) {
            const std::size_t next = std::min(path.find('>', step), path.size());
            CCapacityLane* to = lane(path.substr(step, next - step));
            if (from != nullptr &&
                m_network.GetLaneConnectors().AddConnector(from, to) == nullptr) {
                throw std::invalid_argument("cannot connect " + std::string(path));
            }
            from = to;
            step = next + 1;
        }
    }
    return *this;
}

CNetworkBuilder& CNetworkBuilder::Zone(std::uint32_t entry, std::uint32_t exit,
                                       std::uint32_t colour)
{
    CZones& zones = m_network.GetZones();
    CZone* zone = zones.InsertZone(zones.GetCount() + 1);
    if ((entry != 0 && !zone->SetEntryArm(Arm(entry))) ||
        (exit != 0 && !zone->SetExitArm(Arm(exit)))) {
        throw std::invalid_argument("zone arms refused");
    }
    if (colour != 0) {
        zone->SetColour(colour);
    }
    return *this;
}

CNetworkBuilder& CNetworkBuilder::FlowGroup()
{
    CFlowGroups& groups = m_network.GetFlowGroups();
    m_network.SetCurrentFlowGroup(groups.InsertFlowGroup(groups.GetCount() + 1));
    return *this;
}

CNetworkBuilder& CNetworkBuilder::Routes()
{
    m_network.GetRoutes().DiscoverRoutes();
    return *this;
}

CArm* CNetworkBuilder::Arm(std::uint32_t number) const
{
    return m_network.GetArms().GetArm(number);
}

CCapacityLane* CNetworkBuilder::Lane(std::uint32_t arm, std::uint32_t lane) const
{
    CArm* found = Arm(arm);
    return found != nullptr ? found->GetLanes().GetLane(lane) : nullptr;
}

CNetworkBuilder SmallJunction(CNetwork& network)
{
    CNetworkBuilder builder(network);
    builder.Arms({2, 1, 1, 1}).Connect("1.1>2.1 1.2>2.1 2.1>3.1 2.1>4.1");
    return builder;
}

CArm* AddArm(CNetwork& network, std::uint32_t lanes)
{
    CArm* arm = network.GetArms().InsertArm(network.GetArms().GetCount() + 1);
    for (std::uint32_t n = 1; n <= lanes; ++n) {
        arm->GetLanes().InsertLane(n);
    }
    return arm;
}

CCapacityLane* Lane(CArm* arm, std::uint32_t number)
{
    return arm->GetLanes().GetLane(number);
}

std::string LaneName(const CLane* lane)
{
    return std::to_string(lane->GetArm()->GetNumber()) + "." + std::to_string(lane->GetNumber());
}

} // namespace TestSupport
