// Atomic saving: the old file survives every failed write.
#include "platform/atomic_file.h"
#include "temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteOldFile(const fs::path& path)
{
    std::ofstream(path, std::ios::binary) << "old contents\r\n";
}

class AtomicFileTest : public testing::Test
{
protected:
    void WriteOld() { WriteOldFile(m_target); }
    std::string Contents() const { return ReadFile(m_target); }

    int FilesInFolder() const
    {
        return static_cast<int>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    CTempDir m_dir;
    const fs::path m_folder = m_dir.Path();
    const fs::path m_target = m_folder / "network.crs";
};

TEST_F(AtomicFileTest, FailedWriteLeavesOldFileAndNoTemporary)
{
    WriteOld();
    EXPECT_THROW(WriteFileAtomically(m_target,
                                     [](std::ostream& out) {
                                         out << "half a netw";
                                         throw std::runtime_error("field refused");
                                     }),
                 std::runtime_error);
    try {
        WriteFileAtomically(m_target, [](std::ostream& out) {
            out << "partial";
            out.setstate(std::ios::badbit); // as a full disk would
        });
        FAIL() << "no exception";
    } catch (const errFileWrite& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot write " + m_target.string() + ": writing the file failed");
    }
    EXPECT_EQ(Contents(), "old contents\r\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, OnlyACommitCreatesOrReplacesTheFile)
{
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "first"; });
    EXPECT_EQ(Contents(), "first");
    fs::path temp;
    {
        CAtomicFile file(m_target);
        temp = file.TempPath();
        file.Stream() << "never committed";
        EXPECT_EQ(temp.parent_path(), m_folder);
        EXPECT_TRUE(fs::exists(temp));
    }
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_EQ(Contents(), "first");
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "new\r\n"; });
    EXPECT_EQ(Contents(), "new\r\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, MissingFolderIsReported)
{
    const fs::path target = m_folder / "no such folder" / "network.crs";
    try {
        CAtomicFile file(target);
        FAIL() << "no exception";
    } catch (const errFileWrite& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot write " + target.string() + ": its folder does not exist");
    }
}

// What stands at the target stays what it is: anything but a writable regular file is
// refused before a byte is written, and a link is written through.
TEST(AtomicFileTargets, KeepTheirKind)
{
    const struct
    {
        const char* name;
        std::function<void(const fs::path& target, const fs::path& folder)> make;
        const char* refusal; // the reason after "Cannot write <target>: ", or empty when written
    } cases[] = {
        {"LinkIsWrittenThrough",
         [](const fs::path& target, const fs::path& folder) {
             WriteOldFile(folder / "real.crs");
             fs::create_symlink("real.crs", target);
         },
         ""},
        {"LinkToALinkInAnotherFolder",
         [](const fs::path& target, const fs::path& folder) {
             WriteOldFile(folder / "real.crs");
             fs::create_directory(folder / "sub");
             fs::create_symlink(folder / "real.crs", folder / "sub" / "hop.crs");
             fs::create_symlink("sub/hop.crs", target);
         },
         ""},
        {"DanglingLinkMakesItsFile",
         [](const fs::path& target, const fs::path&) { fs::create_symlink("real.crs", target); },
         ""},
        {"LinkToAFolder",
         [](const fs::path& target, const fs::path& folder) {
             fs::create_directory(folder / "real.crs");
             fs::create_symlink("real.crs", target);
         },
         "it is a folder"},
        {"Fifo",
         [](const fs::path& target, const fs::path&) {
             ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
         },
         "it is not a regular file (a device, pipe or socket)"},
        {"ReadOnlyThroughALink",
         [](const fs::path& target, const fs::path& folder) {
             WriteOldFile(folder / "real.crs");
             fs::permissions(folder / "real.crs", fs::perms::owner_read);
             fs::create_symlink("real.crs", target);
         },
         "the file is read-only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CTempDir dir;
        const fs::path folder = dir.Path();
        const fs::path target = folder / "network.crs";
        c.make(target, folder);
        const fs::file_status before = fs::symlink_status(target);
        try {
            WriteFileAtomically(target, [](std::ostream& out) { out << "new"; });
            EXPECT_STREQ(c.refusal, "") << "written";
        } catch (const errFileWrite& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot write " + target.string() + ": " + c.refusal);
        }
        EXPECT_EQ(fs::symlink_status(target).type(), before.type());
        const fs::path real = folder / "real.crs";
        if (fs::is_regular_file(real)) {
            EXPECT_EQ(ReadFile(real), *c.refusal ? "old contents\r\n" : "new");
        }
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
        }
    }
}

TEST_F(AtomicFileTest, TemporaryIsPrivateAndTheFileGetsTheTargetsPermissions)
{
    const auto mode = [](const fs::path& path) {
        return fs::status(path).permissions() & fs::perms::all;
    };
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    WriteOld();
    fs::permissions(m_target, shared);
    {
        CAtomicFile file(m_target);
        EXPECT_EQ(mode(file.TempPath()), fs::perms::owner_read | fs::perms::owner_write);
        file.Stream() << "new";
        file.Commit();
    }
    EXPECT_EQ(mode(m_target), shared);

    // A new file gets what the umask allows, as any program's would.
    const mode_t mask = ::umask(027);
    WriteFileAtomically(m_folder / "new.crs", [](std::ostream& out) { out << "x"; });
    ::umask(mask);
    EXPECT_EQ(mode(m_folder / "new.crs"), shared);
}

TEST_F(AtomicFileTest, LeftoversOfAKilledSaveGoButNotThoseOfARunningOne)
{
    WriteOld();
    const fs::path killed = m_folder / ".network.crs.0123456789ab.tmp";
    const fs::path running = m_folder / ".network.crs.ba9876543210.tmp";
    const fs::path otherTarget = m_folder / ".other.crs.0123456789ab.tmp";
    const fs::path notOurs = m_folder / ".network.crs.backup.tmp";
    for (const fs::path& path : {killed, running, otherTarget, notOurs}) {
        std::ofstream(path, std::ios::binary) << "half a netw";
    }
    // A save in progress holds the lock on its temporary file.
    const int held = ::open(running.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "new"; });
    ::close(held);
    EXPECT_EQ(Contents(), "new");
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(otherTarget));
    EXPECT_TRUE(fs::exists(notOurs));
}
} // namespace
