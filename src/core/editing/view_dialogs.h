// How the network view asks the user for values: its dialogs, shown by the desktop program and
// scripted by tests.
#pragma once

class CDlgArmCreateModel;
class CDlgCapacityAssessorModel;
class CDlgEditArmModel;
class CDlgEditLabelModel;
class CDlgEditLaneModel;
class CDlgEditZoneModel;

// Each call shows the dialog over its model and returns true for OK. A dialog takes OK only
// when its model's Validate() accepts, showing the refusal and staying open otherwise; the
// view checks again before it applies anything.
class CNetworkViewDialogs
{
public:
    virtual ~CNetworkViewDialogs() = default;
    virtual bool CreateArm(CDlgArmCreateModel& dialog) = 0;
    virtual bool EditArm(CDlgEditArmModel& dialog) = 0;
    virtual bool EditShortLane(CDlgEditLaneModel& dialog) = 0;
    virtual bool EditZone(CDlgEditZoneModel& dialog) = 0;
    virtual bool EditCapacityAssessor(CDlgCapacityAssessorModel& dialog) = 0;
    virtual bool EditLabel(CDlgEditLabelModel& dialog) = 0;
};
