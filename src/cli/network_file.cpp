// Network files for the command line.
#include "network_file.h"

#include "cardfile/card_errors.h"
#include "cardfile/carousel_file.h"
#include "cli_failure.h"
#include "routing/route_flows.h"

std::string NetworkReadErrorMessage()
{
    const std::string corrupt = "The File appears to be corrupt. Please consult Technical Support";
    try {
        throw;
    } catch (const errFileRead& e) {
        return e.what();
    } catch (const errIncompatibleSchema& e) {
        return "The file was created on a later version of Gyrolith which is not compatible with "
               "this version.\n" +
               std::string(e.what());
    } catch (const errCorruptCardData&) {
        return corrupt;
    } catch (eFileError error) {
        switch (error) {
        case eFileError::Corrupt:
            return corrupt;
        case eFileError::LaterVersion:
            return "The File was created on a later version of Gyrolith and cannot be loaded "
                   "into this version";
        }
        return "An unknown error occured reading the file. Please consult Technical Support";
    } catch (const std::logic_error& e) {
        return e.what();
    } catch (const std::exception&) {
        // Route errors ("Route End Match Error", "Empty Route") and anything else a damaged
        // file can provoke: the file is corrupt, whatever part of it gave way.
        return corrupt;
    }
}

CLoadedNetwork LoadNetworkForCli(const std::filesystem::path& path)
{
    CLoadedNetwork loaded;
    try {
        loaded.document = LoadNetworkFile(path, loaded.settings);
    } catch (...) {
        throw CCliFailure(ExitFileError, NetworkReadErrorMessage());
    }
    NormaliseAllArms(loaded.document->network);
    return loaded;
}

void SaveNetworkForCli(const std::filesystem::path& path, const CLoadedNetwork& network)
{
    try {
        SaveNetworkFile(path, *network.document, network.settings);
    } catch (const std::exception& e) {
        throw CCliFailure(ExitFileError,
                          "Cannot write the file " + path.string() + ": " + e.what());
    }
}
