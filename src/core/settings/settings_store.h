// The per-user key-value store that program settings persist in between runs.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>

// A per-user store of values addressed by section and key, each value a 32-bit integer or a
// string. Reads never fail: a missing value, or one stored with the other type, yields the
// caller's default. The GUI implements it over QSettings; tests use CMemorySettingsStore.
class CSettingsStore
{
public:
    virtual ~CSettingsStore() = default;

    virtual std::int32_t GetProfileInt(const std::string& section, const std::string& key,
                                       std::int32_t defaultValue) const = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const = 0;
    // False when the store could not take the value.
    virtual bool WriteProfileInt(const std::string& section, const std::string& key,
                                 std::int32_t value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

// A settings store held in memory. Section and key names are compared exactly (case matters),
// so a misspelt name reads back as missing. A write replaces the value and its type.
class CMemorySettingsStore : public CSettingsStore
{
public:
    std::int32_t GetProfileInt(const std::string& section, const std::string& key,
                               std::int32_t defaultValue) const override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key,
                         std::int32_t value) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    bool HasValue(const std::string& section, const std::string& key) const;
    bool Remove(const std::string& section, const std::string& key);
    std::size_t GetCount() const { return m_values.size(); }
    void Clear() { m_values.clear(); }

private:
    using Value = std::variant<std::int32_t, std::string>;
    std::map<std::pair<std::string, std::string>, Value> m_values;
};
