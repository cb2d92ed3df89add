// gyrolith-cli as users run it: exit statuses, stdout and stderr, and what it leaves on disk.
#include "cardfile/carousel_file.h"
#include "example_networks.h"
#include "external_tools.h"
#include "reports/report_definition.h"
#include "routing/route_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace
{

namespace fs = std::filesystem;

const std::string Corrupt = "The File appears to be corrupt. Please consult Technical Support\n";

struct CRun
{
    int status = -1;
    std::string out;
    std::string err;
};

using TestSupport::ReadText;
using TestSupport::WriteText;

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class CCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = TestSupport::ScratchDir(
            std::string("cli_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    // stdout goes to a file of the test's folder unless another is named.
    CRun Run(const std::string& args, const fs::path& stdoutFile = {})
    {
        const fs::path out = stdoutFile.empty() ? dir / "stdout.txt" : stdoutFile;
        const fs::path err = dir / "stderr.txt";
        const std::string command = Quote(GYROLITH_CLI) + " " + args + " >" + Quote(out.string()) +
                                    " 2>" + Quote(err.string());
        const int raw = std::system(command.c_str());
        CRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = stdoutFile.empty() ? ReadText(out) : "";
        run.err = ReadText(err);
        return run;
    }
    // The sample roundabout, balanced; with `routes` false its routes are deleted, so that
    // the file holds the layout and the desired flows only.
    fs::path Roundabout(bool routes = true)
    {
        CDocumentData document;
        BuildRoundaboutExample(document.network);
        if (!routes) {
            DeleteAllRoutes(document.network);
        }
        const fs::path path = dir / (routes ? "roundabout.crs" : "layout.crs");
        SaveNetworkFile(path, document, NetworkSettings{});
        return path;
    }
    std::string P(const fs::path& path) { return Quote(path.string()); }
    // A shipped example, which carries a report.
    static fs::path ExampleFile(const std::string& name)
    {
        return fs::path(GYROLITH_SOURCE_DIR) / "examples" / name;
    }
    nlohmann::json Show(const fs::path& path, const std::string& extra = "")
    {
        const CRun run = Run("show " + P(path) + extra);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return nlohmann::json::parse(run.out);
    }
    static double LargestDifference(const nlohmann::json& json)
    {
        double largest = 0.0;
        for (const auto& row : json["od"]["difference"]) {
            for (const auto& cell : row) {
                largest = std::max(largest, std::fabs(cell.get<double>()));
            }
        }
        return largest;
    }

    fs::path dir;
};

// Each route command rewrites the file it is given; balance takes its arm and flow group.
TEST_F(CCli, RouteCommandsRewriteTheFile)
{
    const fs::path layout = Roundabout(false);
    const fs::path built = dir / "built.crs";
    ASSERT_EQ(Run("build-routes " + P(layout) + " -o " + P(built)).status, 0);
    const fs::path arm2 = dir / "arm2.crs";
    ASSERT_EQ(Run("balance " + P(built) + " -o " + P(arm2) + " --arm 2 --flow-group 1").status, 0);
    const nlohmann::json balanced = Show(arm2, " --flow-group 1");
    const auto& origin = balanced["od"]["origin_totals"];
    EXPECT_NEAR(origin["actual"][1].get<double>(), origin["desired"][1].get<double>(), 1e-6);
    EXPECT_EQ(origin["actual"][0].get<double>(), 0.0); // arm 1 was not balanced

    const nlohmann::json before = Show(built);
    ASSERT_EQ(Run("disallow-circular " + P(built) + " -o " + P(built)).status, 0);
    const nlohmann::json after = Show(built);
    ASSERT_EQ(before["routes"].size(), after["routes"].size());
    std::size_t circular = 0;
    for (std::size_t i = 0; i < after["routes"].size(); ++i) {
        EXPECT_TRUE(before["routes"][i]["permitted"].get<bool>());
        const bool isCircular = after["routes"][i]["circular"].get<bool>();
        circular += isCircular ? 1 : 0;
        EXPECT_EQ(after["routes"][i]["permitted"].get<bool>(), !isCircular);
    }
    EXPECT_GT(circular, 0u);

    EXPECT_TRUE(Show(layout)["routes"].empty());
    const CRun run = Run("balance " + P(layout) + " -o " + P(layout) + " --build-routes");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const nlohmann::json json = Show(layout);
    EXPECT_FALSE(json["routes"].empty());
    EXPECT_LT(LargestDifference(json), 1e-6);
}

TEST_F(CCli, SaveRewritesAFileOfThisVersionUnchangedAndShowPrintsIt)
{
    const fs::path good = Roundabout();
    const fs::path copy = dir / "copy.crs";
    const CRun run = Run("save " + P(good) + " -o " + P(copy));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadText(copy), ReadText(good));
    EXPECT_EQ(Show(copy)["arms"].size(), 12u);

    const nlohmann::json shipped = Show(ExampleFile("roundabout.crs"));
    EXPECT_LT(LargestDifference(shipped), 1e-6);
    // The sums of balanced route flows read as the whole numbers they are.
    EXPECT_EQ(shipped["arms"][0]["lanes"][1]["inflow"].dump(), "600.0");
}

// A value the reader brings into its field is reported on stderr; the file then saves.
TEST_F(CCli, SaveReportsTheValuesTheReaderChanged)
{
    const fs::path good = Roundabout();
    std::string text = ReadText(good);
    const std::size_t at = text.find("ODFLW    1    2");
    ASSERT_NE(at, std::string::npos);
    text.replace(at + 15, 5, "   -5");
    const fs::path edited = dir / "edited.crs";
    WriteText(edited, text);
    const int line = static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
    const CRun run = Run("save " + P(edited) + " -o " + P(edited));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "Line " + std::to_string(line) + ", ODFLW card: the desired flow -5 became 0\n");
    EXPECT_EQ(Run("save " + P(edited) + " -o " + P(edited)).err, "");
}

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Every command refuses a damaged file the same way: status 1, the message on stderr, nothing
// on stdout and the output file left exactly as it was. A damaged file's message is followed by
// where reading stopped and what it expected there; the reader's other messages are the
// document's tests.
TEST_F(CCli, DamagedFilesAreRefusedWithTheProgramsMessage)
{
    const std::string good = ReadText(Roundabout());
    const fs::path bad = dir / "bad.crs";
    const fs::path out = dir / "out.crs";
    WriteText(out, "keep me");
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {ReplaceFirst(good, "\nARM", "\nMRA"), Corrupt + "line 13: expected an ARM card\n"},
             {"", Corrupt + "line 1: the file ends where a SCHEM card was expected\n"},
             {std::string("\x7f"
                          "ELF\x02\x01",
                          6),
              Corrupt + "line 1: expected a SCHEM card\n"},
             {ReplaceFirst(ReplaceFirst(good, "SCHEM1.3", "SCHEM2.0"), "SVERS1.3.0", "SVERS2.0.1"),
              "The file was created on a later version of Gyrolith which is not compatible with "
              "this version.\nThe file was created on version 2.0.1 of Gyrolith\n"}}) {
        SCOPED_TRACE(message);
        WriteText(bad, text);
        for (const std::string& command :
             {"show " + P(bad), "save " + P(bad) + " -o " + P(out),
              "balance " + P(bad) + " -o " + P(out) + " --build-routes",
              "build-routes " + P(bad) + " -o " + P(out),
              "disallow-circular " + P(bad) + " -o " + P(out),
              "export-emf " + P(bad) + " -o " + P(out), "export-dxf " + P(bad) + " -o " + P(out)}) {
            const CRun run = Run(command);
            EXPECT_EQ(run.status, 1) << command;
            EXPECT_EQ(run.err, message) << command;
            EXPECT_EQ(run.out, "") << command;
            EXPECT_EQ(ReadText(out), "keep me") << command;
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5)
        << "a temporary file was left behind";
}

