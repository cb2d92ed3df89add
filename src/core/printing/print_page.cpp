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
        CreatePageAt(m_pages.size());
    const auto index = static_cast<std::size_t>(position - 1);
    CPrintPage* page = CreatePageAt(index);
    Renumber(index);
    return page;
}

CPrintPage* CPrintPages::CreatePageAt(std::size_t index)
{
    auto page = std::make_unique<CPrintPage>(*this, m_nextId++, static_cast<int>(index) + 1);
    CPrintPage* raw = page.get();
    m_pages.insert(m_pages.begin() + static_cast<std::ptrdiff_t>(index), std::move(page));
    m_byId[raw->GetId()] = raw;
    return raw;
}

bool CPrintPages::RemovePage(int position)
{
    CPrintPage* page = GetPage(position);
    if (!page)
        return false;
    m_byId.erase(page->GetId());
    const auto index = static_cast<std::size_t>(position - 1);
    m_pages.erase(m_pages.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber(index);
    return true;
}

bool CPrintPages::RemovePageById(std::uint32_t id)
{
    const CPrintPage* page = GetPageById(id);
    return page && RemovePage(page->GetPosition());
}

bool CPrintPages::MovePage(int from, int to)
{
    if (!GetPage(from) || !GetPage(to))
        return false;
    const auto first = m_pages.begin() + (std::min(from, to) - 1);
    const auto last = m_pages.begin() + std::max(from, to);
    if (from < to)
        std::rotate(first, first + 1, last);
    else
        std::rotate(first, last - 1, last);
    Renumber(static_cast<std::size_t>(std::min(from, to) - 1));
    return true;
}

void CPrintPages::Clear()
{
    m_byId.clear();
    m_pages.clear();
}

CPrintPage* CPrintPages::GetPage(int position) const
{
    if (position < 1 || position > GetCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(position - 1)].get();
}

CPrintPage* CPrintPages::GetPageById(std::uint32_t id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

void CPrintPages::Renumber(std::size_t fromIndex)
{
    for (std::size_t i = fromIndex; i < m_pages.size(); ++i)
        m_pages[i]->m_position = static_cast<int>(i) + 1;
}
