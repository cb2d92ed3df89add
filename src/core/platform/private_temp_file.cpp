// A private temporary folder and exclusive files in it.
#include "platform/private_temp_file.h"

#include "platform/random_name.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

std::filesystem::path PrivateTempFolder()
{
    std::error_code ec;
#if defined(__unix__) || defined(__APPLE__)
    std::filesystem::path base;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime == '/' && std::filesystem::is_directory(runtime, ec)) {
        base = runtime;
    } else {
        base = std::filesystem::temp_directory_path(ec);
        if (ec)
            throw errPrivateTempFile("There is no temporary directory");
    }
    const uid_t user = ::getuid();
    const std::filesystem::path folder = base / ("gyrolith-" + std::to_string(user));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw errPrivateTempFile("Cannot create the folder " + folder.string());
    // The folder may have been there before us: use it only if nobody else can reach into it.
    struct stat info = {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user ||
        (info.st_mode & 077) != 0)
        throw errPrivateTempFile("The folder " + folder.string() + " is not private to this user");
    return folder;
#else
    const std::filesystem::path folder = std::filesystem::temp_directory_path(ec) / "Gyrolith";
    if (ec || (!std::filesystem::create_directories(folder, ec) && ec))
        throw errPrivateTempFile("Cannot create the folder " + folder.string());
    return folder;
#endif
}

std::filesystem::path CreatePrivateTempFile(std::string_view prefix, std::string_view extension)
{
    const std::filesystem::path folder = PrivateTempFolder();
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::filesystem::path path =
            folder / (std::string(prefix) + RandomFileNamePart() + std::string(extension));
        // "x": create, and fail when the file exists.
        if (std::FILE* file = std::fopen(path.string().c_str(), "wbx")) {
            std::fclose(file);
            return path;
        }
    }
    throw errPrivateTempFile("Cannot create a file in the folder " + folder.string());
}
