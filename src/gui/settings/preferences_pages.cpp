#include "settings/preferences_pages.h"

#include "settings/network_settings.h"
#include "settings/colour_swatch.h"
#include "settings/edit_text.h"
#include "settings/graphical_settings_boxes.h"
#include "settings/millimetre_edit.h"
#include "settings/page_parts.h"
#include "update/notification_schedule.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
using S = ProgramSettings;

// The update frequencies in the order of their numbers.
const char* const FrequencyTexts[] = {"Never (Manual Only)", "Startup", "Daily", "Weekly",
                                      "Monthly"};

struct ColourSetting
{
    const char* text;
    std::uint32_t S::*field;
};

const ColourSetting ColourSettings[] = {
    {"Arm/Lane/Lane Connector", &S::CurLaneColor},
    {"Route", &S::CurRouteColor},
    {"Selected Route", &S::CurSelRouteColor},
    {"Non-permitted Route", &S::CurDisallowedRouteColor},
    {"Capacity Assessor", &S::CurNotExceededCapacityAssessmentThresholdColor},
    {"Exceeded Capacity Assessor", &S::CurExceededCapacityAssessmentThresholdColor},
    {"Selected Item", &S::CurSelectedItemColor},
    {"Lane Change Indicator to Right", &S::CurLaneChangeRightColor},
    {"Lane Change Indicator to Left", &S::CurLaneChangeLeftColor},
};

struct LengthSetting
{
    const char* text;
    std::int32_t S::*field;
};

const LengthSetting ThicknessSettings[] = {
    {"Arm Line Thickness (mm)", &S::CurArmLineThickness},
    {"Lane Line Thickness (mm)", &S::CurLaneLineThickness},
    {"Lane Connector Line Thickness (mm)", &S::CurLaneConnectorLineThickness},
    {"Zone Line Thickness (mm)", &S::CurZoneLineThickness},
    {"OD Matrix Line Thickness (mm)", &S::CurODMatrixLineThickness},
    {"Capacity Assessor Line Thickness (mm)", &S::CurCapacityAssessorLineThickness},
};

const LengthSetting PrecisionSettings[] = {
    {"Route List Flows", &S::CurRouteFlowPrecision},
    {"OD Matrix Flows", &S::CurODFlowPrecision},
    {"Lane Flows", &S::CurLaneFlowPrecision},
};

const char* const ThresholdText = "Capacity Assessor Threshold";
} // namespace

CPreferencesPageCurrentSettings::CPreferencesPageCurrentSettings(
    ProgramSettings& settings, CHTTPUpdateNotificationChecker::Clock clock, QWidget* parent)
    : CPropertyPage(parent), m_settings(settings), m_clock(std::move(clock)),
      m_fileLocation(new QLineEdit(EditText(settings.AutoSaveDirectory))),
      m_frequency(new QComboBox),
      m_blankOnStartup(new QCheckBox(tr("Create a blank network on startup"))),
      m_wheelBackwards(new QRadioButton(tr("Mouse Wheel Backwards to Zoom In"))),
      m_wheelForwards(new QRadioButton(tr("Mouse Wheel Forwards to Zoom In")))
{
    for (const char* text : FrequencyTexts)
        m_frequency->addItem(tr(text));
    m_frequency->setCurrentIndex(
        static_cast<int>(ParseNotificationFrequency(settings.NotificationFrequency)));
    m_blankOnStartup->setChecked(settings.DefCreateBlankFileOnStartup);
    m_wheelBackwards->setChecked(settings.DefIsMouseWheelZoomBackwards);
    m_wheelForwards->setChecked(!settings.DefIsMouseWheelZoomBackwards);

    // A folder's path needs room.
    m_fileLocation->setMinimumWidth(
        m_fileLocation->fontMetrics().horizontalAdvance(QString(36, 'x')));

    auto* page = new QVBoxLayout(this);
    QFormLayout* autoSave = AddFormGroup(tr("Auto Save"), page);
    autoSave->addRow(tr("File Location"), m_fileLocation);
    QFormLayout* updates = AddFormGroup(tr("Program Updates"), page);
    updates->addRow(tr("Check For Updates"), m_frequency);
    AlignLabelColumns({autoSave, updates});
    auto* startup = new QGroupBox(tr("Startup"));
    (new QVBoxLayout(startup))->addWidget(m_blankOnStartup);
    page->addWidget(startup);
    auto* wheel = new QGroupBox(tr("Mouse Wheel"));
    auto* wheelLayout = new QVBoxLayout(wheel);
    wheelLayout->addWidget(m_wheelBackwards);
    wheelLayout->addWidget(m_wheelForwards);
    page->addWidget(wheel);
    page->addStretch();
}

