// Temporary file, flush, rename.
#include "cardfile/atomic_file.h"

#include "platform/random_name.h"

#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace
{
// Pushes the file's data to the disk, so the rename cannot outlive the contents in a crash.
bool SyncToDisk(const std::filesystem::path& path)
{
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
#else
    (void)path; // closing the stream hands the data to the system, which is what we can do here
    return true;
#endif
}
} // namespace

CAtomicFile::CAtomicFile(std::filesystem::path target) : m_target(std::move(target))
{
    const std::filesystem::path folder = m_target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path candidate =
            folder / ("." + m_target.filename().string() + "." + RandomFileNamePart() + ".tmp");
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec) && !ec) {
            m_temp = std::move(candidate);
            break;
        }
    }
    if (!m_temp.empty()) {
        m_stream.open(m_temp, std::ios::out | std::ios::binary | std::ios::trunc);
    }
    if (m_temp.empty() || !m_stream.is_open()) {
        m_done = true;
        throw errFileWrite("Cannot create a file in the folder of " + m_target.string());
    }
}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

void CAtomicFile::Discard()
{
    if (m_done) {
        return;
    }
    m_done = true;
    m_stream.close();
    std::error_code ec;
    std::filesystem::remove(m_temp, ec);
}

void CAtomicFile::Commit()
{
    if (m_done) {
        throw errFileWrite("Cannot write " + m_target.string() + ": the file was already closed");
    }
    m_stream.flush();
    const bool written = m_stream.good();
    m_stream.close();
    if (!written || m_stream.fail() || !SyncToDisk(m_temp)) {
        Discard();
        throw errFileWrite("Cannot write " + m_target.string() + ": writing the file failed");
    }
    std::error_code ec;
    // A replaced file keeps the permissions it had.
    const auto status = std::filesystem::status(m_target, ec);
    if (!ec && std::filesystem::exists(status)) {
        std::filesystem::permissions(m_temp, status.permissions(), ec);
    }
    ec.clear();
    std::filesystem::rename(m_temp, m_target, ec);
    if (ec) {
        Discard();
        throw errFileWrite("Cannot write " + m_target.string() + ": " + ec.message());
    }
    m_done = true;
}

void WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(std::ostream&)>& write)
{
    CAtomicFile file(target);
    write(file.Stream());
    file.Commit();
}