TEST_F(CCli, InputsThatAreNoNetworkFileSayWhy)
{
    const fs::path missing = dir / "missing.crs";
    for (const auto& [input, message] : std::vector<std::pair<fs::path, std::string>>{
             {missing, "Cannot open " + missing.string() + ": No such file or directory\n"},
             {dir, "Cannot open " + dir.string() + ": it is a folder, not a file\n"},
             // A device without line ends is given up after one card's length, not read on.
             {"/dev/zero",
              Corrupt +
                  "line 1: The line is longer than any card can be (over 32768 characters)\n"}}) {
        const CRun run = Run("show " + P(input));
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
}

// A refused OUT (the kinds are the atomic file's tests) is a write failure naming the file
// once, and nothing is written there.
TEST_F(CCli, OutputThatCannotBeWrittenIsAWriteFailure)
{
    const fs::path missing = dir / "no such folder" / "out.crs";
    const fs::path fifo = dir / "pipe.crs";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string withReport = P(ExampleFile("roundabout.crs")) + " --definition 1";
    for (const auto& [out, why] :
         {std::pair{missing, "its folder does not exist"},
          std::pair{fifo, "it is not a regular file (a device, pipe or socket)"}}) {
        for (const std::string& command :
             {"save " + P(Roundabout()), "export-emf " + P(Roundabout()),
              "export-dxf " + P(Roundabout()), "report " + withReport,
              "export-template " + withReport}) {
            const CRun run = Run(command + " -o " + P(out));
            EXPECT_EQ(run.status, 1) << command;
            EXPECT_EQ(run.err, "Cannot write " + out.string() + ": " + why + "\n") << command;
        }
    }
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// A script must not take half a result for a whole one.
TEST_F(CCli, ResultThatCannotBeWrittenToStdoutIsAFailure)
{
    const fs::path network = Roundabout();
    for (const std::string& command : {"show " + P(network), "summary " + P(network)}) {
        const CRun run = Run(command, "/dev/full");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "Cannot write the output: No space left on device\n") << command;
    }
}

TEST_F(CCli, VersionAndVerboseTalkOnlyWhenAsked)
{
    const CRun version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "gyrolith-cli 1.3.0\n");

    const fs::path network = Roundabout();
    const fs::path example = ExampleFile("roundabout.crs");
    const fs::path crs = dir / "out.crs";
    const fs::path emf = dir / "out.emf";
    const fs::path rtf = dir / "out.rtf";
    const fs::path rep = dir / "out.rep";
    const fs::path imported = dir / "imported.crs";
    const std::pair<std::string, fs::path> commands[] = {
        {"save " + P(network), crs},
        {"export-emf " + P(network), emf},
        {"report " + P(example) + " --definition 1", rtf},
        {"export-template " + P(example) + " --definition 1", rep},
        {"import-template " + P(example) + " " + P(rep), imported}};
    std::vector<std::string> told;
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        const auto& [args, out] = commands[i];
        EXPECT_EQ(Run(args + " -o " + P(out)).err, "") << args;
        // The option is taken before the command and after it.
        const CRun run = Run(i % 2 == 0 ? args + " -o " + P(out) + " --verbose"
                                        : "--verbose " + args + " -o " + P(out));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "") << args;
        told.push_back(run.err);
    }
    const std::string counts = " (12 arms, 4 zones, 116 routes, 1 flow group)\n";
    const auto bytes = [](const fs::path& file) {
        return std::to_string(fs::file_size(file)) + " bytes)\n";
    };
    EXPECT_EQ(told, (std::vector<std::string>{
                        "Wrote " + crs.string() + counts,
                        "Wrote " + emf.string() + " (enhanced metafile, " + bytes(emf),
                        "Wrote " + rtf.string() + " (report 1 as RTF, " + bytes(rtf),
                        "Wrote " + rep.string() + " (template of report 1, " + bytes(rep),
                        "Wrote " + imported.string() + counts}));
}

