// Report definitions: a title, a paper size and an ordered list of fragments each.
#pragma once

#include "model/numbered_collection.h"
#include "reports/paper_size.h"
#include "reports/report_fragment_factory.h"
#include "reports/report_fragments.h"

#include <cstdint>
#include <memory>
#include <string>

class CReportDefinitions;

// One report of the document. Its position in the report list shifts as reports before it come
// and go; its id is fixed while the list lives and is never stored. A new report is A4 and is
// titled "<Enter Report %d Title Here>" after the position it was created at.
class CReportDefinition
{
public:
    CReportDefinition(CReportDefinitions& owner, std::uint32_t id, int position,
                      const CReportFragmentAbstractFactory& factory);
    CReportDefinition(const CReportDefinition&) = delete;
    CReportDefinition& operator=(const CReportDefinition&) = delete;
    virtual ~CReportDefinition() = default;

    CReportFragments& GetFragments() { return m_fragments; }
    const CReportFragments& GetFragments() const { return m_fragments; }
    int GetPosition() const { return m_position; }
    std::uint32_t GetId() const { return m_id; }
    CReportDefinitions& GetOwner() const { return *m_owner; }

    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    PaperSize GetPaperSize() const { return m_paperSize; }
    void SetPaperSize(PaperSize paperSize) { m_paperSize = paperSize; }

    static std::string DefaultTitle(int position);

private:
    template <typename> friend class CNumberedCollection;

    CReportFragments m_fragments;
    int m_position;
    std::uint32_t m_id;
    CReportDefinitions* m_owner;
    std::string m_title;
    PaperSize m_paperSize = PaperSize::A4;
};

// The document's reports in list order, numbered from 1, with ids from 1001 that are never
// reused while the list lives, even after Clear. It holds the fragment factory every report
// uses. Adding at a position beyond the end appends.
class CReportDefinitions
{
public:
    static constexpr std::uint32_t FirstId = 1001;

    CReportDefinitions();
    explicit CReportDefinitions(std::unique_ptr<CReportFragmentAbstractFactory> factory);
    CReportDefinitions(const CReportDefinitions&) = delete;
    CReportDefinitions& operator=(const CReportDefinitions&) = delete;
    virtual ~CReportDefinitions();

    // None when the position is below 1.
    CReportDefinition* AddDefinition(int position);
    CReportDefinition* AppendDefinition() { return AddDefinition(GetCount() + 1); }
    bool RemoveDefinition(int position);
    bool RemoveDefinitionById(std::uint32_t id);
    // Moves the report at `from` to `to`, both within 1..count.
    bool MoveDefinition(int from, int to);
    void Clear();

    int GetCount() const { return m_definitions.GetCount(); }
    // None when out of range or unknown.
    CReportDefinition* GetDefinition(int position) const;
    CReportDefinition* GetDefinitionById(std::uint32_t id) const;
    const CReportFragmentAbstractFactory& GetFactory() const { return *m_factory; }

private:
    // Declared first so that it outlives the definitions that point at it.
    std::unique_ptr<CReportFragmentAbstractFactory> m_factory;
    CNumberedCollection<CReportDefinition> m_definitions{FirstId};
};
