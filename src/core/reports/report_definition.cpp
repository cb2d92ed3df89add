// Report definitions and their numbering.
#include "reports/report_definition.h"

#include <algorithm>

CReportDefinition::CReportDefinition(CReportDefinitions& owner, std::uint32_t id, int position,
                                     const CReportFragmentAbstractFactory& factory)
    : m_fragments(factory), m_position(position), m_id(id), m_owner(&owner),
      m_title(DefaultTitle(position))
{}

std::string CReportDefinition::DefaultTitle(int position)
{
    return "<Enter Report " + std::to_string(position) + " Title Here>";
}

CReportDefinitions::CReportDefinitions()
    : m_factory(std::make_unique<CCarouselReportFragmentFactory>())
{}

CReportDefinitions::CReportDefinitions(std::unique_ptr<CReportFragmentAbstractFactory> factory)
    : m_factory(factory ? std::move(factory) : std::make_unique<CCarouselReportFragmentFactory>())
{}

CReportDefinitions::~CReportDefinitions() = default;

CReportDefinition* CReportDefinitions::AddDefinition(int position)
{
    if (position < 1)
        return nullptr;
    const int at = std::min(position, GetCount() + 1);
    auto definition = std::make_unique<CReportDefinition>(*this, m_nextId++, at, *m_factory);
    CReportDefinition* raw = definition.get();
    const auto index = static_cast<std::size_t>(at - 1);
    m_definitions.insert(m_definitions.begin() + static_cast<std::ptrdiff_t>(index),
                         std::move(definition));
    m_byId[raw->GetId()] = raw;
    Renumber(index);
    return raw;
}

bool CReportDefinitions::RemoveDefinition(int position)
{
    CReportDefinition* definition = GetDefinition(position);
    if (!definition)
        return false;
    m_byId.erase(definition->GetId());
    const auto index = static_cast<std::size_t>(position - 1);
    m_definitions.erase(m_definitions.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber(index);
    return true;
}

bool CReportDefinitions::RemoveDefinitionById(std::uint32_t id)
{
    const CReportDefinition* definition = GetDefinitionById(id);
    return definition && RemoveDefinition(definition->GetPosition());
}

bool CReportDefinitions::MoveDefinition(int from, int to)
{
    if (!GetDefinition(from) || !GetDefinition(to))
        return false;
    const auto first = m_definitions.begin() + (std::min(from, to) - 1);
    const auto last = m_definitions.begin() + std::max(from, to);
    if (from < to)
        std::rotate(first, first + 1, last);
    else
        std::rotate(first, last - 1, last);
    Renumber(static_cast<std::size_t>(std::min(from, to) - 1));
    return true;
}

void CReportDefinitions::Clear()
{
    m_byId.clear();
    m_definitions.clear();
}

CReportDefinition* CReportDefinitions::GetDefinition(int position) const
{
    if (position < 1 || position > GetCount())
        return nullptr;
    return m_definitions[static_cast<std::size_t>(position - 1)].get();
}

CReportDefinition* CReportDefinitions::GetDefinitionById(std::uint32_t id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

void CReportDefinitions::Renumber(std::size_t fromIndex)
{
    for (std::size_t i = fromIndex; i < m_definitions.size(); ++i)
        m_definitions[i]->m_position = static_cast<int>(i) + 1;
}
