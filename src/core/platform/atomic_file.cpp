// Temporary file, flush, rename.
#include "platform/atomic_file.h"

#include "platform/random_name.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define GYROLITH_POSIX_FILES 1
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
namespace fs = std::filesystem;

constexpr std::string_view kTempExtension = ".tmp";

// Temporary files of one target are ".NAME.<hex>.tmp" beside it.
std::string TempPrefix(const fs::path& destination)
{
    return "." + destination.filename().string() + ".";
}

bool IsTempName(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + kRandomFileNamePartLength + kTempExtension.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - kTempExtension.size(), kTempExtension.size(), kTempExtension) !=
            0) {
        return false;
    }
    const auto suffix = name.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    return std::all_of(suffix, suffix + kRandomFileNamePartLength,
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

fs::path FolderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

#ifdef GYROLITH_POSIX_FILES
// Removes the temporary files of this target that no save holds locked: a save that was
// killed leaves its file unlocked, a running one keeps its lock to the end.
void RemoveLeftovers(const fs::path& folder, const std::string& prefix)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        if (!IsTempName(path.filename().string(), prefix)) {
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
}

// The permissions a new file gets. Linux shows the umask; elsewhere it can only be read by
// setting it, which another thread creating a file at that moment would feel.
mode_t NewFileMode()
{
    mode_t mask = 022;
    bool found = false;
#ifdef __linux__
    std::ifstream status("/proc/self/status");
    for (std::string line; !found && std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) {
            mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
            found = true;
        }
    }
#endif
    if (!found) {
        mask = ::umask(0);
        ::umask(mask);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

bool IsFileAt(int fd, const fs::path& path)
{
    struct stat opened
    {};
    struct stat named
    {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
#endif

// Why an existing destination must not be replaced; empty when it may be (or is new).
std::string RefusalOf(const fs::path& destination)
{
    std::error_code ec;
    const fs::file_status status = fs::status(destination, ec);
    if (ec || !fs::exists(status)) {
        return {};
    }
    if (fs::is_directory(status)) {
        return "it is a folder";
    }
    if (!fs::is_regular_file(status)) {
        return "it is not a regular file (a device, pipe or socket)";
    }
    // Checked on the bits as well, since the system lets an administrator write anything.
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none) {
        return "the file is read-only";
    }
#ifdef GYROLITH_POSIX_FILES
    if (::access(destination.c_str(), W_OK) != 0) {
        return "the file is not writable (" + ErrorText(errno) + ")";
    }
#endif
    return {};
}
} // namespace

CAtomicFile::CAtomicFile(std::filesystem::path target) : m_target(std::move(target))
{
    m_done = true; // nothing to clean up until the temporary file exists
    if (m_target.empty() || !m_target.has_filename()) {
        Fail("that is not a file name");
    }
    // Replacing a link would cut it off from the file it names: write that file instead.
    m_destination = m_target;
    for (int hops = 0;; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(m_destination, ec)) || ec) {
            break;
        }
        const fs::path link = fs::read_symlink(m_destination, ec);
        if (ec || hops == 40) {
            Fail("the symbolic link cannot be followed");
        }
        m_destination = link.is_absolute() ? link : FolderOf(m_destination) / link;
    }
    if (const std::string refusal = RefusalOf(m_destination); !refusal.empty()) {
        Fail(refusal);
    }
    CreateTemporary();
}

void CAtomicFile::CreateTemporary()
{
    const fs::path folder = FolderOf(m_destination);
    const std::string prefix = TempPrefix(m_destination);
#ifdef GYROLITH_POSIX_FILES
    RemoveLeftovers(folder, prefix);
    for (int attempt = 0; attempt < 16 && m_temp.empty(); ++attempt) {
        const fs::path candidate =
            folder / (prefix + RandomFileNamePart() + std::string(kTempExtension));
        // Owner only while the contents are written; Commit gives the target's permissions.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int error = errno;
            if (error == EEXIST) {
                continue;
            }
            Fail(error == ENOENT ? "its folder does not exist"
                                 : "cannot create a file in its folder (" + ErrorText(error) + ")");
        }
        // Another save's cleanup may have taken the new file for a leftover in the moment
        // before the lock: then it is gone, and another name is tried.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !IsFileAt(fd, candidate)) {
            ::close(fd);
            continue;
        }
        m_lockFd = fd;
        m_temp = candidate;
    }
#else
    for (int attempt = 0; attempt < 16 && m_temp.empty(); ++attempt) {
        fs::path candidate = folder / (prefix + RandomFileNamePart() + std::string(kTempExtension));
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec) {
            m_temp = std::move(candidate);
        }
    }
#endif
    if (m_temp.empty()) {
        Fail("cannot create a file in its folder");
    }
    m_done = false;
    m_stream.open(m_temp, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!m_stream.is_open()) {
        Discard();
        Fail("cannot create a file in its folder");
    }
}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

void CAtomicFile::Fail(const std::string& reason) const
{
    throw errFileWrite("Cannot write " + m_target.string() + ": " + reason);
}

void CAtomicFile::ReleaseTemporary()
{
#ifdef GYROLITH_POSIX_FILES
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
#endif
}

void CAtomicFile::Discard()
{
    if (m_done) {
        return;
    }
    m_done = true;
    m_stream.close();
    std::error_code ec;
    fs::remove(m_temp, ec);
    ReleaseTemporary(); // after the removal, so no cleanup takes the file for a leftover
}

void CAtomicFile::Commit()
{
    if (m_done) {
        Fail("the file was already closed");
    }
    m_stream.flush();
    const bool written = m_stream.good();
    m_stream.close();
    if (!written || m_stream.fail()) {
        Discard();
        std::error_code ec;
        const fs::space_info space = fs::space(FolderOf(m_destination), ec);
        Fail(!ec && space.available == 0 ? "writing the file failed: the disk is full"
                                         : "writing the file failed");
    }
    std::error_code ec;
    const fs::file_status status = fs::status(m_destination, ec);
    const bool replaces = !ec && fs::exists(status);
#ifdef GYROLITH_POSIX_FILES
    // On the disk before the rename, so a crash cannot leave the name on empty contents.
    if (::fsync(m_lockFd) != 0) {
        const int error = errno;
        Discard();
        Fail("writing the file failed (" + ErrorText(error) + ")");
    }
    const mode_t mode =
        replaces ? static_cast<mode_t>(status.permissions() & fs::perms::mask) : NewFileMode();
    ::fchmod(m_lockFd, mode);
#else
    if (replaces) {
        fs::permissions(m_temp, status.permissions(), ec);
    }
#endif
    ec.clear();
    fs::rename(m_temp, m_destination, ec);
    if (ec) {
        Discard();
        Fail(ec.message());
    }
    m_done = true;
    ReleaseTemporary();
}

void WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(std::ostream&)>& write)
{
    CAtomicFile file(target);
    write(file.Stream());
    file.Commit();
}
