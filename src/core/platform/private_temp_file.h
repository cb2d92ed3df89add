// New files in a temporary folder that only this user can enter.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

class errPrivateTempFile : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The user's own temporary folder for files handed to other programs: on Linux a folder of
// mode 0700 owned by the user under the runtime or temporary directory (which other users
// share), made when missing and refused when someone else owns it or may enter it; on Windows
// the user's temporary directory. Raises errPrivateTempFile when there is none.
std::filesystem::path PrivateTempFolder();

// Creates a new empty file there, exclusively (never an existing file, nor one another process
// makes at the same moment), named prefix, a random part and extension; returns its path.
// Raises errPrivateTempFile when no file can be made.
std::filesystem::path CreatePrivateTempFile(std::string_view prefix, std::string_view extension);
