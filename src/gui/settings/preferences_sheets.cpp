#include "settings/preferences_sheets.h"

#include "settings/preferences_pages.h"

CPreferencesPropertySheet::CPreferencesPropertySheet(ProgramSettings& settings, QWidget* parent,
                                                     CHTTPUpdateNotificationChecker::Clock clock)
    : CPropertySheet(tr(Title), parent)
{
    AddPage(new CPreferencesPageCurrentSettings(settings, std::move(clock)),
            tr(CPreferencesPageCurrentSettings::Title));
}

CPreferencesDefaultsPropertySheet::CPreferencesDefaultsPropertySheet(ProgramSettings& settings,
                                                                     QWidget* parent)
    : CPropertySheet(tr(Title), parent)
{
    AddPage(new CPreferencesPageNetworkDefaults(settings),
            tr(CPreferencesPageNetworkDefaults::Title));
    AddPage(new CPreferencesPageAuthorDefaults(settings),
            tr(CPreferencesPageAuthorDefaults::Title));
    AddPage(new CPreferencesPageGraphicalDefaults(settings),
            tr(CPreferencesPageGraphicalDefaults::Title));
}

CPreferencesGraphicsPropertySheet::CPreferencesGraphicsPropertySheet(ProgramSettings& settings,
                                                                     QWidget* parent)
    : CPropertySheet(tr(Title), parent)
{
    AddPage(new CPreferencesPageCurrentDisplaySettings(settings),
            tr(CPreferencesPageCurrentDisplaySettings::Title));
}
