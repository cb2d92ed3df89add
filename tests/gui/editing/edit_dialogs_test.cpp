// The network view's edit dialogs worked as a user would: what they offer on opening, what
// typing does, and OK refused with the model's message while the values are invalid.
#include "editing/arm_dialogs.h"
#include "editing/capacity_assessor_dialog.h"
#include "editing/label_dialog.h"
#include "editing/short_lane_dialog.h"
#include "editing/zone_dialog.h"
#include "model/zone.h"
#include "network_builder.h"
#include "settings/colour_swatch.h"
#include "support/sheet_driver.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/label_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace
{
using GuiTestSupport::Field;

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.itemText(i);
    }
    return items;
}

// Records refusals instead of showing them; each test starts with none.
class EditDialogs : public testing::Test
{
protected:
    EditDialogs()
    {
        CEditDialog::SetRefusalSink(
            [this](QWidget&, const QString& message) { refusals << message; });
    }
    ~EditDialogs() override { CEditDialog::SetRefusalSink({}); }

    // Presses OK: true when the dialog took it.
    bool Ok(CEditDialog& dialog)
    {
        dialog.OkButton()->click();
        return dialog.result() == QDialog::Accepted;
    }

    CNetwork network;
    QStringList refusals;
};

TEST_F(EditDialogs, ArmDialogsOfferTheNumbersAndTakeOnlyDigits)
{
    TestSupport::AddArm(network, 1);
    CArm* second = TestSupport::AddArm(network, 1);
    CDlgArmCreateModel model = CDlgArmCreateModel::ForAddArm(network);
    CArmCreateDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Create Arm");
    auto* number = Field<QComboBox>(dialog, "Number");
    EXPECT_EQ(Items(*number), (QStringList{" 1", " 2", " 3"}));
    EXPECT_EQ(number->currentText(), " 3") << "a new arm goes last";
    auto* lanes = Field<QLineEdit>(dialog, "Number of lanes");
    EXPECT_EQ(lanes->text(), "2");

    GuiTestSupport::TypeInto(*lanes, "1x-2");
    EXPECT_EQ(lanes->text(), "12") << "only digits are typed";

    GuiTestSupport::TypeInto(*lanes, "100");
    EXPECT_FALSE(Ok(dialog));
    EXPECT_EQ(refusals, QStringList{"The Number of lanes must be from 1 to 99"});
    GuiTestSupport::TypeInto(*lanes, "99");
    number->setCurrentIndex(0);
    EXPECT_TRUE(Ok(dialog));
    EXPECT_EQ(model.GetNumber(), 1u);
    EXPECT_EQ(model.GetLaneCount(), 99u);

    CDlgEditArmModel edit(*second);
    CEditArmDialog editing(edit);
    EXPECT_EQ(editing.windowTitle(), "Edit Arm");
    auto* own = Field<QComboBox>(editing, "Arm Number");
    EXPECT_EQ(Items(*own), (QStringList{" 1", " 2"}));
    EXPECT_EQ(own->currentIndex(), 1);
    own->setCurrentIndex(0);
    EXPECT_TRUE(Ok(editing));
    EXPECT_EQ(edit.GetNumber(), 1u);
}

// Lane 2 of a three-lane arm is short (40) and fed from lane 1; lane 3 is infinitely long.
TEST_F(EditDialogs, ShortLaneShowsTheRangeOfTheChosenParentAndRefusesLengthsOutsideIt)
{
    CArm* arm = TestSupport::AddArm(network, 3);
    CCapacityLane* shortLane = TestSupport::Lane(arm, 2);
    shortLane->SetLength(40);
    network.GetLaneConnectors().AddConnector(TestSupport::Lane(arm, 1), shortLane);

    CDlgEditLaneModel model = CDlgEditLaneModel::ForAddShortLane(*TestSupport::Lane(arm, 3), true);
    CShortLaneDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Edit Short Lane");
    EXPECT_EQ(Field<QLabel>(dialog, "Max:")->text(), dialog.MaxText()->text());
    EXPECT_FALSE(dialog.ParentToLeft()->isEnabled() && dialog.ParentToRight()->isEnabled())
        << "adding fixes the side the new lane is fed from";

    CDlgEditLaneModel convert =
        CDlgEditLaneModel::ForConvertToShortLane(*TestSupport::Lane(arm, 3));
    CShortLaneDialog converting(convert);
    EXPECT_TRUE(converting.ParentToLeft()->isChecked() || converting.ParentToRight()->isChecked());
    auto* length = Field<QLineEdit>(converting, "Lane Length (PCU)");
    const int max = converting.MaxText()->text().toInt();
    GuiTestSupport::TypeInto(*length, QString::number(max + 1));
    EXPECT_FALSE(Ok(converting));
    EXPECT_EQ(refusals, QStringList{"The Lane Length must be in the allowed range to avoid "
                                    "creating short lanes which are illogical"});
    GuiTestSupport::TypeInto(*length, QString::number(max));
    EXPECT_TRUE(Ok(converting));
    EXPECT_EQ(convert.GetLength(), max);
}

TEST_F(EditDialogs, ShortLaneRecomputesTheRangeWhenTheParentSideChanges)
{
    // Lane 2 of three between lane 1, infinitely long, and lane 3, short with 70 PCU.
    CArm* arm = TestSupport::AddArm(network, 3);
    TestSupport::Lane(arm, 3)->SetLength(70);
    CDlgEditLaneModel model(TestSupport::Lane(arm, 1), TestSupport::Lane(arm, 2),
                            TestSupport::Lane(arm, 3), 50, true, true, true);
    CShortLaneDialog dialog(model);
    EXPECT_EQ(dialog.MaxText()->text(), "1000") << "an infinitely long parent";
    dialog.ParentToRight()->click();
    EXPECT_EQ(dialog.MaxText()->text(), "70");
    EXPECT_FALSE(model.IsParentToLeft());
}

