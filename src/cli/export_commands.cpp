// export-emf, export-dxf: the network drawn as the desktop program draws it right after opening
// the file, with the display settings the file stores and the route flags a document starts with.
#include "export_commands.h"

#include "platform/atomic_file.h"
#include "cli_arguments.h"
#include "cli_document.h"
#include "cli_output.h"
#include "document/carousel_doc.h"
#include "platform/freetype_text_measurer.h"
#include "view/network_export.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace
{

struct CExportOptions
{
    std::string network;
    std::string out;
    std::optional<std::uint32_t> flowGroup;
};

enum class EExportFormat
{
    Emf,
    Dxf,
};

int Export(const CExportOptions& options, EExportFormat format)
{
    CCliDocument document(options.network);
    document.UseFlowGroup(options.flowGroup);
    const CDiagramSource source = document.Document().GetDiagramSource();
    // Text is laid out with the fonts' own metrics, so exports are alike on every machine.
    const CFreeTypeTextMeasurer measurer;
    const std::filesystem::path out = options.out;
    WriteFileForCli(out, [&] {
        if (format == EExportFormat::Dxf) {
            ExportNetworkDxf(out, source, measurer);
            return;
        }
        const std::vector<std::uint8_t> emf =
            RecordNetworkEmf(source, measurer, "ClipboardMetafile");
        WriteFileAtomically(out, [&](std::ostream& stream) {
            stream.write(reinterpret_cast<const char*>(emf.data()),
                         static_cast<std::streamsize>(emf.size()));
        });
    });
    TellWritten(out, (format == EExportFormat::Dxf ? "DXF drawing, " : "enhanced metafile, ") +
                         SizeOf(out));
    return 0;
}

void AddExport(CLI::App& app, CCliAction& action, const char* name, const char* description,
               EExportFormat format)
{
    auto options = std::make_shared<CExportOptions>();
    CLI::App* command = app.add_subcommand(name, description);
    AddNetworkArgument(*command, options->network);
    command->add_option("-o,--out", options->out, "File to write")
        ->required()
        ->check(NonEmptyFileName);
    command->add_option("--flow-group", options->flowGroup,
                        "Flows of this flow group (default: the current one)");
    command->callback([options, format, &action] {
        action = [options, format] {
            return Export(*options, format);
        };
    });
}

} // namespace

void AddExportCommands(CLI::App& app, CCliAction& action)
{
    AddExport(app, action, "export-emf",
              "Draw the network as an enhanced metafile (the clipboard's picture)",
              EExportFormat::Emf);
    AddExport(app, action, "export-dxf", "Draw the network as a DXF drawing (AutoCAD 2000)",
              EExportFormat::Dxf);
}
