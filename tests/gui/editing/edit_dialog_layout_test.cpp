// Every edit dialog of the network view as it is laid out on a screen, over the sample
// roundabout.
#include "../settings/control_layout.h"
#include "document/carousel_doc.h"
#include "editing/arm_dialogs.h"
#include "editing/capacity_assessor_dialog.h"
#include "editing/label_dialog.h"
#include "editing/short_lane_dialog.h"
#include "editing/zone_dialog.h"
#include "model/capacity_assessor.h"
#include "model/network.h"
#include "model/zone.h"
#include "support/sheet_driver.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/label_dialog.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace
{
// A dialog beside the model it edits, which must outlive it.
struct COpened
{
    virtual ~COpened() = default;
    virtual CEditDialog& Window() = 0;
};

template <typename Dialog, typename Model> std::unique_ptr<COpened> Open(Model model)
{
    struct COpenedDialog : COpened
    {
        explicit COpenedDialog(Model m) : model(std::move(m)) {}
        CEditDialog& Window() override { return dialog; }
        Model model;
        Dialog dialog{model};
    };
    return std::make_unique<COpenedDialog>(std::move(model));
}

struct DialogCase
{
    const char* file; // the screenshot's name
    std::function<std::unique_ptr<COpened>(CNetwork&)> open;
};

void PrintTo(const DialogCase& c, std::ostream* os)
{
    *os << c.file;
}

const DialogCase Cases[] = {
    {"dialog-create-arm",
     [](CNetwork& n) {
         return Open<CArmCreateDialog>(CDlgArmCreateModel::ForAddArm(n));
     }},
    {"dialog-edit-arm",
     [](CNetwork& n) {
         return Open<CEditArmDialog>(CDlgEditArmModel(*n.GetArms().GetArm(1)));
     }},
    {"dialog-edit-short-lane", // entry 1's flare
     [](CNetwork& n) {
         return Open<CShortLaneDialog>(
             CDlgEditLaneModel::ForEditShortLane(*n.GetArms().GetArm(1)->GetLanes().GetLane(3)));
     }},
    {"dialog-edit-zone",
     [](CNetwork& n) {
         return Open<CZoneDialog>(CDlgEditZoneModel::ForEditZone(n, *n.GetZones().GetZone(1)));
     }},
    {"dialog-create-zone",
     [](CNetwork& n) {
         return Open<CZoneDialog>(CDlgEditZoneModel::ForAddZone(n));
     }},
    {"dialog-edit-capacity-assessor",
     [](CNetwork& n) {
         return Open<CCapacityAssessorDialog>(CDlgCapacityAssessorModel::ForEdit(
             n, *n.GetCapacityAssessors().GetCapacityAssessor(1)));
     }},
    {"dialog-create-capacity-assessor",
     [](CNetwork& n) {
         return Open<CCapacityAssessorDialog>(
             CDlgCapacityAssessorModel::ForAdd(n, n.GetArms().GetArm(9), 1500));
     }},
    {"dialog-edit-label",
     [](CNetwork&) {
         return Open<CLabelDialog>(CDlgEditLabelModel("Northern roundabout", 35, 0x000080));
     }},
};

class EditDialogLayout : public testing::TestWithParam<DialogCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            document.OnOpenDocument(std::string(GYROLITH_SOURCE_DIR) + "/examples/roundabout.crs"));
    }

    ProgramSettings program;
    NetworkSettings settings;
    CCarouselDoc document{program, settings};
};

TEST_P(EditDialogLayout, TextsFitAndNothingOverlaps)
{
    const std::unique_ptr<COpened> opened = GetParam().open(document.GetNetwork());
    CEditDialog& dialog = opened->Window();
    GuiTestSupport::ShowActive(dialog);
    LayoutCheck::ExpectLaidOut(dialog, dialog);
    LayoutCheck::CaptureIfAsked(dialog, GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(EveryEditDialog, EditDialogLayout, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<DialogCase>& param) {
                             return LayoutCheck::NameOf(param.param.file);
                         });
} // namespace
