// The subcommands of gyrolith-cli that work on a network's reports.
#pragma once

#include "network_commands.h"

// report (Save of the report builder), export-template ("Report Save Template As") and
// import-template ("Create Report From Template", then save).
void AddReportCommands(CLI::App& app, CCliAction& action);
