// Cutting and building the structure cards of a network file.
#include "cardfile/network_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_line.h"
#include "model/arm.h"
#include "model/capacity_lane.h"
#include "model/lane.h"
#include "model/lane_connector.h"
#include "model/network.h"
#include "model/zone.h"

#include <algorithm>

CCardLine ExpectNetworkCard(std::string_view line, std::string_view keyword)
{
    CCardLine card(line);
    card.ExpectKeyword(keyword, std::string());
    return card;
}

CCardEnvironment CCardEnvironment::FromLine(std::string_view line,
                                            const std::string& defaultDelimiter)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardEnvironment env;
    env.viewCount = card.Int(5, 5);
    env.labelCount = card.Int(10, 5);
    env.armTextHeight = card.Int(15, 5);
    env.zoneTextHeight = card.Int(20, 5);
    env.capacityAssessorTextHeight = card.Int(25, 5);
    env.odMatrixShown = card.Int(30, 5) > 0;
    env.printPageCount = card.Int(35, 5);
    env.aggregation = card.Int(40, 5);
    env.colouring = card.Int(45, 5);
    env.zeroFlowsShown = card.Int(50, 5) > 0;
    env.gridSize = card.Int(55, 5);
    if (env.gridSize == 0) {
        env.gridSize = 100;
    }
    env.reserved = card.Length() >= 65 ? card.Int(60, 5) : -1;
    if (card.Length() >= 70) {
        const int length = card.Int(65, 5);
        if (length > 0) {
            env.delimiter = std::string(card.Field(70, static_cast<std::size_t>(length)));
        }
    } else {
        env.delimiter = defaultDelimiter;
    }
    return env;
}

std::string CCardEnvironment::Format() const
{
    // The delimiter's length is counted in characters, as the columns are.
    const auto delimiterLength = static_cast<int>(CCardLine(delimiter).Length());
    return CCardBuilder(kKeyword)
        .Field("%5i", viewCount, "view count")
        .Field("%5i", labelCount, "label count")
        .Field("%5i", armTextHeight, "arm text height")
        .Field("%5i", zoneTextHeight, "zone text height")
        .Field("%5i", capacityAssessorTextHeight, "capacity assessor text height")
        .Field("%5i", odMatrixShown ? 1 : 0, "OD matrix shown")
        .Field("%5i", printPageCount, "print page count")
        .Field("%5i", aggregation, "lane flow aggregation")
        .Field("%5i", colouring, "lane flow colouring")
        .Field("%5i", zeroFlowsShown ? 1 : 0, "zero flows shown")
        .Field("%5i", gridSize, "grid size")
        .Field("%5i", -1, "reserved")
        .Field("%5i", delimiterLength, "lane flow delimiter length")
        .Text("%s", delimiter, "lane flow delimiter")
        .Line();
}

CCardNet CCardNet::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardNet net;
    net.arms = card.Int(5, 5);
    net.zones = card.Int(10, 5);
    net.laneConnectors = card.Int(15, 5);
    net.routes = card.Int(20, 5);
    net.odMovements = card.Int(25, 5);
    net.capacityAssessors = card.Int(30, 5);
    net.flowGroups = card.Int(35, 5);
    return net;
}

std::string CCardNet::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", arms, "arm count")
        .Field("%5i", zones, "zone count")
        .Field("%5i", laneConnectors, "lane connector count")
        .Field("%5i", routes, "route count")
        .Field("%5i", odMovements, "OD movement count")
        .Field("%5i", capacityAssessors, "capacity assessor count")
        .Field("%5i", flowGroups, "flow group count")
        .Line();
}

CCardArm::CCardArm(const CArm& arm)
    : number(static_cast<int>(arm.GetNumber())),
      laneCount(static_cast<int>(arm.GetLanes().GetCount())), text(arm.GetText())
{}

CCardArm CCardArm::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardArm arm;
    arm.number = card.Int(5, 5);
    arm.laneCount = card.Int(15, 5);
    std::string_view rest = card.Rest(20);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    arm.text = std::string(rest);
    return arm;
}

std::string CCardArm::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", number, "arm number")
        .Field("%5i", 0, "reserved")
        .Field("%5i", laneCount, "lane count")
        .Text("%5s", text, "arm text")
        .Line();
}

void CCardArm::Apply(CArm& arm) const
{
    arm.SetText(text);
}

CCardLane::CCardLane(const CLane& lane)
    : number(static_cast<int>(lane.GetNumber())), length(lane.GetLength())
{}

CCardLane CCardLane::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardLane lane;
    lane.number = card.Int(5, 5);
    lane.length = card.Int(10, 5);
    return lane;
}

std::string CCardLane::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", number, "lane number")
        .Field("%5i", length, "lane length")
        .Line();
}

void CCardLane::Apply(CLane& lane) const
{
    lane.SetLength(length);
}

namespace
{
int ArmNumber(const CArm* arm)
{
    return arm != nullptr ? static_cast<int>(arm->GetNumber()) : 0;
}

CArm* ArmByNumber(const CArms& arms, int number)
{
    return number > 0 ? arms.GetArm(static_cast<std::uint32_t>(number)) : nullptr;
}
} // namespace

CCardZone::CCardZone(const CZone& zone)
    : entryArm(ArmNumber(zone.GetEntryArm())), exitArm(ArmNumber(zone.GetExitArm())),
      colour(zone.GetColour())
{}

CCardZone CCardZone::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardZone zone;
    zone.entryArm = card.Int(5, 5);
    zone.exitArm = card.Int(10, 5);
    zone.colour = static_cast<std::uint32_t>(card.Int(15, 10));
    return zone;
}

std::string CCardZone::Format() const
{
    // Stored as the signed 32-bit value, so every colour fits ten columns and reads back.
    return CCardBuilder(kKeyword)
        .Field("%5i", entryArm, "entry arm")
        .Field("%5i", exitArm, "exit arm")
        .Field("%10i", static_cast<std::int32_t>(colour), "colour")
        .Line();
}

void CCardZone::Apply(CZone& zone) const
{
    CNetwork* network = zone.GetNetwork();
    if (network != nullptr) {
        if (CArm* arm = ArmByNumber(network->GetArms(), entryArm)) {
            zone.SetEntryArm(arm);
        }
        if (CArm* arm = ArmByNumber(network->GetArms(), exitArm)) {
            zone.SetExitArm(arm);
        }
    }
    zone.SetColour(colour);
}

CCardLaneConnector::CCardLaneConnector(const CLaneConnector& connector)
    : fromLane(static_cast<int>(connector.GetFromLane()->GetNumber())),
      fromArm(ArmNumber(connector.GetFromLane()->GetArm())),
      toLane(static_cast<int>(connector.GetToLane()->GetNumber())),
      toArm(ArmNumber(connector.GetToLane()->GetArm()))
{}

CCardLaneConnector CCardLaneConnector::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardLaneConnector connector;
    connector.fromLane = card.Int(5, 5);
    connector.fromArm = card.Int(10, 5);
    connector.toLane = card.Int(15, 5);
    connector.toArm = card.Int(20, 5);
    return connector;
}

std::string CCardLaneConnector::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", fromLane, "from lane")
        .Field("%5i", fromArm, "from arm")
        .Field("%5i", toLane, "to lane")
        .Field("%5i", toArm, "to arm")
        .Line();
}