void CPreferencesPageCurrentSettings::Apply()
{
    m_settings.AutoSaveDirectory = StoredText(m_fileLocation->text());
    ChangeNotificationFrequency(
        m_settings, static_cast<NotificationFrequency>(m_frequency->currentIndex()), m_clock());
    m_settings.DefCreateBlankFileOnStartup = m_blankOnStartup->isChecked();
    m_settings.DefIsMouseWheelZoomBackwards = m_wheelBackwards->isChecked();
}

CPreferencesPageNetworkDefaults::CPreferencesPageNetworkDefaults(ProgramSettings& settings,
                                                                 QWidget* parent)
    : CPropertyPage(parent), m_settings(settings),
      m_threshold(new QLineEdit(QString::number(settings.DefCapacityAssessorThreshold)))
{
    m_threshold->setMaximumWidth(m_threshold->fontMetrics().horizontalAdvance("-000000") + 12);
    auto* page = new QVBoxLayout(this);
    AddFormGroup(tr("Capacity Assessors"), page)->addRow(tr(ThresholdText), m_threshold);
    page->addStretch();
}

std::optional<std::int32_t> CPreferencesPageNetworkDefaults::Threshold() const
{
    bool whole = false;
    const qlonglong threshold = m_threshold->text().trimmed().toLongLong(&whole);
    if (!whole || threshold < S::MinCapacityAssessorThreshold ||
        threshold > S::MaxCapacityAssessorThreshold)
        return std::nullopt;
    return static_cast<std::int32_t>(threshold);
}

std::optional<CPageRefusal> CPreferencesPageNetworkDefaults::Check()
{
    if (Threshold())
        return std::nullopt;
    return CPageRefusal{tr("The %1 must be a whole number from %2 to %3")
                            .arg(tr(ThresholdText))
                            .arg(S::MinCapacityAssessorThreshold)
                            .arg(S::MaxCapacityAssessorThreshold),
                        m_threshold};
}

void CPreferencesPageNetworkDefaults::Apply()
{
    m_settings.DefCapacityAssessorThreshold = Threshold().value();
}

CPreferencesPageAuthorDefaults::CPreferencesPageAuthorDefaults(ProgramSettings& settings,
                                                               QWidget* parent)
    : CPropertyPage(parent), m_settings(settings),
      m_author(new QLineEdit(EditText(settings.DefAuthor))),
      m_company(new QLineEdit(EditText(settings.DefCompany))),
      m_address(NewMultiLineEdit(settings.DefAddress))
{
    auto* page = new QVBoxLayout(this);
    QFormLayout* form = AddFormGroup(tr("Author"), page);
    form->addRow(tr("Author:"), m_author);
    form->addRow(tr("Company:"), m_company);
    form->addRow(tr("Address:"), m_address);
}

std::optional<CPageRefusal> CPreferencesPageAuthorDefaults::Check()
{
    NetworkSettings texts;
    texts.Author = StoredText(m_author->text());
    texts.Company = StoredText(m_company->text());
    texts.Address = StoredText(m_address->toPlainText());
    return UnstorableTextRefusal({}, texts, m_address);
}

void CPreferencesPageAuthorDefaults::Apply()
{
    m_settings.DefAuthor = StoredText(m_author->text());
    m_settings.DefCompany = StoredText(m_company->text());
    m_settings.DefAddress = StoredText(m_address->toPlainText());
}

