// Atomic saving: the old file survives every failed write.
#include "cardfile/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <string>

namespace
{
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

    std::string Contents() const
    {
        std::ifstream in(m_target, std::ios::binary);
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

TEST_F(AtomicFileTest, RenameFailureLeavesNoTemporary)
{
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directory(m_target);
    try {
        WriteFileAtomically(m_target, [](std::ostream& out) { out << "x"; });
        FAIL() << "no exception";
    } catch (const errFileWrite& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot write " + m_target.string() + ": ", 0), 0u)
            << e.what();
    }
    EXPECT_TRUE(fs::is_directory(m_target));
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
                  "Cannot create a file in the folder of " + target.string());
    }
}

TEST_F(AtomicFileTest, ReplacedFileKeepsItsPermissions)
{
    WriteOld();
    fs::permissions(m_target, fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomically(m_target, [](std::ostream& out) { out << "new"; });
    EXPECT_EQ(fs::status(m_target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}
} // namespace
