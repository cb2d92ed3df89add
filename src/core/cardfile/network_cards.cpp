// Cutting and building the structure cards of a network file.
#include "cardfile/network_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_line.h"
#include "model/arm.h"
#include "model/capacity_assessor.h"
#include "model/capacity_lane.h"
#include "model/lane.h"
#include "model/lane_connector.h"
#include "model/network.h"
#include "model/zone.h"
#include "model/route.h"

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
    // Reading drops the blanks that right-justify a short text, and so any the text began with.
    if (!text.empty() && text.front() == ' ') {
        throw errCardFieldRefused("arm text", text,
                                  "The arm text \"" + text +
                                      "\" cannot be written: it starts "
                                      "with a blank");
    }
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

CCardCapacityAssessor::CCardCapacityAssessor(const CCapacityAssessor& assessor)
    : entryArm(ArmNumber(assessor.GetEntryArm())),
      circulatoryArm(ArmNumber(assessor.GetCirculatoryArm())), threshold(assessor.GetThreshold())
{}

CCardCapacityAssessor CCardCapacityAssessor::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardCapacityAssessor assessor;
    assessor.entryArm = card.Int(5, 5);
    assessor.circulatoryArm = card.Int(10, 5);
    assessor.threshold = card.Int(15, 5);
    return assessor;
}

std::string CCardCapacityAssessor::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", entryArm, "entry arm")
        .Field("%5i", circulatoryArm, "circulatory arm")
        .Field("%5i", threshold, "threshold")
        .Line();
}

void CCardCapacityAssessor::Apply(CCapacityAssessor& assessor, const CNetwork& network) const
{
    if (CArm* arm = ArmByNumber(network.GetArms(), entryArm)) {
        assessor.SetEntryArm(arm);
    }
    if (CArm* arm = ArmByNumber(network.GetArms(), circulatoryArm)) {
        assessor.SetCirculatoryArm(arm);
    }
    assessor.SetThreshold(threshold);
}

CCardRoute::CCardRoute(const CRoute& route) : permitted(route.IsPermitted())
{
    steps.reserve(route.GetConnectorCount());
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        const CCarouselLaneConnector* connector = route.GetConnector(i);
        const CLane* from = connector->GetFromLane();
        const CLane* to = connector->GetToLane();
        steps.push_back({ArmNumber(from->GetArm()), static_cast<int>(from->GetNumber()),
                         ArmNumber(to->GetArm()), static_cast<int>(to->GetNumber())});
    }
}

CCardRoute CCardRoute::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardRoute route;
    route.permitted = card.Int(5, 5) > 0;
    const int count = card.Int(10, 5);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 20 + 20 * static_cast<std::size_t>(i);
        if (at >= card.Length()) {
            // Every step past the end of the line reads as zeros and names no connector, so
            // one of them stands for the rest: a damaged count cannot make a huge route.
            route.steps.push_back({});
            break;
        }
        route.steps.push_back(
            {card.Int(at, 5), card.Int(at + 5, 5), card.Int(at + 10, 5), card.Int(at + 15, 5)});
    }
    return route;
}

std::string CCardRoute::Format() const
{
    CCardBuilder builder(kKeyword);
    builder.Field("%5i", permitted ? 1 : 0, "permitted")
        .Field("%5i", steps.size(), "connector count")
        .Field("%5i", 9999, "reserved");
    for (const CStep& step : steps) {
        builder.Field("%5i", step.fromArm, "from arm")
            .Field("%5i", step.fromLane, "from lane")
            .Field("%5i", step.toArm, "to arm")
            .Field("%5i", step.toLane, "to lane");
    }
    return builder.Line();
}

namespace
{
CLane* LaneByNumber(const CNetwork& network, int arm, int lane)
{
    const CArm* found = ArmByNumber(network.GetArms(), arm);
    return found != nullptr && lane > 0
               ? found->GetLanes().GetLane(static_cast<std::uint32_t>(lane))
               : nullptr;
}

std::string StepText(const CCardRoute::CStep& step)
{
    return "lane " + std::to_string(step.fromLane) + " of arm " + std::to_string(step.fromArm) +
           " to lane " + std::to_string(step.toLane) + " of arm " + std::to_string(step.toArm);
}
} // namespace

void CCardRoute::Apply(CRoute& route, const CNetwork& network) const
{
    route.SetPermitted(permitted);
    for (const CStep& step : steps) {
        CCarouselLaneConnector* connector = network.GetLaneConnectors().FindConnector(
            LaneByNumber(network, step.fromArm, step.fromLane),
            LaneByNumber(network, step.toArm, step.toLane));
        if (connector == nullptr) {
            throw errCorruptCardData("Route " + std::to_string(route.GetNumber()) +
                                     " uses a lane connector from " + StepText(step) +
                                     " that does not exist");
        }
        if (!route.IsEmpty() && connector->GetFromNode() != route.LastNode()) {
            throw errCorruptCardData("Route End Match Error");
        }
        route.AppendEdge(connector);
    }
}
