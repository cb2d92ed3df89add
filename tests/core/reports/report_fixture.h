// A report over a generated three-leg roundabout, for the generation and golden-file tests.
#pragma once

#include "platform/text_measurer.h"
#include "reports/report_definition.h"
#include "reports/report_document.h"
#include "reports/report_generator.h"
#include "reports/report_source.h"
#include "roundabout.h"
#include "view/od_matrix_graphics.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace reporttest
{

// The text of a cell's first paragraph's first item, or "-".
inline std::string CellText(const CReportTableCell* cell)
{
    if (cell == nullptr || cell->GetBodies().empty())
        return "-";
    const auto* paragraph = dynamic_cast<const CReportParagraph*>(cell->GetBodies()[0].get());
    if (paragraph == nullptr || paragraph->GetDatas().empty())
        return "-";
    const auto* text = dynamic_cast<const CReportDataText*>(paragraph->GetDatas()[0].get());
    return text ? text->GetText() : "-";
}

inline int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Zones A, B and C; routes built, each with a flow of 40 + 10 x (number mod 5) in "AM Peak".
class CReportFixture : public testing::Test
{
protected:
    CReportFixture() { TestSupport::BuildRoundabout(ring, {3, 2, false}); }

    template <typename T> T& Add(ReportFragmentType type)
    {
        CReportFragments& fragments = report.GetFragments();
        return dynamic_cast<T&>(*fragments.AddFragment(type, fragments.GetCount() + 1));
    }
    std::uint32_t GroupId() const { return ring.group->GetId(); }

    std::unique_ptr<CReportDocument> Build() { return CReportGenerator(report, source).Build(); }
    std::string Rtf()
    {
        std::ostringstream out;
        CReportGenerator(report, source).Generate(out);
        return out.str();
    }

    TestSupport::CRoundabout ring;
    CReportDefinitions definitions;
    CReportDefinition& report = *definitions.AppendDefinition();
    CFixedWidthTextMeasurer measurer;
    CODMatrixGraphics odMatrix;
    ProgramSettings program;
    NetworkSettings networkSettings;
    CReportSource source{
        {ring.network, ring.labels, ring.printPages, odMatrix, {}, program, networkSettings},
        "/nets/ring.crs",
        measurer};
};

} // namespace reporttest
