// Checks of command-line values that CLI11 does not make itself.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

// A file name option given as "" is bad usage, said as such, rather than a failed open or
// write of a file without a name.
inline const CLI::Validator NonEmptyFileName(
    [](std::string& name) { return name.empty() ? std::string("the file name is empty") : ""; },
    "FILE");