TEST_F(CCli, BadUsageExitsWithTwo)
{
    const fs::path good = Roundabout();
    const fs::path out = dir / "out.crs";
    for (const std::string& args :
         {std::string("show"), "frobnicate " + P(good), "balance " + P(good),
          "save " + P(good) + " -o", "save " + P(good) + " -o ''", std::string("show ''"),
          "show " + P(good) + " --flow-group x", "summary " + P(good) + " --flow-group x",
          "balance " + P(good) + " -o " + P(out) + " --arm", "export-emf " + P(good),
          "export-dxf " + P(good) + " -o " + P(out) + " --flow-group x",
          "report " + P(good) + " -o " + P(out), "report " + P(good) + " --definition 1 -o ''",
          "export-template " + P(good) + " --definition x -o " + P(out),
          "import-template " + P(good) + " '' -o " + P(out),
          "import-template " + P(good) + " -o " + P(out)}) {
        const CRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err, "") << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
    EXPECT_EQ(Run("save " + P(good) + " -o ''").err.rfind("--out: the file name is empty\n", 0),
              0u);
}

TEST_F(CCli, NumbersThatNameNothingAreBadUsageAndWriteNothing)
{
    const fs::path good = Roundabout();
    const fs::path out = dir / "out.crs";
    for (const auto& [args, message] : std::vector<std::pair<std::string, std::string>>{
             {"balance " + P(good) + " -o " + P(out) + " --flow-group 4", "flow group 4"},
             {"balance " + P(good) + " -o " + P(out) + " --arm 13", "arm 13"},
             {"show " + P(good) + " --flow-group 2", "flow group 2"},
             {"export-dxf " + P(good) + " -o " + P(out) + " --flow-group 2", "flow group 2"}}) {
        const CRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err, "The network has no " + message + "\n") << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
}

