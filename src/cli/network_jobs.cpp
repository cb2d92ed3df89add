// Jobs over an open network.
#include "network_jobs.h"

#include "cli_document.h"
#include "cli_failure.h"
#include "model/network.h"

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

void RunBuildRoutesJob(CCliDocument& document)
{
    // More routes than a network file holds could not be saved: the command refuses.
    document.Document().BuildRoutes();
    document.ThrowIfRefused();
}

std::size_t RunBalanceJob(CCliDocument& document, const CBalanceJob& job)
{
    CCarouselDoc& doc = document.Document();
    document.UseFlowGroup(job.flowGroup);
    CArm* arm = nullptr;
    if (job.arm) {
        arm = doc.GetNetwork().GetArms().GetArm(*job.arm);
        if (!arm) {
            throw CCliFailure(ExitBadUsage, "The network has no arm " + std::to_string(*job.arm));
        }
    }
    if (job.buildRoutesFirst) {
        RunBuildRoutesJob(document);
    }
    std::size_t balanced = 0;
    if (arm) {
        balanced = doc.BalanceLaneFlowsOnArm(*arm) ? 1 : 0;
    } else {
        balanced = doc.BalanceLaneFlowsOnAllArms();
    }
    document.ThrowIfRefused();
    return balanced;
}
