// The flows matrix fragment.
#pragma once

#include "reports/flow_group_report_fragment_component.h"
#include "reports/report_fragment.h"

// The OD matrix of one flow group: desired, actual or difference flows, with 0 to 2 decimals.
// The precision is kept within 0..2 because it builds the number format: a precision read from
// a damaged card must not turn into a malformed format.
class CCarouselFlowsReportFragment : public CReportFragment,
                                     public CCarouselFlowGroupReportFragmentComponent
{
public:
    // The values are stored in RFFLO cards.
    enum class FlowMatrixKind : int
    {
        Desired = 0,
        Actual = 1,
        Difference = 2,
    };
    static constexpr int MinPrecision = 0;
    static constexpr int MaxPrecision = 2;
    static constexpr int DefaultPrecision = 1;

    CCarouselFlowsReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::FlowsMatrix; }
    void AddToReport(const CReportSource& source, CReportSection& section,
                     const CReportDefinition& definition) const override;

    FlowMatrixKind GetMatrixKind() const { return m_matrixKind; }
    void SetMatrixKind(FlowMatrixKind kind) { m_matrixKind = kind; }
    int GetPrecision() const { return m_precision; }
    // Clamped into 0..2.
    void SetPrecision(int precision);

private:
    FlowMatrixKind m_matrixKind = FlowMatrixKind::Desired;
    int m_precision = DefaultPrecision;
};
