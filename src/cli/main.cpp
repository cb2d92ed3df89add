// gyrolith-cli: the program's main jobs without a window, for batch work and for tests of the
// whole path. Each group of subcommands registers itself; main only parses and reports.
#include "cli_failure.h"
#include "export_commands.h"
#include "network_commands.h"
#include "od_commands.h"
#include "report_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"Gyrolith command-line tool: network files without a window"};
    app.require_subcommand(0, 1);
    CCliAction action;
    AddNetworkCommands(app, action);
    AddExportCommands(app, action);
    AddODCommands(app, action);
    AddReportCommands(app, action);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : ExitBadUsage;
    }
    if (!action) {
        std::cout << app.help();
        return 0;
    }
    try {
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
