// The settings sheets as a user works them: typing lengths, choosing colours, OK and Cancel.
#include "case_name.h"
#include "document/carousel_doc.h"
#include "platform/qt_colour.h"
#include "settings/colour_swatch.h"
#include "settings/network_settings_property_sheet.h"
#include "settings/preferences_sheets.h"
#include "support/sheet_driver.h"
#include "update/notification_schedule.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace GuiTestSupport;

namespace
{
using TestSupport::PrintTo;

// The records the sheets edit, over a new document.
class SettingsSheetsTest : public ::testing::Test
{
protected:
    void SetUp() override { document.OnNewDocument(); }

    ProgramSettings program;
    NetworkSettings network;
    CCarouselDoc document{program, network};
};

// Lengths are taken in tenths of a millimetre (the conversion is the settings' own): the box
// shows what was taken on leaving it and at OK, also when OK comes while it has the focus.
TEST_F(SettingsSheetsTest, LengthBoxesShowWhatIsTaken)
{
    CPreferencesGraphicsPropertySheet graphics(program);
    ShowActive(graphics);
    auto* thickness = Field<QLineEdit>(graphics, "Arm Line Thickness (mm)");
    TypeInto(*thickness, "0.04");
    LeaveBox(*thickness);
    EXPECT_EQ(thickness->text(), "0.1") << "shown again on leaving the box";
    PressOk(graphics);
    EXPECT_EQ(graphics.result(), QDialog::Accepted);
    EXPECT_EQ(program.CurArmLineThickness, 1);

    CNetworkSettingsPropertySheet sheet(document,
                                        CNetworkSettingsPropertySheet::EPage::GraphicsSettings);
    ShowActive(sheet);
    auto* height = Field<QLineEdit>(sheet, "Arm/Lane Text Height (mm)");
    TypeInto(*height, "7.25");
    PressOk(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(height->text(), "7.2");
    EXPECT_EQ(network.ArmTextHeight, 72);
}

// Every value differs from its default and from the others, so a control wired to the wrong
// setting shows the wrong value.
ProgramSettings DistinctProgramSettings()
{
    ProgramSettings s;
    s.DefLaneFlowDelimiter = " / ";
    s.DefArmTextHeight = 31;
    s.DefZoneTextHeight = 42;
    s.DefCapacityAssessorTextHeight = 53;
    s.DefLabelTextHeight = 64;
    s.DefODMatrixTextHeight = 75;
    s.DefGridSize = 86;
    s.DefAuthor = "A. Engineer";
    s.DefCompany = "Ring Roads Ltd";
    s.DefAddress = "1 High Street\r\nTown";
    s.DefCapacityAssessorThreshold = -250;
    s.DefCreateBlankFileOnStartup = false;
    s.DefIsMouseWheelZoomBackwards = false;
    s.CurLaneColor = 0x010101;
    s.CurRouteColor = 0x020202;
    s.CurSelRouteColor = 0x030303;
    s.CurDisallowedRouteColor = 0x040404;
    s.CurNotExceededCapacityAssessmentThresholdColor = 0x050505;
    s.CurExceededCapacityAssessmentThresholdColor = 0x060606;
    s.CurSelectedItemColor = 0x070707;
    s.CurLaneChangeRightColor = 0x080808;
    s.CurLaneChangeLeftColor = 0x090909;
    s.CurArmLineThickness = 11;
    s.CurLaneLineThickness = 12;
    s.CurLaneConnectorLineThickness = 13;
    s.CurZoneLineThickness = 14;
    s.CurODMatrixLineThickness = 15;
    s.CurCapacityAssessorLineThickness = 16;
    s.CurRouteFlowPrecision = 0;
    s.CurODFlowPrecision = 1;
    s.CurLaneFlowPrecision = 2;
    s.AutoSaveDirectory = "/home/engineer/autosave/";
    s.NotificationFrequency = "2";
    s.NextNotificationTime = "010724120000";
    return s;
}

TEST_F(SettingsSheetsTest, EachControlShowsItsOwnSetting)
{
    program = DistinctProgramSettings();

    CPreferencesGraphicsPropertySheet graphics(program);
    const std::pair<const char*, ColorRef> colours[] = {
        {"Arm/Lane/Lane Connector", 0x010101},
        {"Route", 0x020202},
        {"Selected Route", 0x030303},
        {"Non-permitted Route", 0x040404},
        {"Capacity Assessor", 0x050505},
        {"Exceeded Capacity Assessor", 0x060606},
        {"Selected Item", 0x070707},
        {"Lane Change Indicator to Right", 0x080808},
        {"Lane Change Indicator to Left", 0x090909}};
    for (const auto& [label, colour] : colours) {
        EXPECT_EQ(Field<CColourSwatch>(graphics, label)->Colour(), colour) << label;
    }
    const std::pair<const char*, const char*> thicknesses[] = {
        {"Arm Line Thickness (mm)", "1.1"},
        {"Lane Line Thickness (mm)", "1.2"},
        {"Lane Connector Line Thickness (mm)", "1.3"},
        {"Zone Line Thickness (mm)", "1.4"},
        {"OD Matrix Line Thickness (mm)", "1.5"},
        {"Capacity Assessor Line Thickness (mm)", "1.6"}};
    for (const auto& [label, shown] : thicknesses) {
        EXPECT_EQ(Field<QLineEdit>(graphics, label)->text().toStdString(), shown) << label;
    }
    const std::pair<const char*, int> precisions[] = {
        {"Route List Flows", 0}, {"OD Matrix Flows", 1}, {"Lane Flows", 2}};
    for (const auto& [label, places] : precisions) {
        EXPECT_EQ(Field<QRadioButton>(graphics, label)->group()->checkedId(), places) << label;
    }

    CPreferencesDefaultsPropertySheet defaults(program);
    const std::pair<const char*, const char*> texts[] = {
        {"Capacity Assessor Threshold", "-250"},
        {"Author:", "A. Engineer"},
        {"Company:", "Ring Roads Ltd"},
        {"Arm/Lane Text Height (mm)", "3.1"},
        {"Zone Text Height (mm)", "4.2"},
        {"Capacity Assessor Text Height (mm)", "5.3"},
        {"Label Text Height (mm)", "6.4"},
        {"OD Matrix Text Height (mm)", "7.5"},
        {"Grid Size (mm)", "8.6"},
        {"Lane Flow Delimiter", " / "}};
    for (const auto& [label, shown] : texts) {
        EXPECT_EQ(Field<QLineEdit>(defaults, label)->text().toStdString(), shown) << label;
    }
    EXPECT_EQ(Field<QPlainTextEdit>(defaults, "Address:")->toPlainText(), "1 High Street\nTown");

    CPreferencesPropertySheet options(program);
    EXPECT_EQ(Field<QLineEdit>(options, "File Location")->text(), "/home/engineer/autosave/");
    EXPECT_EQ(Field<QComboBox>(options, "Check For Updates")->currentText(), "Daily");
    EXPECT_FALSE(Child<QCheckBox>(options, "Create a blank network on startup")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(options, "Mouse Wheel Forwards to Zoom In")->isChecked());
}

// Types into every box, ticks every check box and picks the last radio button and list entry.
void ChangeEverything(QWidget& sheet)
{
    for (auto* edit : sheet.findChildren<QLineEdit*>()) {
        TypeInto(*edit, "3");
    }
    for (auto* edit : sheet.findChildren<QPlainTextEdit*>()) {
        edit->setPlainText("changed");
    }
    for (auto* box : sheet.findChildren<QCheckBox*>()) {
        box->toggle();
    }
    for (auto* group : sheet.findChildren<QButtonGroup*>()) {
        group->buttons().last()->setChecked(true);
    }
    for (auto* list : sheet.findChildren<QComboBox*>()) {
        list->setCurrentIndex(list->count() - 1);
    }
    for (auto* swatch : sheet.findChildren<CColourSwatch*>()) {
        swatch->SetColour(0x123456);
    }
}

// OK without changes gives every setting back as it was; Cancel after changing everything
// changes nothing.
TEST_F(SettingsSheetsTest, OkWithoutChangesAndCancelKeepEverySetting)
{
    program = DistinctProgramSettings();
    const ProgramSettings programBefore = program;
    const auto sheets = [this] {
        std::vector<std::unique_ptr<CPropertySheet>> made;
        made.push_back(std::make_unique<CPreferencesPropertySheet>(program));
        made.push_back(std::make_unique<CPreferencesDefaultsPropertySheet>(program));
        made.push_back(std::make_unique<CPreferencesGraphicsPropertySheet>(program));
        return made;
    };
    for (const auto& sheet : sheets()) {
        PressOk(*sheet);
        EXPECT_EQ(sheet->result(), QDialog::Accepted) << sheet->windowTitle().toStdString();
    }
    EXPECT_TRUE(program == programBefore);
    for (const auto& sheet : sheets()) {
        ChangeEverything(*sheet);
        PressCancel(*sheet);
        EXPECT_EQ(sheet->result(), QDialog::Rejected);
    }
    EXPECT_TRUE(program == programBefore);

    const NetworkSettings networkBefore = network;
    for (const auto page : {CNetworkSettingsPropertySheet::EPage::ProjectInformation,
                            CNetworkSettingsPropertySheet::EPage::GraphicsSettings}) {
        CNetworkSettingsPropertySheet sheet(document, page);
        ChangeEverything(sheet);
        PressCancel(sheet);
    }
    EXPECT_TRUE(network == networkBefore);
    EXPECT_EQ(document.GetProjectInformation(), CProjectInformation{});
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SettingsSheetsTest, ChosenColourIsStoredRedInTheLowByte)
{
    CPreferencesGraphicsPropertySheet sheet(program);
    auto* swatch = Field<CColourSwatch>(sheet, "Route");

    QColor offered;
    AnswerNextDialog<QColorDialog>([&](QColorDialog& chooser) {
        offered = chooser.currentColor();
        chooser.setCurrentColor(QColor(255, 0, 0));
        chooser.accept();
    });
    swatch->ChangeButton()->click();
    EXPECT_EQ(offered, QColor(0, 255, 128)) << "the chooser starts at the route colour 0x80FF00";
    EXPECT_EQ(swatch->Colour(), 0x0000FFu);

    // A chooser closed with Cancel leaves the colour alone.
    AnswerNextDialog<QColorDialog>([](QColorDialog& chooser) {
        chooser.setCurrentColor(Qt::blue);
        chooser.reject();
    });
    swatch->ChangeButton()->click();
    EXPECT_EQ(swatch->Colour(), 0x0000FFu);

    PressOk(sheet);
    EXPECT_EQ(program.CurRouteColor, 0x0000FFu);
    // And back: the default selected item colour 0x0000FF is shown red.
    EXPECT_EQ(QColorOf(Field<CColourSwatch>(sheet, "Selected Item")->Colour()), QColor(Qt::red));
}

struct ThresholdCase
{
    const char* name;
    const char* typed;
    bool refused;
    std::int32_t stored;
};

class ThresholdTest : public SettingsSheetsTest, public testing::WithParamInterface<ThresholdCase>
{};

TEST_P(ThresholdTest, OnlyWhatItsCardHoldsIsTaken)
{
    const ThresholdCase& c = GetParam();
    CPreferencesDefaultsPropertySheet sheet(program);
    auto* tabs = sheet.findChild<QTabWidget*>();
    tabs->setCurrentIndex(2); // OK pressed while another page is in front
    TypeInto(*Field<QLineEdit>(sheet, "Capacity Assessor Threshold"), c.typed);
    QString message;
    if (c.refused) {
        AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
    }
    PressOk(sheet);
    EXPECT_EQ(program.DefCapacityAssessorThreshold, c.stored);
    if (c.refused) {
        EXPECT_EQ(message.toStdString(),
                  "The Capacity Assessor Threshold must be a whole number from -9999 to 99999");
        EXPECT_NE(sheet.result(), QDialog::Accepted);
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Default Network Parameters");
    } else {
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, ThresholdTest,
                         testing::Values(ThresholdCase{"Lowest", "-9999", false, -9999},
                                         ThresholdCase{"Highest", "99999", false, 99999},
                                         ThresholdCase{"BlanksAround", " 1800 ", false, 1800},
                                         ThresholdCase{"SixDigits", "100000", true, 1500},
                                         ThresholdCase{"BelowTheField", "-10000", true, 1500},
                                         ThresholdCase{"Fraction", "12.5", true, 1500},
                                         ThresholdCase{"Empty", "", true, 1500},
                                         ThresholdCase{"BeyondAnyInteger", "99999999999999999999",
                                                       true, 1500}),
                         CaseName());

TEST_F(SettingsSheetsTest, NewUpdateFrequencyIsDueItsIntervalFromNow)
{
    constexpr std::int64_t now = 1717243200; // 1 June 2024, 12:00 UTC
    program.NotificationFrequency = "4";
    program.NextNotificationTime = "010724120000";
    const auto clock = [] {
        return now;
    };
    {
        CPreferencesPropertySheet sheet(program, nullptr, clock);
        Field<QComboBox>(sheet, "Check For Updates")->setCurrentIndex(3);
        PressOk(sheet);
    }
    EXPECT_EQ(program.NotificationFrequency, "3");
    EXPECT_EQ(program.NextNotificationTime, FormatNotificationTime(now + 7 * 24 * 60 * 60));

    // The frequency already set keeps its time, whatever else the page changes.
    program.NextNotificationTime = "010124000000";
    {
        CPreferencesPropertySheet sheet(program, nullptr, clock);
        Child<QCheckBox>(sheet, "Create a blank network on startup")->setChecked(false);
        Child<QRadioButton>(sheet, "Mouse Wheel Forwards to Zoom In")->setChecked(true);
        TypeInto(*Field<QLineEdit>(sheet, "File Location"), "/srv/autosave/");
        PressOk(sheet);
    }
    EXPECT_EQ(program.NotificationFrequency, "3");
    EXPECT_EQ(program.NextNotificationTime, "010124000000");
    EXPECT_FALSE(program.DefCreateBlankFileOnStartup);
    EXPECT_FALSE(program.DefIsMouseWheelZoomBackwards);
    EXPECT_EQ(program.AutoSaveDirectory, "/srv/autosave/");
}

TEST_F(SettingsSheetsTest, ProjectInformationIsOneUndoableEdit)
{
    network.Author = "Old Author";
    CNetworkSettingsPropertySheet sheet(document,
                                        CNetworkSettingsPropertySheet::EPage::ProjectInformation);
    EXPECT_EQ(Field<QLineEdit>(sheet, "Author :")->text(), "Old Author");
    const std::pair<const char*, const char*> typed[] = {{"Project Name :", "Ring Road"},
                                                         {"Location :", "North Junction"},
                                                         {"SCN.", "J42"},
                                                         {"Title :", "AM Peak Study"},
                                                         {"Author :", "New Author"},
                                                         {"Company :", "Ring Roads Ltd"}};
    for (const auto& [label, text] : typed) {
        TypeInto(*Field<QLineEdit>(sheet, label), text);
    }
    Field<QPlainTextEdit>(sheet, "Notes :")->setPlainText("first\nsecond");
    Field<QPlainTextEdit>(sheet, "Address :")->setPlainText("1 High Street\nTown");
    PressOk(sheet);

    EXPECT_EQ(document.GetProjectInformation(),
              (CProjectInformation{"AM Peak Study", "North Junction", "first\r\nsecond",
                                   "Ring Road", "J42"}));
    EXPECT_EQ(network.Author, "New Author");
    EXPECT_EQ(network.Company, "Ring Roads Ltd");
    EXPECT_EQ(network.Address, "1 High Street\r\nTown");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetUndoName(), "Edit Network Settings");

    document.Undo();
    EXPECT_EQ(document.GetProjectInformation(), CProjectInformation{});
    EXPECT_EQ(network.Author, "Old Author");
}

TEST_F(SettingsSheetsTest, TextTheFileCannotHoldIsRefusedBeforeTheDocumentTakesIt)
{
    CNetworkSettingsPropertySheet sheet(document,
                                        CNetworkSettingsPropertySheet::EPage::ProjectInformation);
    Field<QPlainTextEdit>(sheet, "Notes :")->setPlainText(QString(40000, 'n'));
    QString message;
    AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    PressOk(sheet);
    EXPECT_EQ(message.toStdString(),
              "Notes: The text of 40000 characters is longer than the 32763 a file can hold");
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(document.GetProjectInformation(), CProjectInformation{});
}

} // namespace
