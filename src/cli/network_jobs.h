// The jobs of gyrolith-cli on an open network; the subcommands open, run one, and save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

class CCliDocument;
class CFlowGroup;
class CNetwork;

// The flow group numbered `number`, or the current one when no number is given (which may be
// none). An unknown number is bad usage (CCliFailure).
CFlowGroup* ChooseFlowGroup(CNetwork& network, std::optional<std::uint32_t> number);

// The document's "Build Routes"; more routes than a network file holds fail (CCliFailure,
// status 1) with the program's message, the routes left as they were.
void RunBuildRoutesJob(CCliDocument& document);

struct CBalanceJob
{
    std::optional<std::uint32_t> arm;       // all entry arms when not given
    std::optional<std::uint32_t> flowGroup; // the current one when not given
    bool buildRoutesFirst = false;
};

// The document's "Balance Lane Flows On All Arms" or "... On Arm" N in the flow group asked for
// (which becomes current), after "Build Routes" when asked. An arm that is not an Entry arm
// with a zone is left as it is, as the command does; an unknown arm or flow group number is bad
// usage. Returns how many arms were balanced.
std::size_t RunBalanceJob(CCliDocument& document, const CBalanceJob& job);
