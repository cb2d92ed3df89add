// Saving a file so that a failed or interrupted save never damages the one already on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

// A file that could not be written. The message names the path once and says why: "Cannot
// write out.crs: the file is read-only".
class errFileWrite : public std::runtime_error
{
public:
    explicit errFileWrite(const std::string& message) : std::runtime_error(message) {}
};

// Writes go to a temporary file beside the target (same folder, so the final rename stays on
// one file system). Commit flushes it to the disk and renames it over the target; until then
// the target is untouched, and a CAtomicFile destroyed without a successful Commit removes its
// temporary file. The stream is binary: card writers put in their own CR LF.
//
// What the target is stays as it was: a symbolic link is written through to the file it
// names; an existing target that is not a regular file (a folder, device or pipe) or that is
// read-only is refused before anything is written. The temporary file is readable by its
// owner only until it takes the target's permissions (a new file: those the umask gives).
// Temporary files that a killed save of the same target left behind are removed first; a
// save in progress holds a lock on its own, so a concurrent one is never disturbed.
class CAtomicFile
{
public:
    // Raises errFileWrite when the target is refused or the temporary file cannot be created.
    explicit CAtomicFile(std::filesystem::path target);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    std::ostream& Stream() { return m_stream; }
    const std::filesystem::path& TempPath() const { return m_temp; }

    // Raises errFileWrite, after removing the temporary file, when any write failed or the
    // file cannot be flushed or renamed.
    void Commit();
    // Drops what was written; the target stays as it was.
    void Discard();

private:
    [[noreturn]] void Fail(const std::string& reason) const;
    void CreateTemporary();
    void ReleaseTemporary();

    std::filesystem::path m_target;      // as given, for messages
    std::filesystem::path m_destination; // the file a link chain ends at
    std::filesystem::path m_temp;
    std::ofstream m_stream;
    int m_lockFd = -1; // holds the temporary file's lock while it is written
    bool m_done = false;
};

// Runs write on the stream of a CAtomicFile for target and commits it. An exception from
// write propagates after the temporary file is removed.
void WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(std::ostream&)>& write);
