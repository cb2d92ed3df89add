// The plain-text view of a network that `gyrolith-cli summary` prints.
#pragma once

#include <string>

class CFlowGroup;
class CNetwork;

// A few screens for a person: the counts, the arms with their kinds, lane lengths and stop-line
// flows, the zones, the desired, actual and difference OD matrices with their totals, the
// capacity assessors with their margin to the threshold and the routes counted by OD, all
// as aligned tables. Flows are those of `group` (none: every flow reads 0), with one decimal.
std::string NetworkSummary(const CNetwork& network, const CFlowGroup* group);
