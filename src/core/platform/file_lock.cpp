#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CFileLock& CFileLock::operator=(CFileLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

CFileLock CFileLock::TryExclusive(const std::string& path)
{
    CFileLock lock;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lock;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return lock;
    }
    lock.m_fd = fd;
    return lock;
}

std::optional<std::int64_t> CFileLock::LastModified() const
{
    struct stat status
    {};
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(status.st_mtime);
}

void CFileLock::Release()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}
