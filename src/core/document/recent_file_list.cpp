// Recent files: newest first, five at most.
#include "document/recent_file_list.h"

#include <algorithm>

namespace
{
std::string EntryKey(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}
} // namespace

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > Size)
        m_entries.resize(Size);
}

bool CRecentFileList::Remove(std::size_t index)
{
    if (index >= m_entries.size())
        return false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void CRecentFileList::Load(const CSettingsStore& store)
{
    m_entries.clear();
    for (std::size_t i = 0; i < Size; ++i) {
        std::string path = store.GetProfileString(Section, EntryKey(i), "");
        if (!path.empty() && std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end())
            m_entries.push_back(std::move(path));
    }
}

bool CRecentFileList::Save(CSettingsStore& store) const
{
    bool written = true;
    for (std::size_t i = 0; i < Size; ++i)
        written = store.WriteProfileString(Section, EntryKey(i),
                                           i < m_entries.size() ? m_entries[i] : std::string()) &&
                  written;
    return written;
}
