// What an update file's entries are matched against: the program, its version and its build.
#pragma once

#include <array>

// Four parts, compared part by part from the first, so 1.3.0.9 < 1.4.0.0 < 1.4.0.1.
using CProgramVersion = std::array<int, 4>;

// The running program as the update file sees it. The two yes/no properties are the ones that
// an entry's conditions A and B test.
struct CRunningProgram
{
    int productCode = 0;
    CProgramVersion version{};
    bool releaseBuild = false; // condition A: compiled without assertions (NDEBUG)
    bool onWindows = false;    // condition B

    // This program: ProductCode, the project version of the build, and how it was built.
    static CRunningProgram This();
};
