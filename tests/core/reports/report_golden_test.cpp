// Reports compared byte for byte with the files checked in beside this test.
#include "golden.h"
#include "sample_reports.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{

TEST(ReportGolden, SampleReportsAreTheCheckedInBytes)
{
    const std::filesystem::path data =
        std::filesystem::path(GYROLITH_SOURCE_DIR) / "tests" / "core" / "reports" / "data";
    for (const reporttest::CSampleReport& report : reporttest::SampleReports()) {
        TestSupport::ExpectSameAsGolden(data / (report.name + ".rtf"), report.rtf);
    }
}

} // namespace