// report writes what Save writes, its header naming the network by its absolute path; an
// unknown report number is bad usage that lists the reports.
TEST_F(CCli, ReportOfAnExampleAndOfANumberThatNamesNone)
{
    const fs::path network = ExampleFile("roundabout.crs");
    const fs::path out = dir / "report.rtf";
    CRun run = Run("report " + P(network) + " --definition 1 -o " + P(out));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string rtf = ReadText(out);
    EXPECT_EQ(rtf.rfind("{\\rtf\\ansi\\deff0\r\n", 0), 0u);
    EXPECT_NE(rtf.find(" roundabout.crs\\f1"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');

    run = Run("report " + P(network) + " --definition 2 -o " + P(dir / "two.rtf"));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "The network has no report 2. Its reports are:\n"
                       "  1  Four-arm roundabout: AM Peak\n");
    EXPECT_FALSE(fs::exists(dir / "two.rtf"));
    run = Run("report " + P(Roundabout()) + " --definition 1 -o " + P(dir / "none.rtf"));
    EXPECT_EQ(run.err, "The network has no report 1. It has no reports.\n");
}

TEST_F(CCli, TemplateExportedFromOneNetworkMakesAReportInAnother)
{
    const fs::path examples = fs::path(GYROLITH_SOURCE_DIR) / "examples";
    const fs::path rep = dir / "ring.rep";
    CRun run =
        Run("export-template " + P(examples / "roundabout.crs") + " --definition 1 -o " + P(rep));
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path out = dir / "crossroads.crs";
    run = Run("import-template " + P(examples / "crossroads.crs") + " " + P(rep) + " -o " + P(out));
    ASSERT_EQ(run.status, 0) << run.err;
    NetworkSettings settings;
    const auto document = LoadNetworkFile(out, settings);
    ASSERT_EQ(document->reportDefinitions.GetCount(), 2);
    const CReportDefinition& made = *document->reportDefinitions.GetDefinition(2);
    EXPECT_EQ(made.GetTitle(), "<Enter Report 2 Title Here>");
    EXPECT_EQ(made.GetFragments().GetCount(), 6);

    TestSupport::WriteText(dir / "bad.rep", "REPTS    1 1234\r\n");
    const fs::path untouched = dir / "untouched.crs";
    run = Run("import-template " + P(examples / "crossroads.crs") + " " + P(dir / "bad.rep") +
              " -o " + P(untouched));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "The file is not a valid report template file. Please consult Technical Support\n");
    EXPECT_FALSE(fs::exists(untouched));

    run = Run("import-template " + P(examples / "crossroads.crs") + " " + P(dir / "none.rep") +
              " -o " + P(untouched));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Cannot open " + (dir / "none.rep").string() + ": No such file or directory\n");
    EXPECT_FALSE(fs::exists(untouched));
}

