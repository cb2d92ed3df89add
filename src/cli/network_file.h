// Loading and saving network files for gyrolith-cli, with the program's own messages.
#pragma once

#include "cardfile/document_data.h"
#include "settings/network_settings.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

// A network file read into memory together with the per-network settings it carries.
struct CLoadedNetwork
{
    std::unique_ptr<CDocumentData> document;
    NetworkSettings settings;
};

// Reads the file and runs what opening a document runs (proportions normalised; the reader has
// made flow group 1 current). A file that cannot be read raises CCliFailure with exit status 1
// and the message the program shows for it.
CLoadedNetwork LoadNetworkForCli(const std::filesystem::path& path);

// Runs write, which writes path atomically, and turns its failure into CCliFailure (status 1)
// naming the path.
void WriteFileForCli(const std::filesystem::path& path, const std::function<void()>& write);

// Writes through a temporary file, so OUT is untouched on failure (CCliFailure, status 1).
// OUT may be the file the network was read from.
void SaveNetworkForCli(const std::filesystem::path& path, const CLoadedNetwork& network);
