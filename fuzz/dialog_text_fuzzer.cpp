// Types arbitrary text into every edit box of the edit dialogs: whatever a dialog accepts must
// be a value the document and the network file take, and nothing may crash.
#include "model/network.h"
#include "model/route.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/flow_group_dialog.h"
#include "tables/label_dialog.h"
#include "tables/route_dialog.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Two arms joined once, with zones, one route and a current flow group.
struct CSmallNetwork
{
    CSmallNetwork()
    {
        for (std::uint32_t a = 1; a <= 2; ++a) {
            CArm* arm = network.GetArms().InsertArm(a);
            arm->GetLanes().InsertLane(1);
            arm->GetLanes().InsertLane(2);
        }
        network.GetArms().GetArm(1)->GetLanes().GetLane(2)->SetLength(40);
        network.GetLaneConnectors().AddConnector(Lane(1, 1), Lane(1, 2));
        network.GetLaneConnectors().AddConnector(Lane(1, 1), Lane(2, 1));
        network.GetZones().InsertZone(1)->SetEntryArm(network.GetArms().GetArm(1));
        network.GetZones().InsertZone(2)->SetExitArm(network.GetArms().GetArm(2));
        network.GetRoutes().DiscoverRoutes();
        group = network.GetFlowGroups().InsertFlowGroup(1);
        network.SetCurrentFlowGroup(group);
    }
    CLane* Lane(std::uint32_t arm, std::uint32_t lane)
    {
        return network.GetArms().GetArm(arm)->GetLanes().GetLane(lane);
    }
    CNetwork network;
    CFlowGroup* group = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CSmallNetwork small;
    const std::string text(reinterpret_cast<const char*>(data), size);

    CDlgArmCreateModel arm(3);
    if (arm.SetLaneCountText(text) && arm.Validate()) {
        Check(arm.GetLaneCount() >= 1 && arm.GetLaneCount() <= CDlgArmCreateModel::MaxLanes);
    }

    CDlgEditLaneModel lane = CDlgEditLaneModel::ForEditShortLane(*small.Lane(1, 2));
    lane.SetLengthText(text);
    if (lane.Validate()) {
        Check(lane.GetLength() >= lane.GetRange().lower &&
              lane.GetLength() <= lane.GetRange().upper);
        Check(lane.GetLength() >= 1 && lane.GetLength() <= MaxShortLaneLength);
    }

    CDlgCapacityAssessorModel assessor =
        CDlgCapacityAssessorModel::ForAdd(small.network, nullptr, 1500);
    assessor.SetThresholdText(text);
    assessor.SetEntryArmId(small.network.GetArms().GetArm(1)->GetId());
    assessor.SetCirculatoryArmId(small.network.GetArms().GetArm(2)->GetId());
    if (assessor.Validate()) {
        Check(assessor.GetThreshold() >= CDlgCapacityAssessorModel::MinThreshold &&
              assessor.GetThreshold() <= CDlgCapacityAssessorModel::MaxThreshold);
    }

    CDlgEditLabelModel label(text, 40, 0);
    label.SetHeightText(text);
    if (label.Validate()) {
        Check(label.GetTextHeight() >= CDlgEditLabelModel::MinTextHeight &&
              label.GetTextHeight() <= CDlgEditLabelModel::MaxTextHeight);
        Check(!label.GetText().empty() && label.GetText().size() <= 50);
    }

    CDlgEditFlowGroupModel flowGroup(*small.group);
    flowGroup.SetTitleField(text);
    if (flowGroup.Validate()) {
        Check(flowGroup.GetDescription().size() <= CDlgEditFlowGroupModel::MaxTitleLength);
    }

    const CRoute& route = *small.network.GetRoutes().GetRoute(1);
    CRouteFlowPageModel flow(route, *small.group, 2);
    flow.SetFlowText(text);
    if (flow.Validate()) {
        Check(std::isfinite(flow.GetFlow()) && std::fabs(flow.GetFlow()) < 100000.0);
    }
    CRouteCoupledFlowPageModel coupled(route, *small.group, 2);
    coupled.SetShareEqually(false);
    if (coupled.SetProportionText(0, text)) {
        const double p = coupled.GetRows()[0].proportion;
        Check(p >= 0.0 && p <= 1.0);
    }
    return 0;
}
