// Cutting and building the flow group cards.
#include "cardfile/flow_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_line.h"
#include "cardfile/network_cards.h"
#include "model/flow_group.h"

#include <cstdio>

namespace
{
std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}
} // namespace

CCardFlowGroup::CCardFlowGroup(const CFlowGroup& group)
    : number(static_cast<int>(group.GetNumber())),
      routeFlowCount(static_cast<int>(group.GetRouteFlowRecords().size())),
      odFlowCount(static_cast<int>(group.GetDesiredFlowRecords().size())), start(group.GetStart()),
      end(group.GetEnd()), description(group.GetDescription())
{}

std::string CCardFlowGroup::FormatTime(std::int64_t t)
{
    const std::int64_t hours = t / 3600 - 24 * (t / 86400);
    const std::int64_t minutes = t / 60 - 60 * (t / 3600);
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes));
    return text;
}

std::int64_t CCardFlowGroup::ParseTime(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return static_cast<std::int64_t>(ParseCardInt(text)) * 3600;
    }
    return static_cast<std::int64_t>(ParseCardInt(text.substr(0, colon))) * 3600 +
           static_cast<std::int64_t>(ParseCardInt(text.substr(colon + 1))) * 60;
}

std::int64_t CCardFlowGroup::WithinOneDay(std::int64_t t)
{
    return (t % CFlowGroup::SecondsPerDay + CFlowGroup::SecondsPerDay) % CFlowGroup::SecondsPerDay;
}

std::string CCardFlowGroup::StoredDescription(std::string_view text)
{
    return std::string(Trim(CCardLine(text).Field(0, kMaxDescription)));
}

CCardFlowGroup CCardFlowGroup::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardFlowGroup group;
    group.number = card.Int(5, 5);
    group.routeFlowCount = card.Int(10, 5);
    group.odFlowCount = card.Int(15, 5);
    group.start = ParseTime(card.Field(20, 5));
    group.end = ParseTime(card.Field(25, 5));
    group.description = StoredDescription(card.Rest(30));
    return group;
}

std::string CCardFlowGroup::Format() const
{
    for (const std::int64_t t : {start, end}) {
        if (t < 0 || t >= 86400 || t % 60 != 0) {
            throw errCardFieldRefused("flow group time", std::to_string(t),
                                      "the time of " + std::to_string(t) +
                                          " seconds is not a whole minute of one day");
        }
    }
    if (CCardLine(description).Length() > kMaxDescription ||
        Trim(description).size() != description.size()) {
        throw errCardFieldRefused("flow group description", description,
                                  "the description \"" + description +
                                      "\" is longer than 80 characters or starts or ends "
                                      "with blanks");
    }
    return CCardBuilder(kKeyword)
        .Field("%5u", number, "flow group number")
        .Field("%5u", routeFlowCount, "route flow count")
        .Field("%5u", odFlowCount, "OD flow count")
        .Text("%5s", FormatTime(start), "start time")
        .Text("%5s", FormatTime(end), "end time")
        .Text("%s", description, "description")
        .Line();
}

void CCardFlowGroup::Apply(CFlowGroup& group) const
{
    group.SetDescription(description);
    group.SetStart(start);
    group.SetEnd(end);
}

CCardODFlow CCardODFlow::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardODFlow od;
    od.origin = card.Int(5, 5);
    od.destination = card.Int(10, 5);
    od.flow = card.Int(15, 5);
    return od;
}

std::string CCardODFlow::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5u", origin, "origin zone")
        .Field("%5u", destination, "destination zone")
        .Field("%5u", flow, "desired flow")
        .Line();
}

CCardRouteFlow CCardRouteFlow::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardRouteFlow rf;
    rf.route = card.Int(5, 5);
    rf.flow = card.Real(10, 22);
    rf.locked = card.Int(32, 5) != 0;
    if (card.Length() >= 38) {
        rf.hasProportion = true;
        rf.proportion = card.Real(37, 22);
    }
    return rf;
}

std::string CCardRouteFlow::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5u", route, "route number")
        .Field("% 22.15f", flow, "route flow")
        .Field("%5u", locked ? 1 : 0, "locked")
        .Field("% 22.15f", proportion, "proportion")
        .Line();
}
