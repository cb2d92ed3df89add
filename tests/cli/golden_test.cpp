// The drawings of both examples as kept in tests/golden: any change to what an export writes
// shows up here first, byte for byte.
#include "case_name.h"
#include "external_tools.h"
#include "golden.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{
using TestSupport::PrintTo;

namespace fs = std::filesystem;

struct CGoldenCase
{
    const char* name;
    const char* example;
    const char* command;
    const char* file;
};

class Golden : public ::testing::TestWithParam<CGoldenCase>
{};

TEST_P(Golden, ExportIsTheKeptFile)
{
    const CGoldenCase& c = GetParam();
    const fs::path out = TestSupport::ScratchDir("golden") / c.file;
    const TestSupport::CCommandResult run =
        TestSupport::Run(std::string(GYROLITH_CLI) + " " + c.command + " " + GYROLITH_SOURCE_DIR +
                         "/examples/" + c.example + " -o " + out.string());
    ASSERT_EQ(run.status, 0) << run.output;
    TestSupport::ExpectSameAsGolden(c.file, TestSupport::ReadText(out));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Golden,
    ::testing::Values(
        CGoldenCase{"RoundaboutEmf", "roundabout.crs", "export-emf", "roundabout.emf"},
        CGoldenCase{"RoundaboutDxf", "roundabout.crs", "export-dxf", "roundabout.dxf"},
        CGoldenCase{"CrossroadsEmf", "crossroads.crs", "export-emf", "crossroads.emf"},
        CGoldenCase{"CrossroadsDxf", "crossroads.crs", "export-dxf", "crossroads.dxf"}),
    CaseName());

} // namespace
