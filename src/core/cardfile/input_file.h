// Opening a file of cards for reading, with a message that says why it cannot be.
#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// A file that cannot be opened; the message names the path once and says why: "Cannot open
// a.crs: No such file or directory".
class errFileRead : public std::runtime_error
{
public:
    explicit errFileRead(const std::string& message) : std::runtime_error(message) {}
};

// Opens path in binary mode, or raises errFileRead. A folder is refused as one: some systems
// open it and then yield nothing, which a reader would take for a damaged file.
std::ifstream OpenInputFile(const std::filesystem::path& path);
