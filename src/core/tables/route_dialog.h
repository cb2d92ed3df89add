// The "Edit Route" property sheet without its window: the flow page and the "Coupled Flow
// Proportions" page.
#pragma once

#include "model/validation.h"
#include "routing/route_commands.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CFlowGroup;
class CNetwork;
class CRoute;

// The flow page: where the route runs (a missing zone shows as "-"), its flow in the current
// flow group written with the route flow precision, or 5 decimals while "Show all d.p." is
// ticked, and "Lock this flow value when balancing". OK needs a finite flow of less than 100000
// in size, which the network file holds.
class CRouteFlowPageModel
{
public:
    static constexpr double FlowLimit = 100000.0;
    static constexpr const char* SheetTitle = "Edit Route";
    static constexpr const char* FlowCaption = "Flow (PCU/Time Period)";
    static constexpr const char* LockBox = "Lock this flow value when balancing";
    static constexpr const char* ShowAllBox = "Show all d.p.";

    CRouteFlowPageModel(const CRoute& route, const CFlowGroup& group, int flowPrecision);

    // The route's number, zones (by letter), arms (by label) and lanes ("%i"), origin first.
    const std::string& GetRouteText() const { return m_routeText; }
    const std::string& GetOriginZoneText() const { return m_originZone; }
    const std::string& GetOriginArmText() const { return m_originArm; }
    const std::string& GetOriginLaneText() const { return m_originLane; }
    const std::string& GetDestinationZoneText() const { return m_destinationZone; }
    const std::string& GetDestinationArmText() const { return m_destinationArm; }
    const std::string& GetDestinationLaneText() const { return m_destinationLane; }

    const std::string& GetFlowText() const { return m_flowText; }
    // Read as a number at every change; a text that is none keeps the last number read.
    void SetFlowText(std::string text);
    bool IsShowAllDecimals() const { return m_showAll; }
    // Rewrites the flow with the other number of decimals.
    void SetShowAllDecimals(bool showAll);
    bool IsLocked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    CValidationResult Validate() const;
    double GetFlow() const { return m_flow; }

private:
    std::string FormatFlow() const;

    int m_precision;
    std::string m_routeText;
    std::string m_originZone;
    std::string m_originArm;
    std::string m_originLane;
    std::string m_destinationZone;
    std::string m_destinationArm;
    std::string m_destinationLane;
    std::string m_flowText;
    double m_flow = 0.0;
    bool m_textIsNumber = true;
    bool m_showAll = false;
    bool m_locked = false;
};

// The coupled page: the routes coupled with this one, G(its origin lane, its destination zone,
// the current flow group), each with its proportion and flow. The share-equally box starts
// ticked when none of them has a proportion; while it is ticked each route stands at 1/n and
// shows "Shared Equally". A proportion typed in percent is taken when it lies in 0..100 (with
// a slack of 0.0001, kept out of the proportion); otherwise the cell is edited again after the
// message.
class CRouteCoupledFlowPageModel
{
public:
    static constexpr const char* Title = "Coupled Flow Proportions";
    static constexpr const char* Frame = "Flow Balancing On Coupled Routes";
    static constexpr const char* ShareEquallyBox =
        "Automatically share flows equally between coupled routes";
    static constexpr const char* ProportionHeader = "Proportion %";
    static constexpr const char* SharedEqually = "Shared Equally";
    static constexpr const char* SumNote =
        "Proportions should add up to 100%.  If not, they will be scaled accordingly.";
    static constexpr const char* FlowNote =
        "Current Flow will not be modified until flow balancing is performed.";

    struct CRow
    {
        std::uint32_t routeId = 0;
        std::uint32_t routeNumber = 0;
        double proportion = 0.0;
        double flow = 0.0;
    };

    CRouteCoupledFlowPageModel(const CRoute& route, const CFlowGroup& group, int flowPrecision);

    bool IsShareEqually() const { return m_shareEqually; }
    void SetShareEqually(bool shareEqually);
    const std::vector<CRow>& GetRows() const { return m_rows; }
    // "Proportion %" ("%.5g" of the proportion x 100, or "Shared Equally"), route number ("%d")
    // and flow (route flow precision).
    std::string GetProportionText(std::size_t row) const;
    std::string GetRouteText(std::size_t row) const;
    std::string GetFlowText(std::size_t row) const;
    // A typed percentage: refused (the proportion as it was) outside 0..100.
    CValidationResult SetProportionText(std::size_t row, std::string_view text);

private:
    int m_precision;
    bool m_shareEqually = true;
    std::vector<CRow> m_rows;
};

// Opening "Edit Route" on a route: refused without a current flow group.
CValidationResult CanEditRoute(const CNetwork& network);

// What OK hands to the document's "Edit Route" (the pages accepted first).
CRouteFlowEdit RouteFlowEditOf(const CRouteFlowPageModel& flow,
                               const CRouteCoupledFlowPageModel& coupled);
