// Cutting and building the structure cards of a network file.
#include "cardfile/network_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_fields.h"
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

namespace
{
using namespace cardfield;
using Env = CCardEnvironment;

constexpr CCardField<Env> kEnvironmentFields[] = {
    Int<&Env::viewCount>("%5i", "view count"),
    Int<&Env::labelCount>("%5i", "label count"),
    Int<&Env::armTextHeight>("%5i", "arm text height"),
    Int<&Env::zoneTextHeight>("%5i", "zone text height"),
    Int<&Env::capacityAssessorTextHeight>("%5i", "capacity assessor text height"),
    PositiveFlag<&Env::odMatrixShown>("%5i", "OD matrix shown"),
    Int<&Env::printPageCount>("%5i", "print page count"),
    Int<&Env::aggregation>("%5i", "lane flow aggregation"),
    Int<&Env::colouring>("%5i", "lane flow colouring"),
    PositiveFlag<&Env::zeroFlowsShown>("%5i", "zero flows shown"),
    Int<&Env::gridSize>("%5i", "grid size"),
    Written<Env>("%5i", "reserved", [](const Env&) { return -1LL; }),
    // The delimiter's length is counted in characters, as the columns are.
    Written<Env>(
        "%5i", "lane flow delimiter length",
        [](const Env& env) { return static_cast<long long>(CCardLine(env.delimiter).Length()); }),
    Text<&Env::delimiter>("%s", "lane flow delimiter").WrittenOnly(),
};

constexpr CCardField<CCardNet> kNetFields[] = {
    Int<&CCardNet::arms>("%5i", "arm count"),
    Int<&CCardNet::zones>("%5i", "zone count"),
    Int<&CCardNet::laneConnectors>("%5i", "lane connector count"),
    Int<&CCardNet::routes>("%5i", "route count"),
    Int<&CCardNet::odMovements>("%5i", "OD movement count"),
    Int<&CCardNet::capacityAssessors>("%5i", "capacity assessor count"),
    Int<&CCardNet::flowGroups>("%5i", "flow group count"),
};

// Right-justified when shorter; reading drops those blanks again.
struct CArmTextCodec : CTextCodec
{
    static void Read(const CCardFieldPlace& p, std::string& text)
    {
        std::string_view rest = p.card.Rest(p.column);
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
        text = std::string(rest);
    }
};

constexpr CCardField<CCardArm> kArmFields[] = {
    Int<&CCardArm::number>("%5i", "arm number"),
    Written<CCardArm>("%5i", "reserved", [](const CCardArm&) { return 0LL; }),
    Int<&CCardArm::laneCount>("%5i", "lane count"),
    MemberField<&CCardArm::text, CArmTextCodec>(CCardTextConversion("%5s"), "arm text"),
};

constexpr CCardField<CCardLane> kLaneFields[] = {
    Int<&CCardLane::number>("%5i", "lane number"),
    Int<&CCardLane::length>("%5i", "lane length"),
};

constexpr CCardField<CCardZone> kZoneFields[] = {
    Int<&CCardZone::entryArm>("%5i", "entry arm"),
    Int<&CCardZone::exitArm>("%5i", "exit arm"),
    Colour<&CCardZone::colour>("%10i", "colour"),
};

constexpr CCardField<CCardLaneConnector> kLaneConnectorFields[] = {
    Int<&CCardLaneConnector::fromLane>("%5i", "from lane"),
    Int<&CCardLaneConnector::fromArm>("%5i", "from arm"),
    Int<&CCardLaneConnector::toLane>("%5i", "to lane"),
    Int<&CCardLaneConnector::toArm>("%5i", "to arm"),
};

constexpr CCardField<CCardCapacityAssessor> kCapacityAssessorFields[] = {
    Int<&CCardCapacityAssessor::entryArm>("%5i", "entry arm"),
    Int<&CCardCapacityAssessor::circulatoryArm>("%5i", "circulatory arm"),
    Int<&CCardCapacityAssessor::threshold>("%5i", "threshold"),
};

// The route's head; its steps follow from column 20, twenty columns each.
constexpr CCardField<CCardRoute> kRouteFields[] = {
    PositiveFlag<&CCardRoute::permitted>("%5i", "permitted"),
    Written<CCardRoute>(
        "%5i", "connector count",
        [](const CCardRoute& route) { return static_cast<long long>(route.steps.size()); }),
    Written<CCardRoute>("%5i", "reserved", [](const CCardRoute&) { return 9999LL; }),
};

using Step = CCardRoute::CStep;
constexpr CCardField<Step> kRouteStepFields[] = {
    Int<&Step::fromArm>("%5i", "from arm"),
    Int<&Step::fromLane>("%5i", "from lane"),
    Int<&Step::toArm>("%5i", "to arm"),
    Int<&Step::toLane>("%5i", "to lane"),
};
} // namespace

