// gyrolith-cli: the program's main jobs without a window, for batch work and for tests of the
// whole path. Each group of subcommands registers itself; main only parses and reports.
#include "cardfile/carousel_file.h"
#include "cli_failure.h"
#include "cli_output.h"
#include "export_commands.h"
#include "network_commands.h"
#include "od_commands.h"
#ifdef GYROLITH_PRINT_PDF
#include "print_pdf_command.h"
#endif
#include "report_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    CLI::App app{"Gyrolith command-line tool: network files without a window"};
    app.require_subcommand(0, 1);
    // --verbose may stand before or after the subcommand.
    app.fallthrough();
    bool verbose = false;
    app.add_flag("--verbose", verbose, "Say on stderr what each command wrote");
    app.set_version_flag("--version", "gyrolith-cli " + std::string(kProgramVersionText));
    CCliAction action;
    AddNetworkCommands(app, action);
    AddExportCommands(app, action);
    AddODCommands(app, action);
    AddReportCommands(app, action);
#ifdef GYROLITH_PRINT_PDF
    AddPrintPdfCommand(app, action);
#endif
    std::ostringstream usage; // --help and --version, checked on the way out like any result
    int parsed = 0;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        parsed = app.exit(e, usage, std::cerr) == 0 ? 0 : ExitBadUsage;
    }
    SetVerbose(verbose);
    try {
        if (!usage.str().empty() || parsed != 0) {
            WriteToStdout(usage.str());
            return parsed;
        }
        if (!action) {
            WriteToStdout(app.help());
            return 0;
        }
        return action();
    } catch (const CCliFailure& failure) {
        std::cerr << failure.what() << '\n';
        return failure.GetExitCode();
    } catch (const std::exception& e) {
        // A fault of our own; still never a half-written file or a crash without a word.
        std::cerr << e.what() << '\n';
        return ExitFileError;
    }
}
