// OD matrices from the desired flows and the stop-line flows.
#include "routing/od_flow_matrix.h"

#include "model/network.h"

double ArmStopLineFlow(const CArm* arm, const CFlowGroup* group)
{
    double sum = 0.0;
    if (arm) {
        for (std::uint32_t n = 1; n <= arm->GetLanes().GetCount(); ++n) {
            sum += arm->GetLanes().GetLane(n)->GetStopLineFlow(group);
        }
    }
    return sum;
}

double ArmStopLineFlowTo(const CArm* arm, const CFlowGroup* group, const CZone* destination)
{
    double sum = 0.0;
    if (arm) {
        for (std::uint32_t n = 1; n <= arm->GetLanes().GetCount(); ++n) {
            sum += arm->GetLanes().GetLane(n)->GetStopLineFlowTo(group, destination);
        }
    }
    return sum;
}

CODFlowMatrix::CODFlowMatrix(const CNetwork& network, const CFlowGroup* group)
    : m_network(network), m_group(group)
{}

double CODFlowMatrix::Pick(ODFlowKind kind, double desired, double actual)
{
    switch (kind) {
    case ODFlowKind::Desired:
        return desired;
    case ODFlowKind::Actual:
        return actual;
    case ODFlowKind::Difference:
        break;
    }
    return actual - desired;
}

double CODFlowMatrix::GetCell(ODFlowKind kind, const CZone& origin, const CZone& destination) const
{
    const double desired =
        m_group ? m_group->GetDesiredFlow(m_network.GetODMovements().Find(&origin, &destination))
                : 0.0;
    const double actual = kind == ODFlowKind::Desired
                              ? 0.0
                              : ArmStopLineFlowTo(origin.GetEntryArm(), m_group, &destination);
    return Pick(kind, desired, actual);
}

double CODFlowMatrix::GetOriginTotal(ODFlowKind kind, const CZone& origin) const
{
    const double desired = m_group ? static_cast<double>(m_group->GetOriginTotal(&origin)) : 0.0;
    const double actual =
        kind == ODFlowKind::Desired ? 0.0 : ArmStopLineFlow(origin.GetEntryArm(), m_group);
    return Pick(kind, desired, actual);
}

double CODFlowMatrix::GetDestinationTotal(ODFlowKind kind, const CZone& destination) const
{
    const double desired =
        m_group ? static_cast<double>(m_group->GetDestinationTotal(&destination)) : 0.0;
    const double actual =
        kind == ODFlowKind::Desired ? 0.0 : ArmStopLineFlow(destination.GetExitArm(), m_group);
    return Pick(kind, desired, actual);
}
