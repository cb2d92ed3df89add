// How a command of gyrolith-cli gives up: a message for stderr and the exit status.
#pragma once

#include <stdexcept>
#include <string>

inline constexpr int ExitFileError = 1; // a file could not be read or written
inline constexpr int ExitBadUsage = 2;

class CCliFailure : public std::runtime_error
{
public:
    CCliFailure(int exitCode, const std::string& message)
        : std::runtime_error(message), m_exitCode(exitCode)
    {}
    int GetExitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};
