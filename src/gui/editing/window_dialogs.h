// The network view's dialogs as the desktop program shows them.
#pragma once

#include "editing/view_dialogs.h"

class QWidget;

// Shows each dialog modally over the parent; OK returns only with values the model accepted.
class CWindowDialogs : public CNetworkViewDialogs
{
public:
    explicit CWindowDialogs(QWidget* parent) : m_parent(parent) {}

    bool CreateArm(CDlgArmCreateModel& dialog) override;
    bool EditArm(CDlgEditArmModel& dialog) override;
    bool EditShortLane(CDlgEditLaneModel& dialog) override;
    bool EditZone(CDlgEditZoneModel& dialog) override;
    bool EditCapacityAssessor(CDlgCapacityAssessorModel& dialog) override;
    bool EditLabel(CDlgEditLabelModel& dialog) override;

private:
    QWidget* m_parent;
};
