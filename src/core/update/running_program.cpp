// This program's identity for the update check.
#include "update/running_program.h"

#include "cardfile/product_code.h"
#include "update/program_version.h"

CRunningProgram CRunningProgram::This()
{
    CRunningProgram program;
    program.productCode = ProductCode;
    for (std::size_t part = 0; part < program.version.size(); ++part) {
        program.version[part] = ProgramVersionParts[part];
    }
#ifdef NDEBUG
    program.releaseBuild = true;
#endif
#ifdef _WIN32
    program.onWindows = true;
#endif
    return program;
}
