// The file name arguments of the subcommands and the checks CLI11 does not make itself.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

// A file name option given as "" is bad usage, said as such, rather than a failed open or
// write of a file without a name.
inline const CLI::Validator NonEmptyFileName(
    [](std::string& name) { return name.empty() ? std::string("the file name is empty") : ""; },
    "FILE");

// The NETWORK argument that every subcommand reads.
inline void AddNetworkArgument(CLI::App& command, std::string& network)
{
    command.add_option("NETWORK", network, "Network file to read")
        ->required()
        ->check(NonEmptyFileName);
}
