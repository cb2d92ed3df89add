// report, export-template, import-template.
#include "report_commands.h"

#include "cardfile/report_template_file.h"
#include "cli_arguments.h"
#include "cli_document.h"
#include "cli_failure.h"
#include "cli_output.h"
#include "document/carousel_doc.h"
#include "document/report_commands.h"
#include "platform/freetype_text_measurer.h"
#include "reports/report_definition.h"
#include "reports/report_generator.h"
#include "reports/report_source.h"

#ifdef GYROLITH_PRINT_PDF
#include "offscreen_application.h"
#include "platform/pdf_stamps.h"
#include "reports/report_pdf_writer.h"
#endif

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

namespace
{

struct CReportOptions
{
    std::string network;
    std::string out;
    int definition = 0;
    std::string templateFile;
};

// The report numbered `number`; any other number is bad usage, and the message lists the
// reports there are.
const CReportDefinition& ChooseReport(const CReportDefinitions& reports, int number)
{
    if (const CReportDefinition* report = reports.GetDefinition(number))
        return *report;
    std::string message = "The network has no report " + std::to_string(number) + ".";
    if (reports.GetCount() == 0) {
        message += " It has no reports.";
    } else {
        message += " Its reports are:";
        for (int n = 1; n <= reports.GetCount(); ++n)
            message += "\n  " + std::to_string(n) + "  " + reports.GetDefinition(n)->GetTitle();
    }
    throw CCliFailure(ExitBadUsage, message);
}

bool IsPdfName(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

#ifdef GYROLITH_PRINT_PDF
void SavePdf(const std::string& path, const CReportDefinition& report, const CReportSource& source)
{
    const COffscreenApplication application;
    QDateTime printed;
    try {
        printed = PrintTime();
    } catch (const std::invalid_argument& e) {
        throw CCliFailure(ExitBadUsage, e.what());
    }
    WriteFileForCli(path, [&] { SaveReportPdf(path, report, source, printed); });
}
#else
void SavePdf(const std::string&, const CReportDefinition&, const CReportSource&)
{
    throw CCliFailure(ExitBadUsage, "This build writes reports as RTF only: it has no Qt");
}
#endif

int WriteReport(const CReportOptions& options)
{
    CCliDocument document(options.network);
    const CReportDefinition& report =
        ChooseReport(document.Data().reportDefinitions, options.definition);
    // Text is laid out with the fonts' own metrics, so reports are alike on every machine.
    const CFreeTypeTextMeasurer measurer;
    const CReportSource source{document.Document().GetDiagramSource(),
                               std::filesystem::absolute(options.network).string(), measurer};
    const bool pdf = IsPdfName(options.out);
    if (pdf)
        SavePdf(options.out, report, source);
    else
        WriteFileForCli(options.out, [&] { SaveReport(options.out, report, source); });
    TellWritten(options.out, "report " + std::to_string(options.definition) +
                                 (pdf ? " as PDF, " : " as RTF, ") + SizeOf(options.out));
    return 0;
}

int ExportTemplate(const CReportOptions& options)
{
    CCliDocument document(options.network);
    const CReportDefinition& report =
        ChooseReport(document.Data().reportDefinitions, options.definition);
    WriteFileForCli(options.out, [&] {
        SaveReportTemplate(options.out, report, document.Data().network.GetFlowGroups());
    });
    TellWritten(options.out, "template of report " + std::to_string(options.definition) + ", " +
                                 SizeOf(options.out));
    return 0;
}

int ImportTemplate(const CReportOptions& options)
{
    CCliDocument document(options.network);
    CReportCommands(document.Document()).CreateReportFromTemplate(options.templateFile);
    document.ThrowIfRefused();
    document.Save(options.out);
    return 0;
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* description,
                     CReportOptions& options, const char* outDescription)
{
    CLI::App* command = app.add_subcommand(name, description);
    AddNetworkArgument(*command, options.network);
    command->add_option("-o,--out", options.out, outDescription)
        ->required()
        ->check(NonEmptyFileName);
    return command;
}

} // namespace

void AddReportCommands(CLI::App& app, CCliAction& action)
{
    auto options = std::make_shared<CReportOptions>();

    CLI::App* report =
        AddCommand(app, "report", "Write report N as RTF, as Save does, or as PDF", *options,
                   "File to write: PDF when it ends in .pdf, RTF otherwise");
    report->add_option("--definition", options->definition, "Report number")->required();
    report->callback([options, &action] {
        action = [options] {
            return WriteReport(*options);
        };
    });

    CLI::App* exportTemplate =
        AddCommand(app, "export-template", "Write report N as a report template", *options,
                   "Template file to write");
    exportTemplate->add_option("--definition", options->definition, "Report number")->required();
    exportTemplate->callback([options, &action] {
        action = [options] {
            return ExportTemplate(*options);
        };
    });

    CLI::App* importTemplate = AddCommand(app, "import-template",
                                          "Add a report made from a template (Create Report From "
                                          "Template), save",
                                          *options, "File to write (may be NETWORK itself)");
    importTemplate->add_option("TEMPLATE", options->templateFile, "Report template to read")
        ->required()
        ->check(NonEmptyFileName);
    importTemplate->callback([options, &action] {
        action = [options] {
            return ImportTemplate(*options);
        };
    });
}