CCardEnvironment CCardEnvironment::FromLine(std::string_view line,
                                            const std::string& defaultDelimiter)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardEnvironment env;
    ReadCardFields<Env>(card, kEnvironmentFields, env);
    if (env.gridSize == 0) {
        env.gridSize = 100;
    }
    // An older, shorter card has no delimiter; one of length 0 is empty.
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
    return FormatCardFields<Env>(kKeyword, kEnvironmentFields, *this);
}

CCardNet CCardNet::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardNet>(ExpectNetworkCard(line, kKeyword), kNetFields);
}

std::string CCardNet::Format() const
{
    return FormatCardFields<CCardNet>(kKeyword, kNetFields, *this);
}

CCardArm::CCardArm(const CArm& arm)
    : number(static_cast<int>(arm.GetNumber())),
      laneCount(static_cast<int>(arm.GetLanes().GetCount())), text(arm.GetText())
{}

CCardArm CCardArm::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardArm>(ExpectNetworkCard(line, kKeyword), kArmFields);
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
    return FormatCardFields<CCardArm>(kKeyword, kArmFields, *this);
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
    return ReadCardRecord<CCardLane>(ExpectNetworkCard(line, kKeyword), kLaneFields);
}

std::string CCardLane::Format() const
{
    return FormatCardFields<CCardLane>(kKeyword, kLaneFields, *this);
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
    return ReadCardRecord<CCardZone>(ExpectNetworkCard(line, kKeyword), kZoneFields);
}

std::string CCardZone::Format() const
{
    return FormatCardFields<CCardZone>(kKeyword, kZoneFields, *this);
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
    return ReadCardRecord<CCardLaneConnector>(ExpectNetworkCard(line, kKeyword),
                                              kLaneConnectorFields);
}

std::string CCardLaneConnector::Format() const
{
    return FormatCardFields<CCardLaneConnector>(kKeyword, kLaneConnectorFields, *this);
}

CCardCapacityAssessor::CCardCapacityAssessor(const CCapacityAssessor& assessor)
    : entryArm(ArmNumber(assessor.GetEntryArm())),
      circulatoryArm(ArmNumber(assessor.GetCirculatoryArm())), threshold(assessor.GetThreshold())
{}

CCardCapacityAssessor CCardCapacityAssessor::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardCapacityAssessor>(ExpectNetworkCard(line, kKeyword),
                                                 kCapacityAssessorFields);
}

std::string CCardCapacityAssessor::Format() const
{
    return FormatCardFields<CCardCapacityAssessor>(kKeyword, kCapacityAssessorFields, *this);
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
    ReadCardFields<CCardRoute>(card, kRouteFields, route);
    const int count = card.Int(10, 5);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 20 + 20 * static_cast<std::size_t>(i);
        if (at >= card.Length()) {
            // Every step past the end of the line reads as zeros and names no connector, so
            // one of them stands for the rest: a damaged count cannot make a huge route.
            route.steps.push_back({});
            break;
        }
        ReadCardFields<Step>(card, kRouteStepFields, route.steps.emplace_back(), at);
    }
    return route;
}

std::string CCardRoute::Format() const
{
    std::string line(kKeyword);
    line.reserve(20 + 20 * steps.size() + 1);
    AppendCardFields<CCardRoute>(line, kRouteFields, *this);
    for (const CStep& step : steps) {
        AppendCardFields<Step>(line, kRouteStepFields, step);
    }
    line += '\n';
    return line;
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
