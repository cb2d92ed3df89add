// Numbering of the fragments of a report.
#include "reports/report_fragments.h"

#include "reports/report_fragment_factory.h"

#include <algorithm>

CReportFragment* CReportFragments::AddFragment(ReportFragmentType type, int position)
{
    if (position < 1)
        return nullptr;
    const int at = std::min(position, GetCount() + 1);
    auto fragment = m_factory->CreateFragment(type, *this, m_nextId, at);
    if (!fragment)
        return nullptr;
    ++m_nextId;
    CReportFragment* raw = fragment.get();
    const auto index = static_cast<std::size_t>(at - 1);
    m_fragments.insert(m_fragments.begin() + static_cast<std::ptrdiff_t>(index),
                       std::move(fragment));
    m_byId[raw->GetId()] = raw;
    Renumber(index);
    return raw;
}

bool CReportFragments::RemoveFragment(int position)
{
    CReportFragment* fragment = GetFragment(position);
    if (!fragment)
        return false;
    m_byId.erase(fragment->GetId());
    const auto index = static_cast<std::size_t>(position - 1);
    m_fragments.erase(m_fragments.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber(index);
    return true;
}

bool CReportFragments::RemoveFragmentById(std::uint32_t id)
{
    const CReportFragment* fragment = GetFragmentById(id);
    return fragment && RemoveFragment(fragment->GetPosition());
}

bool CReportFragments::MoveFragment(int from, int to)
{
    if (!GetFragment(from) || !GetFragment(to))
        return false;
    const auto first = m_fragments.begin() + (std::min(from, to) - 1);
    const auto last = m_fragments.begin() + std::max(from, to);
    if (from < to)
        std::rotate(first, first + 1, last);
    else
        std::rotate(first, last - 1, last);
    Renumber(static_cast<std::size_t>(std::min(from, to) - 1));
    return true;
}

void CReportFragments::Clear()
{
    m_byId.clear();
    m_fragments.clear();
}

CReportFragment* CReportFragments::GetFragment(int position) const
{
    if (position < 1 || position > GetCount())
        return nullptr;
    return m_fragments[static_cast<std::size_t>(position - 1)].get();
}

CReportFragment* CReportFragments::GetFragmentById(std::uint32_t id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

void CReportFragments::Renumber(std::size_t fromIndex)
{
    for (std::size_t i = fromIndex; i < m_fragments.size(); ++i)
        m_fragments[i]->m_position = static_cast<int>(i) + 1;
}