TEST_F(EditDialogs, ZoneOffersLettersAndFreeArmsAndRefusesOneArmBothWays)
{
    TestSupport::AddArm(network, 1);
    TestSupport::AddArm(network, 1);
    network.GetZones().InsertZone(1);
    network.GetZones().InsertZone(2);
    network.GetZones().InsertZone(3);
    CDlgEditZoneModel model = CDlgEditZoneModel::ForAddZone(network);
    CZoneDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Create Zone");
    auto* zone = Field<QComboBox>(dialog, "Zone");
    EXPECT_EQ(Items(*zone), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(zone->currentText(), "D");
    auto* entry = Field<QComboBox>(dialog, "Entry arm no.");
    auto* exit = Field<QComboBox>(dialog, "Exit arm no.");
    EXPECT_EQ(Items(*entry), (QStringList{"(none)", "1", "2"}));
    EXPECT_EQ(entry->currentText(), "(none)");
    EXPECT_EQ(Items(*exit), (QStringList{"(none)", "1", "2"}));

    entry->setCurrentIndex(1);
    exit->setCurrentIndex(1);
    EXPECT_FALSE(Ok(dialog)) << "one arm cannot be the zone's entry and exit";
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_TRUE(
        refusals[0].startsWith("A zone cannot enter and leave the network by the same arm"));
    exit->setCurrentIndex(2);
    dialog.Colour()->SetColour(0x123456);
    EXPECT_TRUE(Ok(dialog));
    EXPECT_EQ(model.GetEntryArmNumber(), 1u);
    EXPECT_EQ(model.GetExitArmNumber(), 2u);
    EXPECT_EQ(model.GetColour(), 0x123456u);
}

TEST_F(EditDialogs, CapacityAssessorNeedsTwoDifferentArmsAndAThresholdTheFileHolds)
{
    CArm* first = TestSupport::AddArm(network, 1);
    TestSupport::AddArm(network, 1);
    CDlgCapacityAssessorModel model = CDlgCapacityAssessorModel::ForAdd(network, nullptr, 1500);
    CCapacityAssessorDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Create Capacity Assessor");
    auto* entry = Field<QComboBox>(dialog, "Entry Arm");
    auto* circulatory = Field<QComboBox>(dialog, "Circulatory Arm");
    auto* threshold = Field<QLineEdit>(dialog, "Capacity Threshold");
    EXPECT_EQ(threshold->text(), "1500");
    EXPECT_FALSE(dialog.OkButton()->isEnabled()) << "no arms chosen yet";
    EXPECT_EQ(dialog.InitialFocus(), entry);

    entry->setCurrentIndex(0);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    circulatory->setCurrentIndex(0);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    EXPECT_EQ(entry->currentData().toUInt(), circulatory->currentData().toUInt());
    EXPECT_FALSE(Ok(dialog));
    EXPECT_EQ(refusals.value(0), "The entry arm and the circulatory arm of a capacity assessor "
                                 "must be two different arms");

    circulatory->setCurrentIndex(1);
    refusals.clear();
    GuiTestSupport::TypeInto(*threshold, "100000");
    EXPECT_FALSE(Ok(dialog));
    EXPECT_EQ(refusals,
              QStringList{"The Capacity Threshold must be a whole number from -9999 to 99999"});
    GuiTestSupport::TypeInto(*threshold, "99999");
    EXPECT_TRUE(Ok(dialog));
    EXPECT_EQ(model.GetEntryArmId(), first->GetId());
    EXPECT_EQ(model.GetThreshold(), 99999);
}

TEST_F(EditDialogs, CapacityAssessorShowsAFixedArmInADisabledList)
{
    CArm* proposed = TestSupport::AddArm(network, 1);
    TestSupport::AddArm(network, 1);
    CDlgCapacityAssessorModel model = CDlgCapacityAssessorModel::ForAdd(network, proposed, 0);
    CCapacityAssessorDialog dialog(model);
    EXPECT_FALSE(dialog.EntryList()->isEnabled());
    EXPECT_EQ(dialog.EntryList()->currentData().toUInt(), proposed->GetId());
    EXPECT_TRUE(dialog.CirculatoryList()->isEnabled());
    EXPECT_EQ(dialog.InitialFocus(), dialog.CirculatoryList());
}

TEST_F(EditDialogs, LabelShowsMillimetresAndRefusesAHeightThatIsNoNumber)
{
    CDlgEditLabelModel model("Ring", 35, 0xFF0000);
    CLabelDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Edit Label");
    auto* text = Field<QLineEdit>(dialog, "Label Text");
    auto* height = Field<QLineEdit>(dialog, "Text Height");
    EXPECT_EQ(text->text(), "Ring");
    EXPECT_EQ(height->text(), "3.5");
    EXPECT_EQ(text->maxLength(), 50);
    EXPECT_EQ(Field<CColourSwatch>(dialog, "Text Colour")->Colour(), 0xFF0000u);

    GuiTestSupport::TypeInto(*height, "tall");
    EXPECT_FALSE(Ok(dialog));
    EXPECT_EQ(refusals, QStringList{"The Text Height must be a number of millimetres"});
    GuiTestSupport::TypeInto(*height, "250");
    GuiTestSupport::TypeInto(*text, "  North  ");
    EXPECT_TRUE(Ok(dialog));
    EXPECT_EQ(model.GetTextHeight(), CDlgEditLabelModel::MaxTextHeight);
    EXPECT_EQ(model.GetText(), "North");
}
} // namespace
