// Lane flow balancing: route flows of one entry arm from the desired OD flows of a flow group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArm;
class CCapacityLane;
class CFeedback;
class CFlowGroup;
class CNetwork;
class CRoute;
class CZone;

// Balances the stop-line routes of one arm in one flow group by alternating proportional
// scaling: a lane step pulls the lane totals towards equal shares of the zone's origin total,
// a destination step pulls the flow to each destination towards its desired OD flow. Locked
// routes keep their flows and are taken off the totals; unlocked routes are only ever scaled,
// so the ratios inside a coupled group set by Distribute survive. Not-permitted routes stay at
// 0. Without a flow group nothing changes. A short-lived object: the arm's routes, locks and
// permissions must not change while it lives.
class CLaneFlowBalancer
{
public:
    // The smallest usable unlocked flow, and the factor that pushes flows to practically zero
    // while keeping their ratios, so that a later iteration can grow them again.
    static constexpr double Epsilon = 1e-10;
    // What the balance commands always run; there is no early stop.
    static constexpr int CommandIterations = 100;

    CLaneFlowBalancer(CArm& arm, CFlowGroup* group);
    virtual ~CLaneFlowBalancer() = default;
    CLaneFlowBalancer(const CLaneFlowBalancer&) = delete;
    CLaneFlowBalancer& operator=(const CLaneFlowBalancer&) = delete;

    // Initial weights: per lane and destination, unlocked routes get their coupled proportion,
    // or 1/n with n the permitted routes of that lane to that destination (locked ones counted).
    void Distribute();
    // Runs `iterations` lane-then-destination steps (none below 1). The steps work on a copy of
    // the flows, written back at the end. With a feedback object, each step reports its share of
    // progressFrom..progressTo, and when it is cancelled between two steps nothing is written
    // back and the result is false; otherwise true.
    bool Balance(int iterations, CFeedback* feedback = nullptr, double progressFrom = 0.0,
                 double progressTo = 100.0);

private:
    // One permitted stop-line route while balancing; flows are worked on here and written
    // back once at the end.
    struct CSlot
    {
        CRoute* route = nullptr;
        double flow = 0.0;
        bool locked = false;
    };
    struct CLaneState
    {
        std::vector<std::uint32_t> slots; // permitted stop-line routes, route number order
        double lockedFlow = 0.0;
        bool allLocked = true;
    };
    struct CDestinationState
    {
        double desired = 0.0;
        std::vector<std::vector<std::uint32_t>> slotsPerLane; // routes to it, per lane
    };

    void Prepare();
    void LaneBalance();
    void DestinationBalance();
    double Sum(const std::vector<std::uint32_t>& slots, bool lockedOnly) const;
    void ScaleUnlocked(const std::vector<std::uint32_t>& slots, double factor);
    std::vector<CZone*> DestinationZones() const;

    CArm* m_arm;
    CFlowGroup* m_group;
    std::vector<CSlot> m_slots;
    std::vector<CLaneState> m_lanes;
    std::vector<CDestinationState> m_destinations;
    double m_originTotal = 0.0;
};

// An arm the balance commands work on: an Entry arm with a zone.
bool IsBalanceableArm(const CArm& arm);
// "Balance Lane Flows On Arm": Distribute and 100 iterations when the arm qualifies. Returns
// whether it did; the caller checkpoints and marks the document modified either way. Reports
// progress by iteration; cancelled, it stops between two iterations with the flows left as
// Distribute set them, and the caller puts the document back.
bool BalanceLaneFlowsOnArm(CArm& arm, CFlowGroup* group, CFeedback* feedback = nullptr);
// "Balance Lane Flows On All Arms": the same for every qualifying arm in number order, each
// arm reporting its share of the progress, stopping when cancelled. Returns how many arms were
// balanced.
std::size_t BalanceLaneFlowsOnAllArms(CNetwork& network, CFlowGroup* group,
                                      CFeedback* feedback = nullptr);
