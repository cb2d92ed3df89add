// The subcommands of gyrolith-cli that read a network file and show or rewrite it.
#pragma once

#include <functional>

namespace CLI
{
class App;
}

// What the chosen subcommand does once the command line is parsed; returns the exit status,
// or throws CCliFailure.
using CCliAction = std::function<int()>;

// show, summary, build-routes, balance, disallow-circular and save.
void AddNetworkCommands(CLI::App& app, CCliAction& action);
