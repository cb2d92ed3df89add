// The pages of one network's settings: its project information and its graphics settings.
#pragma once

#include "cardfile/document_data.h"
#include "settings/network_settings.h"
#include "settings/property_sheet.h"

class CGraphicalSettingsBoxes;
class QLineEdit;
class QPlainTextEdit;

// "Project Information": the document's five project texts and the network's author, company
// and address, as plain text; a text too long for the network file is refused.
class CNetworkSettingsPageJunctionInformation : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Project Information";

    CNetworkSettingsPageJunctionInformation(CProjectInformation& project, NetworkSettings& settings,
                                            QWidget* parent = nullptr);
    std::optional<CPageRefusal> Check() override;
    void Apply() override;

private:
    void ApplyTo(CProjectInformation& project, NetworkSettings& settings) const;

    CProjectInformation& m_project;
    NetworkSettings& m_settings;
    QLineEdit* m_projectName;
    QLineEdit* m_location;
    QLineEdit* m_scn;
    QLineEdit* m_title;
    QPlainTextEdit* m_notes;
    QLineEdit* m_author;
    QLineEdit* m_company;
    QPlainTextEdit* m_address;
};

// "Network Graphics Settings": the network's text heights and grid size, typed in millimetres
// and kept within 1.0 to 100.0 mm, and its lane flow delimiter.
class CNetworkSettingsPageGraphicsSettings : public CPropertyPage
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Network Graphics Settings";

    explicit CNetworkSettingsPageGraphicsSettings(NetworkSettings& settings,
                                                  QWidget* parent = nullptr);
    std::optional<CPageRefusal> Check() override;
    void Apply() override;

private:
    NetworkSettings& m_settings;
    CGraphicalSettingsBoxes* m_boxes;
};
