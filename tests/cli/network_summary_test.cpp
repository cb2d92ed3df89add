// The plain-text summary: its tables line up, and they say what `show` says.
#include "example_networks.h"
#include "model/network.h"
#include "network_json.h"
#include "network_summary.h"
#include "text_table.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using Align = CTextTable::Align;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

TEST(TextTable, ColumnsLineUpAndAWideTableGoesInBlocksThatRepeatTheFirstColumn)
{
    CTextTable small({"Arm", "Label"}, {Align::Right, Align::Left});
    small.AddRow({"1", "Nord\xC3\xA9"});
    small.AddRow({"12", "S"});
    EXPECT_EQ(small.Format(), "  Arm  Label\n"
                              "    1  Nord\xC3\xA9\n"
                              "   12  S\n");

    std::vector<std::string> header{"Zone"};
    std::vector<std::string> row{"A"};
    for (int z = 0; z < 40; ++z) {
        header.push_back("Z" + std::to_string(z));
        row.push_back(std::to_string(z * 1000));
    }
    CTextTable wide(header, std::vector<Align>(header.size(), Align::Right));
    wide.AddRow(row);
    const std::vector<std::string> lines = Lines(wide.Format(60));
    std::size_t cells = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 60u) << lines[i];
        if (i % 3 == 0) {
            EXPECT_EQ(Words(lines[i])[0], "Zone");
            cells += Words(lines[i]).size() - 1;
        } else if (i % 3 == 1) {
            EXPECT_EQ(Words(lines[i])[0], "A");
        } else {
            EXPECT_EQ(lines[i], "") << "blocks are a blank line apart";
        }
    }
    EXPECT_EQ(cells, 40u) << "every column once";
}

// The lines of one titled table of the summary, header first.
std::vector<std::vector<std::string>> Table(const std::string& summary, const std::string& title)
{
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = Lines(summary);
    bool inside = false;
    for (const std::string& line : lines) {
        if (inside && line.empty()) {
            break;
        }
        if (inside) {
            rows.push_back(Words(line));
        }
        inside = inside || line.rfind(title, 0) == 0;
    }
    EXPECT_FALSE(rows.empty()) << title;
    return rows;
}

std::string Decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

TEST(NetworkSummary, SaysWhatShowSaysOfTheExampleRoundabout)
{
    CNetwork network;
    BuildRoundaboutExample(network);
    const CFlowGroup* group = network.GetCurrentFlowGroup();
    const nlohmann::ordered_json json = NetworkToJson(network, nullptr, group);
    const std::string summary = NetworkSummary(network, group);

    EXPECT_EQ(Lines(summary)[1], "Flows of flow group 1 of 1: AM Peak, 08:00 to 09:00");
    for (const auto& [title, key] :
         {std::pair{"Desired flows", "desired"}, std::pair{"Actual flows", "actual"},
          std::pair{"Difference", "difference"}}) {
        const auto matrix = Table(summary, title);
        ASSERT_EQ(matrix.size(), 2 + json["od"]["zones"].size()) << title;
        for (std::size_t o = 0; o < json["od"]["zones"].size(); ++o) {
            for (std::size_t d = 0; d < json["od"]["zones"].size(); ++d) {
                const auto& cell = json["od"][key][o][d];
                EXPECT_EQ(matrix[o + 1][d + 1],
                          cell.is_number_integer() ? cell.dump() : Decimal(cell.get<double>()))
                    << title;
            }
        }
    }

    const auto assessors = Table(summary, "Capacity assessors");
    ASSERT_EQ(assessors.size(), 1 + json["capacity_assessors"].size());
    for (std::size_t n = 0; n < json["capacity_assessors"].size(); ++n) {
        const auto& assessor = json["capacity_assessors"][n];
        const int threshold = assessor["threshold"];
        const int assessed = assessor["assessed_flow"];
        EXPECT_EQ(assessors[n + 1][3], std::to_string(threshold));
        EXPECT_EQ(assessors[n + 1][4], std::to_string(assessed));
        EXPECT_EQ(assessors[n + 1][5], std::to_string(threshold - assessed));
    }

    std::size_t permitted = 0;
    std::size_t all = 0;
    for (const auto& row : Table(summary, "Routes by origin")) {
        for (std::size_t i = 1; row[0] != "From" && i < row.size(); ++i) {
            if (row[i] != "-") {
                const std::size_t slash = row[i].find('/');
                permitted += std::stoul(row[i].substr(0, slash));
                all += std::stoul(row[i].substr(slash + 1));
            }
        }
    }
    std::size_t permittedInJson = 0;
    for (const auto& route : json["routes"]) {
        permittedInJson += route["permitted"].get<bool>() ? 1 : 0;
    }
    EXPECT_EQ(all, json["routes"].size());
    EXPECT_EQ(permitted, permittedInJson);
}

TEST(NetworkSummary, NoFlowGroupAndNoZonesStillReadWell)
{
    CNetwork network;
    network.GetArms().InsertArm(1)->GetLanes().InsertLane(1);
    EXPECT_EQ(NetworkSummary(network, nullptr),
              "1 arm, 0 zones, 0 lane connectors, 0 routes (0 permitted), 0 flow groups, 0 "
              "capacity assessors\n"
              "No flow group chosen: every flow reads 0\n"
              "\n"
              "Arms (lanes from the left; lengths in PCU, long: infinitely long)\n"
              "  Arm  Label  Kind         Lane lengths  Stop-line flows\n"
              "    1  1      unconnected  long          0.0\n");
}

} // namespace
