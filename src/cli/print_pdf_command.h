// The subcommand of gyrolith-cli that prints a network's pages into a PDF file.
#pragma once

#include "network_commands.h"

// print-pdf: the print pages as the desktop prints them, on A4 paper.
void AddPrintPdfCommand(CLI::App& app, CCliAction& action);
