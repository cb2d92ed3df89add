#include "settings/network_settings_property_sheet.h"

#include "document/carousel_doc.h"
#include "settings/network_settings_pages.h"

CNetworkSettingsPropertySheet::CNetworkSettingsPropertySheet(CCarouselDoc& document, EPage page,
                                                             QWidget* parent)
    : CPropertySheet(tr(Title), parent), m_document(document),
      m_project(document.GetProjectInformation()), m_settings(document.GetNetworkSettings())
{
    switch (page) {
    case EPage::ProjectInformation:
        AddPage(new CNetworkSettingsPageJunctionInformation(m_project, m_settings),
                tr(CNetworkSettingsPageJunctionInformation::Title));
        break;
    case EPage::GraphicsSettings:
        AddPage(new CNetworkSettingsPageGraphicsSettings(m_settings),
                tr(CNetworkSettingsPageGraphicsSettings::Title));
        break;
    }
}

bool CNetworkSettingsPropertySheet::OnApplied()
{
    // The document refuses, with its own message, what its file could not hold.
    return m_document.EditNetworkSettings(m_project, m_settings);
}
