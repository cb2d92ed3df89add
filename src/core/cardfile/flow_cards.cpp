// Cutting and building the flow group cards.
#include "cardfile/flow_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_fields.h"
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

namespace
{
using namespace cardfield;

// A time of day as "HH:MM".
struct CTimeCodec
{
    static void Append(std::string& out, const CCardConversion& conv, std::int64_t seconds,
                       std::string_view name)
    {
        AppendCardText(out, conv, CCardFlowGroup::FormatTime(seconds), name);
    }
    static void Read(const CCardFieldPlace& p, std::int64_t& seconds)
    {
        seconds = CCardFlowGroup::ParseTime(p.card.Field(p.column, p.width));
    }
};

constexpr CCardField<CCardFlowGroup> kFlowGroupFields[] = {
    Int<&CCardFlowGroup::number>("%5u", "flow group number"),
    Int<&CCardFlowGroup::routeFlowCount>("%5u", "route flow count"),
    Int<&CCardFlowGroup::odFlowCount>("%5u", "OD flow count"),
    MemberField<&CCardFlowGroup::start, CTimeCodec>(CCardTextConversion("%5s"), "start time"),
    MemberField<&CCardFlowGroup::end, CTimeCodec>(CCardTextConversion("%5s"), "end time"),
    Text<&CCardFlowGroup::description>("%s", "description"),
};

constexpr CCardField<CCardODFlow> kODFlowFields[] = {
    Int<&CCardODFlow::origin>("%5u", "origin zone"),
    Int<&CCardODFlow::destination>("%5u", "destination zone"),
    Int<&CCardODFlow::flow>("%5u", "desired flow"),
};

// An older card ends before the proportion.
constexpr std::size_t kProportionFrom = 38;
constexpr CCardField<CCardRouteFlow> kRouteFlowFields[] = {
    Int<&CCardRouteFlow::route>("%5u", "route number"),
    Real<&CCardRouteFlow::flow>("% 22.15f", "route flow"),
    Flag<&CCardRouteFlow::locked>("%5u", "locked"),
    Real<&CCardRouteFlow::proportion>("% 22.15f", "proportion").From(kProportionFrom),
};
} // namespace

CCardFlowGroup CCardFlowGroup::FromLine(std::string_view line)
{
    CCardFlowGroup group =
        ReadCardRecord<CCardFlowGroup>(ExpectNetworkCard(line, kKeyword), kFlowGroupFields);
    group.description = StoredDescription(group.description);
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
    return FormatCardFields<CCardFlowGroup>(kKeyword, kFlowGroupFields, *this);
}

void CCardFlowGroup::Apply(CFlowGroup& group) const
{
    group.SetDescription(description);
    group.SetStart(start);
    group.SetEnd(end);
}

CCardODFlow CCardODFlow::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardODFlow>(ExpectNetworkCard(line, kKeyword), kODFlowFields);
}

std::string CCardODFlow::Format() const
{
    return FormatCardFields<CCardODFlow>(kKeyword, kODFlowFields, *this);
}

CCardRouteFlow CCardRouteFlow::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardRouteFlow rf;
    ReadCardFields<CCardRouteFlow>(card, kRouteFlowFields, rf);
    rf.hasProportion = card.Length() >= kProportionFrom;
    return rf;
}

std::string CCardRouteFlow::Format() const
{
    return FormatCardFields<CCardRouteFlow>(kKeyword, kRouteFlowFields, *this);
}
