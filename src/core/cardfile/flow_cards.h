// The card records of a network file's flow groups: FLWGP, ODFLW and RTFLW.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CFlowGroup;

// FLWGP: a flow group's counts of RTFLW and ODFLW cards that follow, its times and its
// description. Times are stored as "HH:MM" and must be whole minutes of one day; a field
// without ":" reads as whole hours. A time read beyond one day is what the card says: the
// network reader takes it modulo a day (WithinOneDay). The description is read as at most 80
// characters, trimmed.
class CCardFlowGroup
{
public:
    static constexpr std::string_view kKeyword = "FLWGP";
    static constexpr std::size_t kMaxDescription = 80;

    int number = 0;
    int routeFlowCount = 0;
    int odFlowCount = 0;
    std::int64_t start = 0;
    std::int64_t end = 0;
    std::string description;

    CCardFlowGroup() = default;
    explicit CCardFlowGroup(const CFlowGroup& group);
    static CCardFlowGroup FromLine(std::string_view line);
    // Raises errCardFieldRefused for a time or description that would read back different.
    std::string Format() const;
    void Apply(CFlowGroup& group) const;

    static std::string FormatTime(std::int64_t seconds);
    static std::int64_t ParseTime(std::string_view text);
    // A hand-edited "25:00" or "-1:00" brought into the one day where the writer puts every
    // time.
    static std::int64_t WithinOneDay(std::int64_t seconds);
    // What a description reads back as: its first 80 characters, blanks trimmed at both ends.
    static std::string StoredDescription(std::string_view text);

    friend bool operator==(const CCardFlowGroup&, const CCardFlowGroup&) = default;
};

// ODFLW: the desired flow between two zones, by number; a whole number of 0 to 99999.
class CCardODFlow
{
public:
    static constexpr std::string_view kKeyword = "ODFLW";

    int origin = 0;
    int destination = 0;
    std::int64_t flow = 0;

    static CCardODFlow FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardODFlow&, const CCardODFlow&) = default;
};

// RTFLW: a route's flow, lock and coupled proportion in one flow group, by route number. A card
// shorter than 38 characters carries no proportion, which then stays at its default.
class CCardRouteFlow
{
public:
    static constexpr std::string_view kKeyword = "RTFLW";

    int route = 0;
    double flow = 0.0;
    bool locked = false;
    bool hasProportion = false;
    double proportion = -1.0;

    static CCardRouteFlow FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardRouteFlow&, const CCardRouteFlow&) = default;
};
