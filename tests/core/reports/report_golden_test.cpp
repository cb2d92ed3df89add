// Reports compared byte for byte with the files checked in beside this test.
#include "../platform/support/external_tools.h"
#include "sample_reports.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace
{

// After a deliberate change to what reports hold, refresh the files with
//   GYROLITH_REFRESH_GOLDEN=1 build/tests/gyrolith_core_tests --gtest_filter='ReportGolden*'
// and look at the difference before committing it.
TEST(ReportGolden, SampleReportsAreTheCheckedInBytes)
{
    const bool refresh = std::getenv("GYROLITH_REFRESH_GOLDEN") != nullptr;
    const std::filesystem::path data =
        std::filesystem::path(GYROLITH_SOURCE_DIR) / "tests" / "core" / "reports" / "data";
    for (const reporttest::CSampleReport& report : reporttest::SampleReports()) {
        const std::filesystem::path golden = data / (report.name + ".rtf");
        if (refresh) {
            TestSupport::WriteText(golden, report.rtf);
            continue;
        }
        ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
        EXPECT_TRUE(report.rtf == TestSupport::ReadText(golden))
            << golden.string() << " differs; after a deliberate change refresh it with "
            << "GYROLITH_REFRESH_GOLDEN=1 build/tests/gyrolith_core_tests "
               "--gtest_filter='ReportGolden*'";
    }
}

} // namespace