// The texts an outside reader finds in an exported drawing, with their repeats.
using CTexts = std::map<std::string, int>;

CTexts ReadEmf(const fs::path& emf)
{
    const fs::path svg = fs::path(emf).replace_extension(".svg");
    const TestSupport::CCommandResult run = TestSupport::Run(
        "/usr/bin/emf2svg-conv -i " + Quote(emf.string()) + " -o " + Quote(svg.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    CTexts texts;
    const std::string text = ReadText(svg);
    const std::string open = "<![CDATA[";
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        at += open.size();
        const std::size_t end = text.find("]]>", at);
        ++texts[text.substr(at, end - at)];
    }
    return texts;
}

CTexts ReadDxf(const fs::path& dxf)
{
    CTexts texts;
    const TestSupport::CCommandResult audit = TestSupport::AuditDxf(dxf);
    EXPECT_TRUE(TestSupport::AuditIsClean(audit)) << audit.output;
    std::istringstream lines(audit.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("TEXT ", 0) == 0) {
            ++texts[line.substr(5)];
        }
    }
    return texts;
}

class CCliExport : public CCli, public ::testing::WithParamInterface<const char*>
{};

// The crossroads drawn with the settings it stores for its second flow group (not the current
// one), read back by the real readers: every arm label, zone tag and label text is there, and
// every lane's two end texts carry the flows that `show` reports for that flow group.
TEST_P(CCliExport, ReadersFindTheTextsOfEveryArmAndLane)
{
    const bool emf = std::string(GetParam()) == "emf";
    if (emf && !TestSupport::HaveExecutable("/usr/bin/emf2svg-conv")) {
        GTEST_SKIP() << "/usr/bin/emf2svg-conv is not installed (Debian package emf2svg)";
    }
    if (!emf && !TestSupport::HaveEzdxf()) {
        GTEST_SKIP() << "ezdxf for /usr/bin/python3 is not installed (python3-ezdxf)";
    }
    const fs::path network = ExampleFile("crossroads.crs");
    const std::string flowGroup = " --flow-group 2";
    const fs::path out = dir / (std::string("out.") + GetParam());
    const CRun run =
        Run(std::string("export-") + GetParam() + " " + P(network) + " -o " + P(out) + flowGroup);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const CTexts read = emf ? ReadEmf(out) : ReadDxf(out);

    const nlohmann::json json = Show(network, flowGroup);
    std::map<std::string, int> expected;
    for (const auto& arm : json["arms"]) {
        ++expected[arm["label"].get<std::string>()];
        for (const auto& lane : arm["lanes"]) {
            for (const char* flow : {"inflow", "stop_line_flow"}) {
                char text[32];
                std::snprintf(text, sizeof text, "%.0f", lane[flow].get<double>());
                ++expected[text];
            }
        }
    }
    for (const auto& zone : json["zones"]) {
        ++expected[zone["name"].get<std::string>()]; // the plan tags zones by letter
    }
    for (const auto& label : json["labels"]) {
        ++expected[label["text"].get<std::string>()];
    }
    for (const auto& [text, count] : expected) {
        EXPECT_GE(read.count(text) ? read.at(text) : 0, count) << '"' << text << '"';
    }
}

// The roundabout's exports are golden files.
INSTANTIATE_TEST_SUITE_P(CrossroadsPmPeak, CCliExport, ::testing::Values("emf", "dxf"));

} // namespace
