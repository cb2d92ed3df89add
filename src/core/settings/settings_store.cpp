// In-memory settings store.
#include "settings/settings_store.h"

std::int32_t CMemorySettingsStore::GetProfileInt(const std::string& section, const std::string& key,
                                                 std::int32_t defaultValue) const
{
    const auto it = m_values.find({section, key});
    if (it == m_values.end())
        return defaultValue;
    if (const auto* value = std::get_if<std::int32_t>(&it->second))
        return *value;
    return defaultValue;
}

std::string CMemorySettingsStore::GetProfileString(const std::string& section,
                                                   const std::string& key,
                                                   const std::string& defaultValue) const
{
    const auto it = m_values.find({section, key});
    if (it == m_values.end())
        return defaultValue;
    if (const auto* value = std::get_if<std::string>(&it->second))
        return *value;
    return defaultValue;
}

bool CMemorySettingsStore::WriteProfileInt(const std::string& section, const std::string& key,
                                           std::int32_t value)
{
    m_values[{section, key}] = value;
    return true;
}

bool CMemorySettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                              const std::string& value)
{
    m_values[{section, key}] = value;
    return true;
}

bool CMemorySettingsStore::HasValue(const std::string& section, const std::string& key) const
{
    return m_values.contains({section, key});
}

bool CMemorySettingsStore::Remove(const std::string& section, const std::string& key)
{
    return m_values.erase({section, key}) != 0;
}
