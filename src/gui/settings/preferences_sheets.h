// The three sheets of the program's own settings: "Options", "Default Options For New Files"
// and "Graphics Options".
#pragma once

#include "settings/program_settings.h"
#include "settings/property_sheet.h"
#include "update/update_notification_checker.h"

// "Options": the "Current Program Settings" page. A changed update frequency is due its
// interval from the clock's now.
class CPreferencesPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Options";

    explicit CPreferencesPropertySheet(ProgramSettings& settings, QWidget* parent = nullptr,
                                       CHTTPUpdateNotificationChecker::Clock clock =
                                           CHTTPUpdateNotificationChecker::SystemSeconds);
};

// "Default Options For New Files": the defaults a new network, label or capacity assessor
// starts from. The networks already open keep their own settings.
class CPreferencesDefaultsPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Default Options For New Files";

    explicit CPreferencesDefaultsPropertySheet(ProgramSettings& settings,
                                               QWidget* parent = nullptr);
};

// "Graphics Options": the current display settings. They apply to whatever is shown, so the
// caller redraws every view after ExecAndApply().
class CPreferencesGraphicsPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Graphics Options";

    explicit CPreferencesGraphicsPropertySheet(ProgramSettings& settings,
                                               QWidget* parent = nullptr);
};
