#include "settings/network_settings_pages.h"

#include "settings/edit_text.h"
#include "settings/graphical_settings_boxes.h"
#include "settings/page_parts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CNetworkSettingsPageJunctionInformation::CNetworkSettingsPageJunctionInformation(
    CProjectInformation& project, NetworkSettings& settings, QWidget* parent)
    : CPropertyPage(parent), m_project(project), m_settings(settings),
      m_projectName(new QLineEdit(EditText(project.projectName))),
      m_location(new QLineEdit(EditText(project.location))),
      m_scn(new QLineEdit(EditText(project.scn))), m_title(new QLineEdit(EditText(project.title))),
      m_notes(NewMultiLineEdit(project.notes)), m_author(new QLineEdit(EditText(settings.Author))),
      m_company(new QLineEdit(EditText(settings.Company))),
      m_address(NewMultiLineEdit(settings.Address))
{
    auto* page = new QVBoxLayout(this);
    QFormLayout* projectForm = AddFormGroup(tr("Project"), page);
    projectForm->addRow(tr("Project Name :"), m_projectName);
    projectForm->addRow(tr("Location :"), m_location);
    projectForm->addRow(tr("SCN."), m_scn);
    projectForm->addRow(tr("Title :"), m_title);
    projectForm->addRow(tr("Notes :"), m_notes);
    QFormLayout* authorForm = AddFormGroup(tr("Author"), page);
    authorForm->addRow(tr("Author :"), m_author);
    authorForm->addRow(tr("Company :"), m_company);
    authorForm->addRow(tr("Address :"), m_address);
    AlignLabelColumns({projectForm, authorForm});
}

void CNetworkSettingsPageJunctionInformation::ApplyTo(CProjectInformation& project,
                                                      NetworkSettings& settings) const
{
    project.projectName = StoredText(m_projectName->text());
    project.location = StoredText(m_location->text());
    project.scn = StoredText(m_scn->text());
    project.title = StoredText(m_title->text());
    project.notes = StoredText(m_notes->toPlainText());
    settings.Author = StoredText(m_author->text());
    settings.Company = StoredText(m_company->text());
    settings.Address = StoredText(m_address->toPlainText());
}

std::optional<CPageRefusal> CNetworkSettingsPageJunctionInformation::Check()
{
    CProjectInformation project;
    NetworkSettings settings;
    ApplyTo(project, settings);
    return UnstorableTextRefusal(project, settings, m_notes);
}

void CNetworkSettingsPageJunctionInformation::Apply()
{
    ApplyTo(m_project, m_settings);
}

CNetworkSettingsPageGraphicsSettings::CNetworkSettingsPageGraphicsSettings(
    NetworkSettings& settings, QWidget* parent)
    : CPropertyPage(parent), m_settings(settings),
      m_boxes(new CGraphicalSettingsBoxes({settings.ArmTextHeight, settings.ZoneTextHeight,
                                           settings.ODMatrixTextHeight,
                                           settings.CapacityAssessorTextHeight, std::nullopt,
                                           settings.GridSize, settings.LaneFlowDelimiter}))
{
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_boxes);
    page->addStretch();
}

std::optional<CPageRefusal> CNetworkSettingsPageGraphicsSettings::Check()
{
    return m_boxes->Check();
}

void CNetworkSettingsPageGraphicsSettings::Apply()
{
    const CGraphicalSettings values = m_boxes->Values();
    m_settings.ArmTextHeight = values.armTextHeight;
    m_settings.ZoneTextHeight = values.zoneTextHeight;
    m_settings.ODMatrixTextHeight = values.odMatrixTextHeight;
    m_settings.CapacityAssessorTextHeight = values.capacityAssessorTextHeight;
    m_settings.GridSize = values.gridSize;
    m_settings.LaneFlowDelimiter = values.laneFlowDelimiter;
}
