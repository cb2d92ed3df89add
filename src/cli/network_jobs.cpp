// Jobs over a network in memory.
#include "network_jobs.h"

#include "cli_failure.h"
#include "model/network.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_commands.h"

CFlowGroup* ChooseFlowGroup(CNetwork& network, std::optional<std::uint32_t> number)
{
    if (!number) {
        return network.GetCurrentFlowGroup();
    }
    CFlowGroup* group = network.GetFlowGroups().GetFlowGroup(*number);
    if (!group) {
        throw CCliFailure(ExitBadUsage, "The network has no flow group " + std::to_string(*number));
    }
    return group;
}

void RunBuildRoutesJob(CNetwork& network)
{
    // More routes than a network file holds could not be saved: stop here, as the command does.
    if (!BuildRoutes(network)) {
        throw CCliFailure(ExitFileError, TooManyRoutesMessage());
    }
}

std::size_t RunBalanceJob(CNetwork& network, const CBalanceJob& job)
{
    CFlowGroup* group = ChooseFlowGroup(network, job.flowGroup);
    CArm* arm = nullptr;
    if (job.arm) {
        arm = network.GetArms().GetArm(*job.arm);
        if (!arm) {
            throw CCliFailure(ExitBadUsage, "The network has no arm " + std::to_string(*job.arm));
        }
    }
    if (job.buildRoutesFirst) {
        RunBuildRoutesJob(network);
    }
    if (arm) {
        return BalanceLaneFlowsOnArm(*arm, group) ? 1 : 0;
    }
    return BalanceLaneFlowsOnAllArms(network, group);
}
