// Print pages, their zones and their numbering.
#include "printing/print_page.h"

#include <algorithm>
#include <cmath>

void CPrintZone::SetRect(int left, int top, int right, int bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

double CPrintZone::ClampScale(double scale)
{
    if (std::isnan(scale))
        return MinScale;
    return std::clamp(scale, MinScale, MaxScale);
}

CPrintPage::CPrintPage(CPrintPages& owner, std::uint32_t id, int position)
    : m_owner(&owner), m_position(position), m_id(id), m_printZone(*this)
{}

CPrintPage* CPrintPages::InsertPage(int position)
{
    if (position < 1 || position > MaxPages || GetCount() >= MaxPages)
        return nullptr;
    while (GetCount() + 1 < position)
        CreatePageAt(GetCount() + 1);
    return CreatePageAt(position);
}

CPrintPage* CPrintPages::CreatePageAt(int position)
{
    return m_pages.Insert(position,
                          std::make_unique<CPrintPage>(*this, m_pages.NextId(), position));
}

bool CPrintPages::RemovePage(int position)
{
    return m_pages.Remove(position);
}

bool CPrintPages::RemovePageById(std::uint32_t id)
{
    return m_pages.RemoveById(id);
}

bool CPrintPages::MovePage(int from, int to)
{
    return m_pages.Move(from, to);
}

void CPrintPages::Clear()
{
    m_pages.Clear();
}

CPrintPage* CPrintPages::GetPage(int position) const
{
    return m_pages.Get(position);
}

CPrintPage* CPrintPages::GetPageById(std::uint32_t id) const
{
    return m_pages.GetById(id);
}
