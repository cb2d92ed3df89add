// Desired OD flows set in bulk by zone number: the grid, a paste and a CSV import.
#pragma once

#include "model/validation.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

class CFlowGroup;
class CNetwork;

// The desired flow of one movement, by zone numbers.
struct CDesiredFlowEdit
{
    std::uint32_t origin = 0;
    std::uint32_t destination = 0;
    std::int32_t flow = 0;
    friend bool operator==(const CDesiredFlowEdit&, const CDesiredFlowEdit&) = default;
};

// The network file keeps a desired flow in five unsigned columns.
inline constexpr std::int32_t MaxDesiredFlow = 99999;

// Refuses a value outside 0..MaxDesiredFlow with "The desired flow <typed> is outside the range
// 0 to 99999"; typed is how the user wrote it (the value itself when empty), so that a number too
// long for any integer is still quoted as typed.
CValidationResult ValidateDesiredFlow(long long value, std::string_view typed = {});

// How many of the edits would change what the group holds. An edit equal to the stored value
// (0 for a movement without a record) changes nothing, nor does one naming a zone the network
// lacks.
std::size_t CountDesiredFlowChanges(const CNetwork& network, const CFlowGroup& group,
                                    std::span<const CDesiredFlowEdit> edits);
// Stores the edits (each already accepted by ValidateDesiredFlow) that change something and
// leaves the others alone, so that a value equal to the stored one never adds a record (and a
// card) of its own. Returns how many were stored.
std::size_t ApplyDesiredFlowEdits(CNetwork& network, CFlowGroup& group,
                                  std::span<const CDesiredFlowEdit> edits);
