// The subcommands of gyrolith-cli that move an OD matrix in and out as CSV.
#pragma once

#include "network_commands.h"

// export-od (the matrix of a flow group as CSV) and import-od (desired flows from CSV).
void AddODCommands(CLI::App& app, CCliAction& action);
