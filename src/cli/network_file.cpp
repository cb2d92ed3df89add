// Network files for the command line.
#include "network_file.h"

#include "platform/atomic_file.h"
#include "cardfile/carousel_file.h"
#include "cardfile/network_read_error.h"
#include "cli_failure.h"
#include "cli_output.h"
#include "settings/program_settings.h"
#include "model/network.h"
#include "model/route_flows.h"

#include <iostream>

namespace
{
std::string Counted(std::size_t count, const std::string& what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}
} // namespace

CLoadedNetwork LoadNetworkForCli(const std::filesystem::path& path)
{
    CLoadedNetwork loaded;
    CNetworkReadError failure;
    try {
        loaded.document = LoadNetworkFile(path, loaded.settings, failure,
                                          ProgramSettings::Instance().DefLaneFlowDelimiter);
    } catch (...) {
        throw CCliFailure(ExitFileError, failure.Text());
    }
    // What the reader changed to make the file savable goes to stderr, as the program shows it.
    for (const CReadAdjustment& adjustment : loaded.document->readAdjustments) {
        std::cerr << ReadAdjustmentText(adjustment) << '\n';
    }
    NormaliseAllArms(loaded.document->network);
    return loaded;
}

void WriteFileForCli(const std::filesystem::path& path, const std::function<void()>& write)
{
    try {
        write();
    } catch (const errFileWrite& e) {
        throw CCliFailure(ExitFileError, e.what()); // names the file and says why
    } catch (const std::exception& e) {
        throw CCliFailure(ExitFileError, "Cannot write " + path.string() + ": " + e.what());
    }
}

void SaveNetworkForCli(const std::filesystem::path& path, const CLoadedNetwork& network)
{
    WriteFileForCli(path, [&] { SaveNetworkFile(path, *network.document, network.settings); });
    const CNetwork& net = network.document->network;
    TellWritten(path, Counted(net.GetArms().GetCount(), "arm") + ", " +
                          Counted(net.GetZones().GetCount(), "zone") + ", " +
                          Counted(net.GetRoutes().GetRouteCount(), "route") + ", " +
                          Counted(net.GetFlowGroups().GetCount(), "flow group"));
}
