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
    return m_definitions.Insert(
        at, std::make_unique<CReportDefinition>(*this, m_definitions.NextId(), at, *m_factory));
}

bool CReportDefinitions::RemoveDefinition(int position)
{
    return m_definitions.Remove(position);
}

bool CReportDefinitions::RemoveDefinitionById(std::uint32_t id)
{
    return m_definitions.RemoveById(id);
}

bool CReportDefinitions::MoveDefinition(int from, int to)
{
    return m_definitions.Move(from, to);
}

void CReportDefinitions::Clear()
{
    m_definitions.Clear();
}

CReportDefinition* CReportDefinitions::GetDefinition(int position) const
{
    return m_definitions.Get(position);
}

CReportDefinition* CReportDefinitions::GetDefinitionById(std::uint32_t id) const
{
    return m_definitions.GetById(id);
}
