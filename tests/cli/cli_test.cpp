// gyrolith-cli as users run it: exit statuses, stdout and stderr, and what it leaves on disk.
#include "../core/cardfile/case_name.h"
#include "../core/platform/support/external_tools.h"
#include "cardfile/carousel_file.h"
#include "example_networks.h"
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
#include <sys/wait.h>
#include <unistd.h>

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
        dir = fs::temp_directory_path() /
              ("gyrolith_cli_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    CRun Run(const std::string& args)
    {
        const fs::path out = dir / "stdout.txt";
        const fs::path err = dir / "stderr.txt";
        const std::string command = Quote(GYROLITH_CLI) + " " + args + " >" + Quote(out.string()) +
                                    " 2>" + Quote(err.string());
        const int raw = std::system(command.c_str());
        CRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadText(out);
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

TEST_F(CCli, BalanceWithBuildRoutesBalancesALayoutInPlace)
{
    const fs::path layout = Roundabout(false);
    EXPECT_TRUE(Show(layout)["routes"].empty());
    const CRun run = Run("balance " + P(layout) + " -o " + P(layout) + " --build-routes");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const nlohmann::json json = Show(layout);
    EXPECT_FALSE(json["routes"].empty());
    // Circular routes are still permitted here, and get their share.
    EXPECT_LT(LargestDifference(json), 1e-6);
}

TEST_F(CCli, BuildRoutesThenDisallowCircular)
{
    const fs::path layout = Roundabout(false);
    const fs::path built = dir / "built.crs";
    ASSERT_EQ(Run("build-routes " + P(layout) + " -o " + P(built)).status, 0);
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
}

TEST_F(CCli, BalanceOneArmOfAnotherFlowGroup)
{
    const fs::path layout = Roundabout(false);
    ASSERT_EQ(Run("build-routes " + P(layout) + " -o " + P(layout)).status, 0);
    ASSERT_EQ(Run("balance " + P(layout) + " -o " + P(layout) + " --arm 2 --flow-group 1").status,
              0);
    const nlohmann::json json = Show(layout, " --flow-group 1");
    const auto& origin = json["od"]["origin_totals"];
    EXPECT_NEAR(origin["actual"][1].get<double>(), origin["desired"][1].get<double>(), 1e-6);
    EXPECT_EQ(origin["actual"][0].get<double>(), 0.0); // arm 1 was not balanced
}

TEST_F(CCli, SaveRewritesAFileOfThisVersionUnchangedAndShowPrintsIt)
{
    const fs::path good = Roundabout();
    const fs::path copy = dir / "copy.crs";
    const CRun run = Run("save " + P(good) + " -o " + P(copy));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadText(copy), ReadText(good));
    const nlohmann::json json = Show(copy);
    EXPECT_EQ(json["arms"].size(), 12u);
    EXPECT_EQ(json["zones"][3]["name"], "D");
    EXPECT_EQ(json["flow_groups"][0]["description"], "AM Peak");
    EXPECT_EQ(json["flow_groups"][0]["current"], true);
    EXPECT_LT(LargestDifference(json), 1e-6);
    EXPECT_EQ(json["capacity_assessors"].size(), 4u);
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

struct CDamage
{
    const char* name;
    std::string (*damage)(const std::string& text);
    std::string message;
};

class CCliDamaged : public CCli, public ::testing::WithParamInterface<CDamage>
{};

// Every command refuses a damaged file the same way: status 1, the message on stderr, nothing
// on stdout and the output file left exactly as it was.
TEST_P(CCliDamaged, RefusedWithTheProgramsMessage)
{
    const fs::path bad = dir / "bad.crs";
    WriteText(bad, GetParam().damage(ReadText(Roundabout())));
    const fs::path out = dir / "out.crs";
    WriteText(out, "keep me");
    for (const std::string& command :
         {"show " + P(bad), "save " + P(bad) + " -o " + P(out),
          "balance " + P(bad) + " -o " + P(out) + " --build-routes",
          "build-routes " + P(bad) + " -o " + P(out),
          "disallow-circular " + P(bad) + " -o " + P(out), "export-emf " + P(bad) + " -o " + P(out),
          "export-dxf " + P(bad) + " -o " + P(out)}) {
        const CRun run = Run(command);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, GetParam().message) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(ReadText(out), "keep me") << command;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5)
        << "a temporary file was left behind";
}

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CCliDamaged,
    ::testing::Values(
        CDamage{"WrongKeyword",
                [](const std::string& text) { return ReplaceFirst(text, "\nARM", "\nMRA"); },
                Corrupt},
        CDamage{"Truncated",
                [](const std::string& text) { return text.substr(0, text.size() / 3); }, Corrupt},
        CDamage{"Empty", [](const std::string&) { return std::string(); }, Corrupt},
        CDamage{"Binary",
                [](const std::string&) {
                    return std::string("\x7f"
                                       "ELF\x02\x01",
                                       6);
                },
                Corrupt},
        CDamage{"LaterVersion",
                [](const std::string& text) {
                    return ReplaceFirst(ReplaceFirst(text, "SCHEM1.3", "SCHEM2.0"), "SVERS1.3.0",
                                        "SVERS2.0.1");
                },
                "The file was created on a later version of Gyrolith which is not compatible with "
                "this version.\nThe file was created on version 2.0.1 of Gyrolith\n"}),
    CaseName());

