// export-od, import-od: OD matrices as CSV files, read and written as the OD matrix view does.
#include "od_commands.h"

#include "platform/atomic_file.h"
#include "cli_document.h"
#include "cli_failure.h"
#include "network_jobs.h"
#include "routing/flow_group_commands.h"
#include "routing/od_matrix_csv.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace
{

// The widest matrix (99 zones of five-digit flows) is some 60 KB; anything far beyond is not
// one, and is not read into memory whole.
constexpr std::uintmax_t MaxCsvBytes = 16u << 20;

// Actual flows and differences go out with the most decimals the program shows.
constexpr int CsvFlowPrecision = 2;

struct CODOptions
{
    std::string network;
    std::string out;
    std::string csv;
    std::optional<std::uint32_t> flowGroup;
    ODMatrixGridKind kind = ODMatrixGridKind::Desired;
};

std::string ReadCsvFile(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > MaxCsvBytes) {
        throw CCliFailure(ExitFileError, "The file " + path.string() +
                                             " is too large for an OD matrix (more than " +
                                             std::to_string(MaxCsvBytes >> 20) + " MiB)");
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    if (!file || !(bytes << file.rdbuf()) || file.bad()) {
        throw CCliFailure(ExitFileError, "Cannot read the file " + path.string());
    }
    return bytes.str();
}

int ExportOD(const CODOptions& options)
{
    CCliDocument document(options.network);
    CNetwork& network = document.Document().GetNetwork();
    const CFlowGroup* group = ChooseFlowGroup(network, options.flowGroup);
    const std::string csv =
        ODMatrixToCsv(CODMatrixTable(network, group), options.kind, CsvFlowPrecision);
    const std::filesystem::path out = options.out;
    WriteFileForCli(out, [&] {
        WriteFileAtomically(out, [&](std::ostream& stream) {
            stream.write(csv.data(), static_cast<std::streamsize>(csv.size()));
        });
    });
    return 0;
}

int ImportOD(const CODOptions& options)
{
    CCliDocument document(options.network);
    // Without a flow group there is nothing to import into, whatever the file holds.
    if (!document.UseFlowGroup(options.flowGroup)) {
        throw CCliFailure(ExitFileError,
                          ValidateFlowEditAllowed(document.Document().GetNetwork()).message);
    }
    document.Document().ImportODMatrix(ReadCsvFile(options.csv));
    document.ThrowIfRefused(options.csv + ": ");
    document.Save(options.out);
    return 0;
}

} // namespace

void AddODCommands(CLI::App& app, CCliAction& action)
{
    auto options = std::make_shared<CODOptions>();
    const std::map<std::string, ODMatrixGridKind> kinds{
        {"desired", ODMatrixGridKind::Desired},
        {"actual", ODMatrixGridKind::Actual},
        {"difference", ODMatrixGridKind::Difference},
        {"geh", ODMatrixGridKind::Geh}};

    CLI::App* exportOD = app.add_subcommand(
        "export-od", "Write the OD matrix of a flow group as CSV, one row per origin zone");
    exportOD->add_option("NETWORK", options->network, "Network file to read")->required();
    exportOD->add_option("-o,--out", options->out, "CSV file to write")->required();
    exportOD->add_option("--flow-group", options->flowGroup,
                         "Flows of this flow group (default: the current one)");
    exportOD->add_option("--kind", options->kind, "desired (default), actual, difference or geh")
        ->transform(CLI::CheckedTransformer(kinds));
    exportOD->callback([options, &action] {
        action = [options] {
            return ExportOD(*options);
        };
    });

    CLI::App* importOD = app.add_subcommand(
        "import-od", "Set desired flows of a flow group from a CSV file, save the network");
    importOD->add_option("NETWORK", options->network, "Network file to read")->required();
    importOD->add_option("--csv", options->csv, "CSV file of desired flows")->required();
    importOD->add_option("-o,--out", options->out, "File to write (may be NETWORK itself)")
        ->required();
    importOD->add_option("--flow-group", options->flowGroup,
                         "Flow group to set (default: the current one)");
    importOD->callback([options, &action] {
        action = [options] {
            return ImportOD(*options);
        };
    });
}
