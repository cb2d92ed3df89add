// The base of every piece of content a report definition is made of.
#pragma once

#include <cstdint>
#include <string>

class CReportDefinition;
class CReportFragments;
class CReportSection;
struct CReportSource;

// The values are stored in REPF cards.
enum class ReportFragmentType : int
{
    NetworkDiagram = 0,
    FlowsMatrix = 1,
    RoutesList = 2,
    Header = 3,
    Footer = 4,
};

// One fragment of a report: a network diagram, a flows matrix, a routes list, a page header or
// a page footer. Its position (1-based within its report) shifts as fragments before it come
// and go; its id is fixed while the report lives and is never stored. A fragment starts with
// its type's name shown above it, in portrait.
class CReportFragment
{
public:
    CReportFragment(const CReportFragment&) = delete;
    CReportFragment& operator=(const CReportFragment&) = delete;
    virtual ~CReportFragment() = default;

    virtual ReportFragmentType GetType() const = 0;
    // Adds the fragment's content to the section of a report being generated from source.
    virtual void AddToReport(const CReportSource& source, CReportSection& section,
                             const CReportDefinition& definition) const = 0;

    CReportFragments& GetOwner() const { return *m_owner; }
    int GetPosition() const { return m_position; }
    std::uint32_t GetId() const { return m_id; }

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    bool GetShowFragmentName() const { return m_showFragmentName; }
    void SetShowFragmentName(bool show) { m_showFragmentName = show; }
    bool IsLandscape() const { return m_landscape; }
    void SetLandscape(bool landscape) { m_landscape = landscape; }

protected:
    CReportFragment(CReportFragments& owner, std::uint32_t id, int position, std::string name);

private:
    template <typename> friend class CNumberedCollection;

    int m_position;
    std::uint32_t m_id;
    std::string m_name;
    bool m_showFragmentName = true;
    CReportFragments* m_owner;
    bool m_landscape = false;
};
