// Opening input files.
#include "cardfile/input_file.h"

#include <cerrno>
#include <system_error>

std::ifstream OpenInputFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw errFileRead("Cannot open " + path.string() + ": it is a folder, not a file");
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int error = errno;
        throw errFileRead("Cannot open " + path.string() + ": " +
                          (error != 0 ? std::generic_category().message(error)
                                      : std::string("the file cannot be read")));
    }
    return file;
}
