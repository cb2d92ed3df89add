// Dialogs that fill their models from a script and answer OK as the real ones would: only
// when the model accepts.
#pragma once

#include "editing/view_dialogs.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/label_dialog.h"

#include <functional>
#include <string>
#include <vector>

class CScriptedDialogs : public CNetworkViewDialogs
{
public:
    // Each returns false for Cancel; by default OK with the presets.
    static constexpr auto Ok = [](auto&) {
        return true;
    };
    std::function<bool(CDlgArmCreateModel&)> createArm = Ok;
    std::function<bool(CDlgEditArmModel&)> editArm = Ok;
    std::function<bool(CDlgEditLaneModel&)> editShortLane = Ok;
    std::function<bool(CDlgEditZoneModel&)> editZone = Ok;
    std::function<bool(CDlgCapacityAssessorModel&)> editAssessor = Ok;
    std::function<bool(CDlgEditLabelModel&)> editLabel = Ok;
    // The titles of the dialogs shown, in order.
    std::vector<std::string> shown;

    bool CreateArm(CDlgArmCreateModel& d) override
    {
        return Show(CDlgArmCreateModel::Title, createArm(d) && d.Validate());
    }
    bool EditArm(CDlgEditArmModel& d) override { return Show(CDlgEditArmModel::Title, editArm(d)); }
    bool EditShortLane(CDlgEditLaneModel& d) override
    {
        return Show(CDlgEditLaneModel::Title, editShortLane(d) && d.Validate());
    }
    bool EditZone(CDlgEditZoneModel& d) override
    {
        return Show(d.GetTitle(), editZone(d) && d.Validate());
    }
    bool EditCapacityAssessor(CDlgCapacityAssessorModel& d) override
    {
        return Show(d.GetTitle(), editAssessor(d) && d.Validate());
    }
    bool EditLabel(CDlgEditLabelModel& d) override
    {
        return Show(CDlgEditLabelModel::Title, editLabel(d) && d.Validate());
    }

private:
    bool Show(const char* title, bool ok)
    {
        shown.emplace_back(title);
        return ok;
    }
};
