// Output of gyrolith-cli.
#include "cli_output.h"

#include "cli_failure.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <system_error>

namespace
{
bool verboseOutput = false;
} // namespace

void WriteToStdout(std::string_view text)
{
    // Through C stdio, which std::cout shares by default, so that errno tells what went wrong.
    errno = 0;
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
    const bool flushed = std::fflush(stdout) == 0;
    if (written == text.size() && flushed) {
        return;
    }
    const int error = errno;
    std::clearerr(stdout);
    throw CCliFailure(ExitFileError, "Cannot write the output: " +
                                         (error != 0 ? std::generic_category().message(error)
                                                     : std::string("the write was cut short")));
}

void SetVerbose(bool verbose)
{
    verboseOutput = verbose;
}

void TellWritten(const std::filesystem::path& path, const std::string& what)
{
    if (verboseOutput) {
        std::cerr << "Wrote " << path.string() << " (" << what << ")\n";
    }
}

std::string SizeOf(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? std::string("size unknown") : std::to_string(size) + " bytes";
}
