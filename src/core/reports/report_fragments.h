// The ordered fragments of one report definition.
#pragma once

#include "model/numbered_collection.h"
#include "reports/report_fragment.h"

#include <cstdint>

class CReportFragmentAbstractFactory;

// Fragments in report order, numbered from 1, with ids from 1001 that are never reused while
// the collection lives. Adding at a position beyond the end appends, so that fragments read
// with gaps in their numbering are kept rather than lost.
class CReportFragments
{
public:
    static constexpr std::uint32_t FirstId = 1001;

    explicit CReportFragments(const CReportFragmentAbstractFactory& factory) : m_factory(&factory)
    {}
    CReportFragments(const CReportFragments&) = delete;
    CReportFragments& operator=(const CReportFragments&) = delete;
    virtual ~CReportFragments() = default;

    // None when the position is below 1 or the factory does not know the type.
    CReportFragment* AddFragment(ReportFragmentType type, int position);
    bool RemoveFragment(int position);
    bool RemoveFragmentById(std::uint32_t id);
    // Moves the fragment at `from` to `to`, both within 1..count.
    bool MoveFragment(int from, int to);
    void Clear();

    int GetCount() const { return m_fragments.GetCount(); }
    // None when out of range or unknown.
    CReportFragment* GetFragment(int position) const;
    CReportFragment* GetFragmentById(std::uint32_t id) const;
    const CReportFragmentAbstractFactory& GetFactory() const { return *m_factory; }

private:
    CNumberedCollection<CReportFragment> m_fragments{FirstId};

    const CReportFragmentAbstractFactory* m_factory;
};
