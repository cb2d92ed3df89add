#include "platform/user_directories.h"

#include <cstdlib>

std::filesystem::path UserStateDirectory()
{
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return state;
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return std::filesystem::path(home) / ".local" / "state";
    std::error_code error;
    return std::filesystem::temp_directory_path(error);
}
