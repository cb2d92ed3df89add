// The card records of a network file's header and structure: SENV, NET, ARM, LANE, ZONE, LACON.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CArm;
class CCapacityAssessor;
class CLane;
class CLaneConnector;
class CNetwork;
class CRoute;
class CZone;

// SENV: the counts of views, labels and print pages, the text heights and grid size, the
// document's lane flow display settings and the lane flow delimiter. Reading fills in what an
// older, shorter card leaves out: grid size 0 reads as 100, a card shorter than 70 characters
// takes defaultDelimiter.
class CCardEnvironment
{
public:
    static constexpr std::string_view kKeyword = "SENV ";

    int viewCount = 0;
    int labelCount = 0;
    int armTextHeight = 0;
    int zoneTextHeight = 0;
    int capacityAssessorTextHeight = 0;
    bool odMatrixShown = false;
    int printPageCount = 0;
    int aggregation = 0;
    int colouring = 0;
    bool zeroFlowsShown = false;
    int gridSize = 100;
    std::string delimiter;

    static CCardEnvironment FromLine(std::string_view line, const std::string& defaultDelimiter);
    std::string Format() const;

    friend bool operator==(const CCardEnvironment&, const CCardEnvironment&) = default;
};

// NET: how many of each kind of object follow. The OD movement count is written for other
// readers and not used here.
class CCardNet
{
public:
    static constexpr std::string_view kKeyword = "NET  ";

    int arms = 0;
    int zones = 0;
    int laneConnectors = 0;
    int routes = 0;
    int odMovements = 0;
    int capacityAssessors = 0;
    int flowGroups = 0;

    static CCardNet FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardNet&, const CCardNet&) = default;
};

// ARM: the arm's lane count and its stored text. The text is written right-justified in five
// columns when shorter; reading drops those leading blanks again, so a short text reads back
// as it was.
class CCardArm
{
public:
    static constexpr std::string_view kKeyword = "ARM  ";

    int number = 0;
    int laneCount = 0;
    std::string text;

    CCardArm() = default;
    explicit CCardArm(const CArm& arm);
    static CCardArm FromLine(std::string_view line);
    std::string Format() const;
    void Apply(CArm& arm) const;

    friend bool operator==(const CCardArm&, const CCardArm&) = default;
};

// LANE: one lane's length in PCU (9999 for an infinitely long lane).
class CCardLane
{
public:
    static constexpr std::string_view kKeyword = "LANE ";

    int number = 0;
    int length = 0;

    CCardLane() = default;
    explicit CCardLane(const CLane& lane);
    static CCardLane FromLine(std::string_view line);
    std::string Format() const;
    void Apply(CLane& lane) const;

    friend bool operator==(const CCardLane&, const CCardLane&) = default;
};

// ZONE: entry and exit arm numbers (0 for none) and the colour. A number that names no arm
// leaves that link unset.
class CCardZone
{
public:
    static constexpr std::string_view kKeyword = "ZONE ";

    int entryArm = 0;
    int exitArm = 0;
    std::uint32_t colour = 0;

    CCardZone() = default;
    explicit CCardZone(const CZone& zone);
    static CCardZone FromLine(std::string_view line);
    std::string Format() const;
    void Apply(CZone& zone) const;

    friend bool operator==(const CCardZone&, const CCardZone&) = default;
};

// LACON: one lane connector, lane before arm on each side.
class CCardLaneConnector
{
public:
    static constexpr std::string_view kKeyword = "LACON";

    int fromLane = 0;
    int fromArm = 0;
    int toLane = 0;
    int toArm = 0;

    CCardLaneConnector() = default;
    explicit CCardLaneConnector(const CLaneConnector& connector);
    static CCardLaneConnector FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardLaneConnector&, const CCardLaneConnector&) = default;
};

// CAPAS: a capacity assessor's entry and circulatory arm numbers (0 for none) and its
// threshold. The POINT card with its position follows it in the file.
class CCardCapacityAssessor
{
public:
    static constexpr std::string_view kKeyword = "CAPAS";

    int entryArm = 0;
    int circulatoryArm = 0;
    int threshold = 0;

    CCardCapacityAssessor() = default;
    explicit CCardCapacityAssessor(const CCapacityAssessor& assessor);
    static CCardCapacityAssessor FromLine(std::string_view line);
    std::string Format() const;
    // Entry arm first, then circulatory arm; a number that names no arm (or an arm that
    // already carries another assessor) leaves that link unset.
    void Apply(CCapacityAssessor& assessor, const CNetwork& network) const;

    friend bool operator==(const CCardCapacityAssessor&, const CCardCapacityAssessor&) = default;
};

// ROUTE: whether the route is permitted and its lane connectors in route order, each as
// from-arm, from-lane, to-arm, to-lane numbers (arm first, unlike LACON).
class CCardRoute
{
public:
    static constexpr std::string_view kKeyword = "ROUTE";

    struct CStep
    {
        int fromArm = 0;
        int fromLane = 0;
        int toArm = 0;
        int toLane = 0;

        friend bool operator==(const CStep&, const CStep&) = default;
    };

    bool permitted = true;
    std::vector<CStep> steps;

    CCardRoute() = default;
    explicit CCardRoute(const CRoute& route);
    static CCardRoute FromLine(std::string_view line);
    std::string Format() const;
    // Appends the connectors to an empty route. A step that names no existing connector
    // raises errCorruptCardData; steps that do not join end to end raise errCorruptCardData
    // "Route End Match Error". Either way the route is left part built for the caller to drop.
    void Apply(CRoute& route, const CNetwork& network) const;

    friend bool operator==(const CCardRoute&, const CCardRoute&) = default;
};

// Parses a line whose keyword must be keyword; errExpectedCardNotFound with an empty message
// otherwise, as every network card reports it.
class CCardLine;
CCardLine ExpectNetworkCard(std::string_view line, std::string_view keyword);
