// The subcommands of gyrolith-cli that draw a network into a file.
#pragma once

#include "network_commands.h"

// export-emf (the picture "Copy Diagram To Clipboard" makes) and export-dxf ("Network Diagram
// DXF Export...").
void AddExportCommands(CLI::App& app, CCliAction& action);
