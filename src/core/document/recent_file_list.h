// The list of recently opened network files.
#pragma once

#include "settings/settings_store.h"

#include <cstddef>
#include <string>
#include <vector>

// Newest first, at most Size entries, no path twice. Kept in the settings store under
// "Recent File List" as "File1" ... "File5".
class CRecentFileList
{
public:
    static constexpr std::size_t Size = 5;
    static constexpr const char* Section = "Recent File List";

    // Puts path at the front, dropping an older entry of the same path and the oldest beyond Size.
    void Add(const std::string& path);
    // False when there is no entry at that index.
    bool Remove(std::size_t index);
    const std::vector<std::string>& GetEntries() const { return m_entries; }

    void Load(const CSettingsStore& store);
    bool Save(CSettingsStore& store) const;

private:
    std::vector<std::string> m_entries;
};
