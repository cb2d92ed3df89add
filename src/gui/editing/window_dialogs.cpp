#include "editing/window_dialogs.h"

#include "editing/arm_dialogs.h"
#include "editing/capacity_assessor_dialog.h"
#include "editing/label_dialog.h"
#include "editing/short_lane_dialog.h"
#include "editing/zone_dialog.h"

namespace
{
template <typename Dialog, typename Model> bool Show(Model& model, QWidget* parent)
{
    Dialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}
} // namespace

bool CWindowDialogs::CreateArm(CDlgArmCreateModel& dialog)
{
    return Show<CArmCreateDialog>(dialog, m_parent);
}

bool CWindowDialogs::EditArm(CDlgEditArmModel& dialog)
{
    return Show<CEditArmDialog>(dialog, m_parent);
}

bool CWindowDialogs::EditShortLane(CDlgEditLaneModel& dialog)
{
    return Show<CShortLaneDialog>(dialog, m_parent);
}

bool CWindowDialogs::EditZone(CDlgEditZoneModel& dialog)
{
    return Show<CZoneDialog>(dialog, m_parent);
}

bool CWindowDialogs::EditCapacityAssessor(CDlgCapacityAssessorModel& dialog)
{
    return Show<CCapacityAssessorDialog>(dialog, m_parent);
}

bool CWindowDialogs::EditLabel(CDlgEditLabelModel& dialog)
{
    return Show<CLabelDialog>(dialog, m_parent);
}
