// Atomic saving: the old file survives every failed write.
#include "platform/atomic_file.h"
#include "case_name.h"

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
using TestSupport::PrintTo;
namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("gyrolith_atomic_" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_target = m_folder / "network.crs";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void WriteOld() { std::ofstream(m_target, std::ios::binary) << "old contents\r\n"; }

    std::string Contents() const { return ReadFile(m_target); }
    static std::string ReadFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    int FilesInFolder() const
    {
        return static_cast<int>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
    fs::path m_target;
};

TEST_F(AtomicFileTest, CommitCreatesOrReplacesTheFile)
{
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "first"; });
    EXPECT_EQ(Contents(), "first");
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "new\r\n"; });
    EXPECT_EQ(Contents(), "new\r\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

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

TEST_F(AtomicFileTest, UncommittedFileIsDiscarded)
{
    WriteOld();
    fs::path temp;
    {
        CAtomicFile file(m_target);
        temp = file.TempPath();
        file.Stream() << "never committed";
        EXPECT_EQ(temp.parent_path(), m_folder);
        EXPECT_TRUE(fs::exists(temp));
    }
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_EQ(Contents(), "old contents\r\n");
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
struct TargetCase
{
    const char* name;
    std::function<void(const fs::path& target, const fs::path& folder)> make;
    const char* refusal; // the reason after "Cannot write <target>: ", or empty when written
};

class AtomicFileTargets : public AtomicFileTest, public testing::WithParamInterface<TargetCase>
{};

TEST_P(AtomicFileTargets, KeepTheirKind)
{
    GetParam().make(m_target, m_folder);
    const fs::file_status before = fs::symlink_status(m_target);
    try {
        WriteFileAtomically(m_target, [](std::ostream& out) { out << "new"; });
        EXPECT_STREQ(GetParam().refusal, "") << "written";
    } catch (const errFileWrite& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot write " + m_target.string() + ": " + GetParam().refusal);
    }
    EXPECT_EQ(fs::symlink_status(m_target).type(), before.type());
    const fs::path real = m_folder / "real.crs";
    if (fs::is_regular_file(real)) {
        EXPECT_EQ(ReadFile(real), *GetParam().refusal ? "old contents\r\n" : "new");
    }
    for (const auto& entry : fs::recursive_directory_iterator(m_folder)) {
        EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
    }
}

const auto kOldFile = [](const fs::path& path) {
    std::ofstream(path, std::ios::binary) << "old contents\r\n";
};

INSTANTIATE_TEST_SUITE_P(
    Kinds, AtomicFileTargets,
    testing::Values(TargetCase{"LinkIsWrittenThrough",
                               [](const fs::path& target, const fs::path& folder) {
                                   kOldFile(folder / "real.crs");
                                   fs::create_symlink("real.crs", target);
                               },
                               ""},
                    TargetCase{"LinkToALinkInAnotherFolder",
                               [](const fs::path& target, const fs::path& folder) {
                                   kOldFile(folder / "real.crs");
                                   fs::create_directory(folder / "sub");
                                   fs::create_symlink(folder / "real.crs",
                                                      folder / "sub" / "hop.crs");
                                   fs::create_symlink("sub/hop.crs", target);
                               },
                               ""},
                    TargetCase{"DanglingLinkMakesItsFile",
                               [](const fs::path& target, const fs::path&) {
                                   fs::create_symlink("real.crs", target);
                               },
                               ""},
                    TargetCase{"LinkToAFolder",
                               [](const fs::path& target, const fs::path& folder) {
                                   fs::create_directory(folder / "real.crs");
                                   fs::create_symlink("real.crs", target);
                               },
                               "it is a folder"},
                    TargetCase{"Fifo",
                               [](const fs::path& target, const fs::path&) {
                                   ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
                               },
                               "it is not a regular file (a device, pipe or socket)"},
                    TargetCase{"ReadOnlyThroughALink",
                               [](const fs::path& target, const fs::path& folder) {
                                   kOldFile(folder / "real.crs");
                                   fs::permissions(folder / "real.crs", fs::perms::owner_read);
                                   fs::create_symlink("real.crs", target);
                               },
                               "the file is read-only"}),
    CaseName());

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
