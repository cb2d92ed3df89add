// The pages of the program's own settings (ProgramSettings), as the three preference sheets
// show them.
#pragma once

#include "settings/program_settings.h"
#include "settings/property_sheet.h"
#include "update/update_notification_checker.h"

#include <array>

class CColourSwatch;
class CGraphicalSettingsBoxes;
class CMillimetreEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// "Current Program Settings": the auto-save folder, how often to look for program updates,
// a blank network at start-up and the mouse wheel's direction. A new update frequency is due
// its interval from the clock's now.
class CPreferencesPageCurrentSettings : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Current Program Settings";

    CPreferencesPageCurrentSettings(ProgramSettings& settings,
                                    CHTTPUpdateNotificationChecker::Clock clock,
                                    QWidget* parent = nullptr);
    void Apply() override;

private:
    ProgramSettings& m_settings;
    CHTTPUpdateNotificationChecker::Clock m_clock;
    QLineEdit* m_fileLocation;
    QComboBox* m_frequency;
    QCheckBox* m_blankOnStartup;
    QRadioButton* m_wheelBackwards;
    QRadioButton* m_wheelForwards;
};

// "Default Network Parameters": the threshold a new capacity assessor is proposed, a whole
// number its card can hold (-9999 to 99999); anything else is refused.
class CPreferencesPageNetworkDefaults : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Default Network Parameters";

    explicit CPreferencesPageNetworkDefaults(ProgramSettings& settings, QWidget* parent = nullptr);
    std::optional<CPageRefusal> Check() override;
    void Apply() override;

private:
    std::optional<std::int32_t> Threshold() const;

    ProgramSettings& m_settings;
    QLineEdit* m_threshold;
};

// "Default Author Information": the author, company and address a new network starts with;
// a text too long for a network file is refused.
class CPreferencesPageAuthorDefaults : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Default Author Information";

    explicit CPreferencesPageAuthorDefaults(ProgramSettings& settings, QWidget* parent = nullptr);
    std::optional<CPageRefusal> Check() override;
    void Apply() override;

private:
    ProgramSettings& m_settings;
    QLineEdit* m_author;
    QLineEdit* m_company;
    QPlainTextEdit* m_address;
};

// "Default Graphical Settings": the text heights and grid size of new networks (and the label
// text height of new labels), typed in millimetres and kept within 1.0 to 100.0 mm, and the
// lane flow delimiter.
class CPreferencesPageGraphicalDefaults : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Default Graphical Settings";

    explicit CPreferencesPageGraphicalDefaults(ProgramSettings& settings,
                                               QWidget* parent = nullptr);
    std::optional<CPageRefusal> Check() override;
    void Apply() override;

private:
    ProgramSettings& m_settings;
    CGraphicalSettingsBoxes* m_boxes;
};

// "Current Display Settings": the nine drawing colours, the six line thicknesses (0.1 to
// 10.0 mm) and the decimal places of route list, OD matrix and lane flows.
class CPreferencesPageCurrentDisplaySettings : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Current Display Settings";

    explicit CPreferencesPageCurrentDisplaySettings(ProgramSettings& settings,
                                                    QWidget* parent = nullptr);
    void Apply() override;

private:
    static constexpr std::size_t ColourCount = 9;
    static constexpr std::size_t ThicknessCount = 6;
    static constexpr std::size_t PrecisionCount = 3;

    ProgramSettings& m_settings;
    std::array<CColourSwatch*, ColourCount> m_colours{};
    std::array<CMillimetreEdit*, ThicknessCount> m_thicknesses{};
    std::array<QButtonGroup*, PrecisionCount> m_precisions{};
};
