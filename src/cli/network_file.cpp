// Network files for the command line.
#include "network_file.h"

#include "cardfile/card_errors.h"
#include "cardfile/carousel_file.h"
#include "cardfile/network_read_error.h"
#include "cli_failure.h"
#include "routing/route_flows.h"

#include <iostream>

CLoadedNetwork LoadNetworkForCli(const std::filesystem::path& path)
{
    CLoadedNetwork loaded;
    try {
        loaded.document = LoadNetworkFile(path, loaded.settings);
    } catch (...) {
        throw CCliFailure(ExitFileError, NetworkReadErrorMessage());
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
    } catch (const std::exception& e) {
        throw CCliFailure(ExitFileError,
                          "Cannot write the file " + path.string() + ": " + e.what());
    }
}

void SaveNetworkForCli(const std::filesystem::path& path, const CLoadedNetwork& network)
{
    WriteFileForCli(path, [&] { SaveNetworkFile(path, *network.document, network.settings); });
}
