// Settings kept by QSettings.
#include "document/qt_settings_store.h"

#include <limits>

CQtSettingsStore::CQtSettingsStore(const QString& organisation, const QString& application)
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, organisation, application)
{}

CQtSettingsStore::CQtSettingsStore(const QString& iniFile)
    : m_settings(iniFile, QSettings::IniFormat)
{}

QString CQtSettingsStore::KeyPath(const std::string& section, const std::string& key)
{
    // QSettings separates groups with '/'; the registry's '\' means the same.
    QString path = QString::fromStdString(section);
    path.replace(u'\\', u'/');
    return path + u'/' + QString::fromStdString(key);
}

std::int32_t CQtSettingsStore::GetProfileInt(const std::string& section, const std::string& key,
                                             std::int32_t defaultValue) const
{
    const QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // An INI file gives every value back as text: a number is one that reads whole.
    bool ok = false;
    const qlonglong number = value.toString().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max())
        return defaultValue;
    // Colours are stored as their unsigned 32-bit pattern.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::string CQtSettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                               const std::string& defaultValue) const
{
    const QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString().toStdString();
}

bool CQtSettingsStore::WriteProfileInt(const std::string& section, const std::string& key,
                                       std::int32_t value)
{
    m_settings.setValue(KeyPath(section, key), value);
    return Written();
}

bool CQtSettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                          const std::string& value)
{
    m_settings.setValue(KeyPath(section, key), QString::fromStdString(value));
    return Written();
}

bool CQtSettingsStore::Written()
{
    return m_settings.status() == QSettings::NoError && m_settings.isWritable();
}

bool CQtSettingsStore::Sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
