// The flow bands of one lane: values with their colours, as the drawing reads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct CNumListEntry
{
    double value = 0.0;
    std::uint32_t colour = 0; // 0x00BBGGRR
    friend bool operator==(const CNumListEntry&, const CNumListEntry&) = default;
};

// An ordered list of {value, colour} entries with their running total. Zero values are kept:
// whether they are drawn is the drawing's choice.
class CNumList
{
public:
    void Add(double value, std::uint32_t colour)
    {
        m_entries.push_back({value, colour});
        m_total += value;
    }
    std::size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }
    const CNumListEntry& operator[](std::size_t index) const { return m_entries[index]; }
    double GetTotal() const { return m_total; }
    const std::vector<CNumListEntry>& GetEntries() const { return m_entries; }

private:
    std::vector<CNumListEntry> m_entries;
    double m_total = 0.0;
};
