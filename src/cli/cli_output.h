// What gyrolith-cli says: results on stdout, checked to have arrived; notes on stderr.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Writes text to stdout and flushes it. A failed or short write (a full disk, a closed pipe
// end) raises CCliFailure with status 1, so no script takes half a result for a whole one.
void WriteToStdout(std::string_view text);

// With --verbose, commands that write a file say so on stderr; stdout stays for results.
void SetVerbose(bool verbose);
// "Wrote OUT (what)" on stderr when verbose.
void TellWritten(const std::filesystem::path& path, const std::string& what);
// "N bytes", for what TellWritten says of a file without countable contents.
std::string SizeOf(const std::filesystem::path& path);
