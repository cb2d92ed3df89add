// gyrolith-cli export-od and import-od: CSV out, CSV back in, and what a bad file leaves.
#include "external_tools.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

namespace fs = std::filesystem;
using TestSupport::ReadText;
using TestSupport::WriteText;

class CODCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = TestSupport::ScratchDir(
            std::string("od_cli_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    TestSupport::CCommandResult Cli(const std::string& args)
    {
        return TestSupport::Run(std::string(GYROLITH_CLI) + " " + args);
    }
    static std::string Example(const char* name)
    {
        return std::string(GYROLITH_SOURCE_DIR) + "/examples/" + name;
    }
    std::string In(const char* name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(CODCli, AnExampleReimportedFromItsExportSavesToTheSameBytes)
{
    for (const auto& [example, group] :
         {std::pair{"roundabout.crs", "1"}, std::pair{"crossroads.crs", "1"},
          std::pair{"crossroads.crs", "2"}}) {
        SCOPED_TRACE(std::string(example) + " flow group " + group);
        const std::string flowGroup = std::string(" --flow-group ") + group;
        const auto exported =
            Cli("export-od " + Example(example) + " -o " + In("od.csv") + flowGroup);
        ASSERT_EQ(exported.status, 0) << exported.output;
        EXPECT_EQ(exported.output, "");
        const std::string csv = ReadText(dir / "od.csv");
        EXPECT_TRUE(csv.starts_with(",A,B,C,D\r\nA,0,")) << csv;
        const auto imported = Cli("import-od " + Example(example) + " --csv " + In("od.csv") +
                                  " -o " + In("out.crs") + flowGroup);
        ASSERT_EQ(imported.status, 0) << imported.output;
        EXPECT_EQ(ReadText(dir / "out.crs"), ReadText(Example(example)));
    }
}

TEST_F(CODCli, ImportSetsTheNamedCellsOnly)
{
    WriteText(dir / "od.csv", "\xEF\xBB\xBF;D;B\r\nC;7;0\r\n");
    ASSERT_EQ(Cli("import-od " + Example("roundabout.crs") + " --csv " + In("od.csv") + " -o " +
                  In("out.crs"))
                  .status,
              0);
    ASSERT_EQ(Cli("export-od " + In("out.crs") + " -o " + In("after.csv")).status, 0);
    EXPECT_EQ(ReadText(dir / "after.csv"), ",A,B,C,D\r\n"
                                           "A,0,250,480,170\r\n"
                                           "B,300,0,200,520\r\n"
                                           "C,450,0,0,7\r\n"
                                           "D,180,510,240,0\r\n");
}

TEST_F(CODCli, ABadCsvExitsOneWithItsMessageAndLeavesOutAsItWas)
{
    WriteText(dir / "bad.csv", ",A,B\nA,1,2.5\n");
    WriteText(dir / "out.crs", "as it was");
    const auto bad = Cli("import-od " + Example("roundabout.crs") + " --csv " + In("bad.csv") +
                         " -o " + In("out.crs"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.output,
              In("bad.csv") + ": Line 2, column 3: \"2.5\" is not a whole number of 0 to 99999\n");
    EXPECT_EQ(ReadText(dir / "out.crs"), "as it was");

    const auto missing = Cli("import-od " + Example("roundabout.crs") + " --csv " + In("none.csv") +
                             " -o " + In("out.crs"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, "Cannot read the file " + In("none.csv") + "\n");
    const auto group = Cli("import-od " + Example("roundabout.crs") + " --csv " + In("bad.csv") +
                           " -o " + In("out.crs") + " --flow-group 9");
    EXPECT_EQ(group.status, 2);
    EXPECT_EQ(ReadText(dir / "out.crs"), "as it was");
}

} // namespace
