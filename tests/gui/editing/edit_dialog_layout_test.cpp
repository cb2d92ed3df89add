// Every edit dialog of the network view as it is laid out on a screen, over the sample
// roundabout: each text fits its control, no two controls overlap and nothing lies outside the
// window. With GYROLITH_SCREENS_DIR set on a real X display each dialog is also captured.
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

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <variant>

namespace
{
// The models the dialogs edit, kept alive beside them.
using CModel = std::variant<std::monostate, CDlgArmCreateModel, CDlgEditArmModel, CDlgEditLaneModel,
                            CDlgEditZoneModel, CDlgCapacityAssessorModel, CDlgEditLabelModel>;

struct DialogCase
{
    const char* file; // the screenshot's name
    std::function<std::unique_ptr<CEditDialog>(CNetwork&, std::optional<CModel>&)> open;
};

void PrintTo(const DialogCase& c, std::ostream* os)
{
    *os << c.file;
}

template <typename Model, typename Dialog>
std::unique_ptr<CEditDialog> Open(std::optional<CModel>& keep, Model model)
{
    keep.emplace(std::move(model));
    return std::make_unique<Dialog>(std::get<Model>(*keep));
}

const DialogCase Cases[] = {
    {"dialog-create-arm",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgArmCreateModel, CArmCreateDialog>(m, CDlgArmCreateModel::ForAddArm(n));
     }},
    {"dialog-edit-arm",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgEditArmModel, CEditArmDialog>(m, CDlgEditArmModel(*n.GetArms().GetArm(1)));
     }},
    {"dialog-edit-short-lane",
     [](CNetwork& n, std::optional<CModel>& m) {
         // Entry 1's flare.
         return Open<CDlgEditLaneModel, CShortLaneDialog>(
             m, CDlgEditLaneModel::ForEditShortLane(*n.GetArms().GetArm(1)->GetLanes().GetLane(3)));
     }},
    {"dialog-edit-zone",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgEditZoneModel, CZoneDialog>(
             m, CDlgEditZoneModel::ForEditZone(n, *n.GetZones().GetZone(1)));
     }},
    {"dialog-create-zone",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgEditZoneModel, CZoneDialog>(m, CDlgEditZoneModel::ForAddZone(n));
     }},
    {"dialog-edit-capacity-assessor",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgCapacityAssessorModel, CCapacityAssessorDialog>(
             m, CDlgCapacityAssessorModel::ForEdit(
                    n, *n.GetCapacityAssessors().GetCapacityAssessor(1)));
     }},
    {"dialog-create-capacity-assessor",
     [](CNetwork& n, std::optional<CModel>& m) {
         return Open<CDlgCapacityAssessorModel, CCapacityAssessorDialog>(
             m, CDlgCapacityAssessorModel::ForAdd(n, n.GetArms().GetArm(9), 1500));
     }},
    {"dialog-edit-label",
     [](CNetwork&, std::optional<CModel>& m) {
         return Open<CDlgEditLabelModel, CLabelDialog>(
             m, CDlgEditLabelModel("Northern roundabout", 35, 0x000080));
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
    std::optional<CModel> model;
    const std::unique_ptr<CEditDialog> dialog = GetParam().open(document.GetNetwork(), model);
    GuiTestSupport::ShowActive(*dialog);

    std::vector<QWidget*> controls;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(child) ||
                             qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child);
        const bool part = qobject_cast<QComboBox*>(child->parentWidget()) != nullptr;
        if (control && !part && child->isVisibleTo(dialog.get())) {
            controls.push_back(child);
        }
    }
    ASSERT_GE(controls.size(), 3u);
    const QRect window = dialog->rect();
    for (QWidget* control : controls) {
        const QRect box(control->mapTo(dialog.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(window.contains(box)) << control->metaObject()->className();
        EXPECT_GE(control->width(), control->minimumSizeHint().width())
            << control->metaObject()->className();
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            // A group box holds its buttons.
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i])) {
                continue;
            }
            const QRect a(controls[i]->mapTo(dialog.get(), QPoint(0, 0)), controls[i]->size());
            const QRect b(controls[j]->mapTo(dialog.get(), QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(a.intersects(b)) << controls[i]->metaObject()->className() << " and "
                                          << controls[j]->metaObject()->className();
        }
    }

    const QString folder = qEnvironmentVariable("GYROLITH_SCREENS_DIR");
    if (!folder.isEmpty() && QGuiApplication::platformName() == "xcb") {
        QTest::qWait(200); // the window manager's frame and the first paint
        const QString file = QDir(folder).filePath(QString(GetParam().file) + ".png");
        EXPECT_EQ(QProcess::execute("import", {"-window", QString::number(dialog->winId()), file}),
                  0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEditDialog, EditDialogLayout, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<DialogCase>& param) {
                             std::string name;
                             for (const char* c = param.param.file; *c != '\0'; ++c) {
                                 if (*c != '-') {
                                     name += *c;
                                 }
                             }
                             return name;
                         });
} // namespace
