// The desired, actual and difference OD matrices of a flow group, with their totals.
#pragma once

#include <cstdint>

class CArm;
class CFlowGroup;
class CNetwork;
class CZone;

enum class ODFlowKind
{
    Desired,
    Actual,
    Difference,
};

// Reads a network for one flow group (none: every flow reads 0). Actual cells are stop-line
// flows: to the destination over the lanes of the origin's entry arm; the origin total is the
// stop-line flow of that arm, the destination total that of the destination's exit arm. An
// origin without an entry arm has actual flows of 0, so its difference is -desired.
class CODFlowMatrix
{
public:
    CODFlowMatrix(const CNetwork& network, const CFlowGroup* group);

    double GetCell(ODFlowKind kind, const CZone& origin, const CZone& destination) const;
    double GetOriginTotal(ODFlowKind kind, const CZone& origin) const;
    double GetDestinationTotal(ODFlowKind kind, const CZone& destination) const;

private:
    static double Pick(ODFlowKind kind, double desired, double actual);

    const CNetwork& m_network;
    const CFlowGroup* m_group;
};

// Sums over the lanes of an arm (0 for none).
double ArmStopLineFlow(const CArm* arm, const CFlowGroup* group);
double ArmStopLineFlowTo(const CArm* arm, const CFlowGroup* group, const CZone* destination);
