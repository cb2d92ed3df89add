// Saving a file so that a failed or interrupted save never damages the one already on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

// A file that could not be written; the message names the path.
class errFileWrite : public std::runtime_error
{
public:
    explicit errFileWrite(const std::string& message) : std::runtime_error(message) {}
};

// Writes go to a temporary file beside the target (same folder, so the final rename stays on
// one file system). Commit flushes it to the disk and renames it over the target; until then
// the target is untouched, and a CAtomicFile destroyed without a successful Commit removes its
// temporary file. The stream is binary: card writers put in their own CR LF.
class CAtomicFile
{
public:
    // Raises errFileWrite when the temporary file cannot be created.
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
    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    std::ofstream m_stream;
    bool m_done = false;
};

// Runs write on the stream of a CAtomicFile for target and commits it. An exception from
// write propagates after the temporary file is removed.
void WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(std::ostream&)>& write);