CPreferencesPageGraphicalDefaults::CPreferencesPageGraphicalDefaults(ProgramSettings& settings,
                                                                     QWidget* parent)
    : CPropertyPage(parent), m_settings(settings),
      m_boxes(new CGraphicalSettingsBoxes(
          {settings.DefArmTextHeight, settings.DefZoneTextHeight, settings.DefODMatrixTextHeight,
           settings.DefCapacityAssessorTextHeight, settings.DefLabelTextHeight,
           settings.DefGridSize, settings.DefLaneFlowDelimiter}))
{
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_boxes);
    page->addStretch();
}

std::optional<CPageRefusal> CPreferencesPageGraphicalDefaults::Check()
{
    return m_boxes->Check();
}

void CPreferencesPageGraphicalDefaults::Apply()
{
    const CGraphicalSettings values = m_boxes->Values();
    m_settings.DefArmTextHeight = values.armTextHeight;
    m_settings.DefZoneTextHeight = values.zoneTextHeight;
    m_settings.DefODMatrixTextHeight = values.odMatrixTextHeight;
    m_settings.DefCapacityAssessorTextHeight = values.capacityAssessorTextHeight;
    m_settings.DefLabelTextHeight = values.labelTextHeight.value();
    m_settings.DefGridSize = values.gridSize;
    m_settings.DefLaneFlowDelimiter = values.laneFlowDelimiter;
}

CPreferencesPageCurrentDisplaySettings::CPreferencesPageCurrentDisplaySettings(
    ProgramSettings& settings, QWidget* parent)
    : CPropertyPage(parent), m_settings(settings)
{
    auto* colours = new QGroupBox(tr("Colours"));
    auto* colourForm = new QFormLayout(colours);
    for (std::size_t i = 0; i < ColourCount; ++i) {
        const QString text = tr(ColourSettings[i].text);
        m_colours[i] = new CColourSwatch(settings.*ColourSettings[i].field, text);
        colourForm->addRow(text, m_colours[i]);
    }

    auto* thicknesses = new QGroupBox(tr("Line Thicknesses"));
    auto* thicknessForm = new QFormLayout(thicknesses);
    for (std::size_t i = 0; i < ThicknessCount; ++i) {
        m_thicknesses[i] = new CMillimetreEdit(settings.*ThicknessSettings[i].field,
                                               S::MinLineThickness, S::MaxLineThickness);
        thicknessForm->addRow(tr(ThicknessSettings[i].text), m_thicknesses[i]);
    }

    auto* precisions = new QGroupBox(tr("Decimal Places"));
    auto* precisionGrid = new QGridLayout(precisions);
    for (std::size_t i = 0; i < PrecisionCount; ++i) {
        const int row = static_cast<int>(i);
        auto* label = new QLabel(tr(PrecisionSettings[i].text));
        precisionGrid->addWidget(label, row, 0);
        m_precisions[i] = new QButtonGroup(this);
        for (int places = S::MinFlowPrecision; places <= S::MaxFlowPrecision; ++places) {
            auto* button = new QRadioButton(tr("%1 d.p.").arg(places));
            m_precisions[i]->addButton(button, places);
            precisionGrid->addWidget(button, row, 1 + places);
            if (places == S::MinFlowPrecision)
                label->setBuddy(button);
        }
        if (QAbstractButton* set = m_precisions[i]->button(settings.*PrecisionSettings[i].field))
            set->setChecked(true);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(thicknesses);
    right->addWidget(precisions);
    right->addStretch();
    auto* page = new QHBoxLayout(this);
    page->addWidget(colours);
    page->addLayout(right);
}

void CPreferencesPageCurrentDisplaySettings::Apply()
{
    for (std::size_t i = 0; i < ColourCount; ++i)
        m_settings.*ColourSettings[i].field = m_colours[i]->Colour();
    for (std::size_t i = 0; i < ThicknessCount; ++i)
        m_settings.*ThicknessSettings[i].field = m_thicknesses[i]->Value();
    for (std::size_t i = 0; i < PrecisionCount; ++i)
        if (const int places = m_precisions[i]->checkedId(); places >= 0)
            m_settings.*PrecisionSettings[i].field = places;
}
