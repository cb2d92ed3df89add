// The JSON picture of a network that `gyrolith-cli show` prints.
#pragma once

#include <nlohmann/json.hpp>

enum class ArmKind;
class CFlowGroup;
class CLabels;
class CNetwork;

// "entry", "exit", "circulatory" or "unconnected", as show and summary name the kinds.
const char* ArmKindName(ArmKind kind);

// Arms with their lanes, zones, connectors, routes, flow groups, the OD matrices, capacity
// assessors and labels, all by the numbers users see. Flows are those of `group` (none: every
// flow reads 0). Keys keep the documented order.
nlohmann::ordered_json NetworkToJson(const CNetwork& network, const CLabels* labels,
                                     const CFlowGroup* group);
