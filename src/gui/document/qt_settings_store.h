// The per-user settings store of the desktop program, over QSettings.
#pragma once

#include "settings/settings_store.h"

#include <QSettings>

// Keeps values under the company and application names given (the registry on Windows, an INI
// file under the user's configuration folder elsewhere). A section may name sub-keys with a
// backslash ("Toolbars\Settings"), as the registry does. An INI file keeps every value as
// text, so there a string that reads as a whole number also reads as an integer; a value that
// is not one reads as the caller's default.
class CQtSettingsStore : public CSettingsStore
{
public:
    CQtSettingsStore(const QString& organisation, const QString& application);
    // Over a given file in INI form (tests).
    explicit CQtSettingsStore(const QString& iniFile);

    std::int32_t GetProfileInt(const std::string& section, const std::string& key,
                               std::int32_t defaultValue) const override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key,
                         std::int32_t value) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // Writes what is pending; false when the store could not be written.
    bool Sync();

private:
    static QString KeyPath(const std::string& section, const std::string& key);
    bool Written();

    mutable QSettings m_settings;
};
