// Numbering of the fragments of a report.
#include "reports/report_fragments.h"

#include "reports/report_fragment_factory.h"

#include <algorithm>

CReportFragment* CReportFragments::AddFragment(ReportFragmentType type, int position)
{
    if (position < 1)
        return nullptr;
    const int at = std::min(position, GetCount() + 1);
    // The id is taken only when the factory knows the type.
    auto fragment = m_factory->CreateFragment(type, *this, m_fragments.PeekNextId(), at);
    if (!fragment)
        return nullptr;
    m_fragments.NextId();
    return m_fragments.Insert(at, std::move(fragment));
}

bool CReportFragments::RemoveFragment(int position)
{
    return m_fragments.Remove(position);
}

bool CReportFragments::RemoveFragmentById(std::uint32_t id)
{
    return m_fragments.RemoveById(id);
}

bool CReportFragments::MoveFragment(int from, int to)
{
    return m_fragments.Move(from, to);
}

void CReportFragments::Clear()
{
    m_fragments.Clear();
}

CReportFragment* CReportFragments::GetFragment(int position) const
{
    return m_fragments.Get(position);
}

CReportFragment* CReportFragments::GetFragmentById(std::uint32_t id) const
{
    return m_fragments.GetById(id);
}