TEST_F(CCli, MissingFileIsAReadFailure)
{
    const fs::path missing = dir / "missing.crs";
    const CRun run = Run("show " + P(missing));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot open the file " + missing.string() + "\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(CCli, UnwritableOutputIsAWriteFailure)
{
    const fs::path out = dir / "no such folder" / "out.crs";
    for (const char* command : {"save", "export-emf", "export-dxf"}) {
        const CRun run = Run(command + (" " + P(Roundabout())) + " -o " + P(out));
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err.rfind("Cannot write the file " + out.string() + ": ", 0), 0u)
            << command << ": " << run.err;
        EXPECT_FALSE(fs::exists(out)) << command;
    }
}

TEST_F(CCli, BadUsageExitsWithTwo)
{
    const fs::path good = Roundabout();
    const fs::path out = dir / "out.crs";
    for (const std::string& args :
         {std::string("show"), "frobnicate " + P(good), "balance " + P(good),
          "save " + P(good) + " -o", "show " + P(good) + " --flow-group x",
          "balance " + P(good) + " -o " + P(out) + " --arm", "export-emf " + P(good),
          "export-dxf " + P(good) + " -o " + P(out) + " --flow-group x"}) {
        const CRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err, "") << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
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

TEST_F(CCli, ShippedRoundaboutIsBalanced)
{
    const nlohmann::json json = Show(fs::path(GYROLITH_SOURCE_DIR) / "examples" / "roundabout.crs");
    EXPECT_LT(LargestDifference(json), 1e-6);
    EXPECT_EQ(json["arms"][0]["lanes"].size(), 3u);
    // The sums of balanced route flows read as the whole numbers they are.
    EXPECT_EQ(json["arms"][0]["lanes"][1]["inflow"].dump(), "600.0");
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

struct CExport
{
    const char* name;
    const char* example;
    const char* command;
    const char* flowGroup; // the --flow-group option, or empty
};

class CCliExport : public CCli, public ::testing::WithParamInterface<CExport>
{};

// The shipped examples, drawn with the settings they store, read back by the real readers:
// every arm label, zone tag and label text is there, and every lane's two end texts carry
// the flows that `show` reports for the same flow group.
TEST_P(CCliExport, ReadersFindTheTextsOfEveryArmAndLane)
{
    const CExport& c = GetParam();
    const bool emf = std::string(c.command) == "export-emf";
    if (emf && !TestSupport::HaveExecutable("/usr/bin/emf2svg-conv")) {
        GTEST_SKIP() << "/usr/bin/emf2svg-conv is not installed (Debian package emf2svg)";
    }
    if (!emf && !TestSupport::HaveEzdxf()) {
        GTEST_SKIP() << "ezdxf for /usr/bin/python3 is not installed (python3-ezdxf)";
    }
    const fs::path network = fs::path(GYROLITH_SOURCE_DIR) / "examples" / c.example;
    const std::string flowGroup = *c.flowGroup ? std::string(" --flow-group ") + c.flowGroup : "";
    const fs::path out = dir / (emf ? "out.emf" : "out.dxf");
    const CRun run = Run(c.command + (" " + P(network)) + " -o " + P(out) + flowGroup);
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

INSTANTIATE_TEST_SUITE_P(
    Examples, CCliExport,
    ::testing::Values(CExport{"RoundaboutEmf", "roundabout.crs", "export-emf", ""},
                      CExport{"RoundaboutDxf", "roundabout.crs", "export-dxf", ""},
                      CExport{"CrossroadsPmPeakEmf", "crossroads.crs", "export-emf", "2"},
                      CExport{"CrossroadsPmPeakDxf", "crossroads.crs", "export-dxf", "2"}),
    CaseName());

} // namespace
