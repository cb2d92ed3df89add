// An exclusive advisory lock on an existing file, which a running copy of the program holds on
// the files it owns (its auto-save file) so that another copy leaves them alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CFileLock
{
public:
    CFileLock() = default;
    ~CFileLock() { Release(); }
    CFileLock(CFileLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    CFileLock& operator=(CFileLock&& other) noexcept;
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Takes the lock without waiting; the result holds nothing when the file cannot be opened
    // or another open file description holds a lock on it.
    static CFileLock TryExclusive(const std::string& path);

    bool IsHeld() const { return m_fd >= 0; }
    // The locked file's modification time in seconds since 1970.
    std::optional<std::int64_t> LastModified() const;
    // Closing the file drops the lock.
    void Release();

private:
    int m_fd = -1;
};
