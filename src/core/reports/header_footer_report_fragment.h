// Page header and page footer fragments.
#pragma once

#include "reports/report_fragment.h"

// A page header or footer that every section of the report repeats. Whether it is a header is
// fixed by its class; by default it shows only the report title.
class CHeaderFooterReportFragment : public CReportFragment
{
public:
    bool IsHeader() const { return m_isHeader; }
    // Adds a header or footer to the section: the title, the file name, the date and the page
    // number, as shown, on lines with one right tab at 6 inches.
    void AddToReport(const CReportSource& source, CReportSection& section,
                     const CReportDefinition& definition) const override;

    bool GetShowFileName() const { return m_showFileName; }
    void SetShowFileName(bool show) { m_showFileName = show; }
    bool GetShowPath() const { return m_showPath; }
    void SetShowPath(bool show) { m_showPath = show; }
    bool GetShowDate() const { return m_showDate; }
    void SetShowDate(bool show) { m_showDate = show; }
    bool GetShowTime() const { return m_showTime; }
    void SetShowTime(bool show) { m_showTime = show; }
    bool GetShowPageNumber() const { return m_showPageNumber; }
    void SetShowPageNumber(bool show) { m_showPageNumber = show; }
    bool GetShowTitle() const { return m_showTitle; }
    void SetShowTitle(bool show) { m_showTitle = show; }

protected:
    CHeaderFooterReportFragment(bool isHeader, CReportFragments& owner, std::uint32_t id,
                                int position, std::string name);

private:
    bool m_isHeader;
    bool m_showFileName = false;
    bool m_showPath = false;
    bool m_showDate = false;
    bool m_showTime = false;
    bool m_showPageNumber = false;
    bool m_showTitle = true;
};

// The page header, named "Header" when added.
class CCarouselHeaderReportFragment : public CHeaderFooterReportFragment
{
public:
    CCarouselHeaderReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::Header; }
};

// The page footer, named "Footer" when added.
class CCarouselFooterReportFragment : public CHeaderFooterReportFragment
{
public:
    CCarouselFooterReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::Footer; }
};
