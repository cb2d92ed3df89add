// Card streams and writers: line ends, encodings and the end of the stream.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_writer_file.h"
#include "cardfile/card_writer_memory.h"
#include "case_name.h"
#include "platform/text_encoding.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using TestSupport::PrintTo;
std::vector<std::string> ReadAll(CCardStream& stream)
{
    std::vector<std::string> lines;
    std::string line = "stale";
    while (stream.ReadLine(line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(line, "") << "a failed read leaves the line cleared";
    return lines;
}

std::vector<std::string> ReadFileBytes(const std::string& bytes)
{
    std::istringstream file(bytes, std::ios::binary);
    CCardStreamFile stream(file);
    return ReadAll(stream);
}

using Lines = std::vector<std::string>;

struct LineEndCase
{
    const char* name;
    std::string bytes;
    Lines lines;
};

class CardStreamLineEnds : public testing::TestWithParam<LineEndCase>
{};

TEST_P(CardStreamLineEnds, FileAndMemoryStreamsSplitAlike)
{
    EXPECT_EQ(ReadFileBytes(GetParam().bytes), GetParam().lines);
    CCardStreamMemory memory(GetParam().bytes);
    EXPECT_EQ(ReadAll(memory), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Streams, CardStreamLineEnds,
                         testing::Values(LineEndCase{"Empty", "", {}},
                                         LineEndCase{"Mixed", "A\r\nB\nC\r\n", {"A", "B", "C"}},
                                         LineEndCase{"LastLineWithoutEnd", "A\nB", {"A", "B"}},
                                         LineEndCase{"LastLineCrWithoutLf", "A\r\nB\r", {"A", "B"}},
                                         LineEndCase{"EmptyLines", "\n\r\n\n", {"", "", ""}},
                                         LineEndCase{"LoneCrInsideStays", "A\rB\n", {"A\rB"}}),
                         CaseName());

TEST(CardStreamFile, LinesAcrossReadChunksAreWholeAndBecomeUtf8)
{
    // Lines that end exactly at, just after and far beyond the 512-byte reads, with the CR of
    // a CR LF falling on the last byte of a chunk.
    const std::string first(511, 'a');
    const std::string second(1500, 'b');
    const std::string third(3, 'c');
    const std::string bytes = first + "\r\n" + second + "\n" + third;
    EXPECT_EQ(ReadFileBytes(bytes), (Lines{first, second, third}));
    EXPECT_EQ(ReadFileBytes(std::string(512, 'x') + "\n"), (Lines{std::string(512, 'x')}));
    EXPECT_EQ(ReadFileBytes("TEXT caf\xE9 \x80\r\n"), (Lines{"TEXT caf\xC3\xA9 \xE2\x82\xAC"}));
}

// Reading past the end is held by NetworkFileBroken (EndsInsideTheArms, EndsBeforeTheChecksum).
TEST(CardStreamReadCard, RewindStartsAgainAtLineZero)
{
    CCardStreamMemory stream("NET  \nARM  \n");
    EXPECT_EQ(stream.ReadCard("NET  "), "NET  ");
    EXPECT_EQ(stream.ReadCard(), "ARM  ");
    EXPECT_EQ(stream.LineNumber(), 2u);
    EXPECT_EQ(stream.Rewind(), 0);
    EXPECT_EQ(stream.LineNumber(), 0u);
    EXPECT_EQ(stream.ReadCard(), "NET  ");
}

// A stream that never ends and holds no line end, as a device does.
class CEndlessZeros : public std::streambuf
{
protected:
    int_type underflow() override
    {
        setg(m_zeros, m_zeros, m_zeros + sizeof m_zeros);
        return 0;
    }
    // Every position is the start.
    pos_type seekoff(off_type, std::ios::seekdir, std::ios::openmode) override { return 0; }
    pos_type seekpos(pos_type, std::ios::openmode) override { return 0; }

private:
    char m_zeros[4096] = {};
};

TEST(CardStreamFile, LineLongerThanAnyCardIsDamageReportedWithoutReadingOn)
{
    const std::size_t max = CCardStream::kMaxCardLength;
    EXPECT_EQ(ReadFileBytes(std::string(max, 'x') + "\r\nA").size(), 2u);
    EXPECT_EQ(ReadFileBytes(std::string(max, 'x')).size(), 1u);
    for (const std::string& bytes : {std::string(max + 1, 'x'), std::string(max + 1, 'x') + "\r\n",
                                     "A\n" + std::string(3 * max, 'x')}) {
        EXPECT_THROW(ReadFileBytes(bytes), errCorruptCardData) << bytes.size();
    }
    CEndlessZeros zeros;
    std::istream device(&zeros);
    CCardStreamFile stream(device);
    try {
        stream.ReadCard("SCHEM");
        FAIL() << "no exception";
    } catch (const errCorruptCardData& e) {
        EXPECT_STREQ(e.what(), "The line is longer than any card can be (over 32768 characters)");
    }
}

// A snapshot is held to the same length in characters: a two-byte character counts once.
TEST(CardStreamMemory, LineLongerThanAnyCardIsDamage)
{
    const std::size_t max = CCardStream::kMaxCardLength;
    const auto lines = [](const std::string& text) {
        CCardStreamMemory stream(text);
        std::size_t count = 0;
        for (std::string line; stream.ReadLine(line);)
            ++count;
        return count;
    };
    EXPECT_EQ(lines(std::string(max, 'x') + "\r\nA"), 2u);
    EXPECT_EQ(lines(std::string(max - 1, 'x') + "\xC2\xAC"), 1u);
    for (const std::string& text :
         {std::string(max + 1, 'x'), std::string(max, 'x') + "\xC2\xAC\r\n"})
        EXPECT_THROW(lines(text), errCorruptCardData) << text.size();
}

TEST(CardWriterMemory, SnapshotKeepsLfAndUtf8)
{
    CCardWriterMemory writer;
    writer.WriteCard("TEXT \xE4\xB8\xAD\n");
    writer.WriteCard("NET  ");
    EXPECT_EQ(writer.Text(), "TEXT \xE4\xB8\xAD\nNET  \n");
}

TEST(CardWriter, CardWithALineBreakInsideIsRefusedUnwritten)
{
    CCardWriterMemory writer;
    try {
        writer.WriteCard("LABEL two\nlines\n");
        FAIL() << "no exception";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(), "The LABEL card cannot be written: it holds a line break");
    }
    EXPECT_THROW(writer.WriteCard("ARM  \r"), errCardFieldRefused);
    try {
        // 0xE9 on disk: the length that counts is the file's, not the UTF-8 one.
        writer.WriteCard("REPD " + std::string(CCardStream::kMaxCardLength - 6, 'x') +
                         "\xC3\xA9\xC3\xA9");
        FAIL() << "no exception";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(), "The REPD card cannot be written: it is 32769 characters long, "
                               "more than the 32768 a card can hold");
    }
    writer.WriteCard("REPD " + std::string(CCardStream::kMaxCardLength - 7, 'x') +
                     "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(Utf8CharCount(writer.Text()), CCardStream::kMaxCardLength + 1);
}

// "é" is the single byte 0xE9 (-23) on disk. The memory writer's sum is held by
// NetworkFile.ChecksumCoversEveryCardButTheReports.
TEST(CardWriterFile, ChecksumIsTakenOverTheWindows1252Bytes)
{
    std::ostringstream file(std::ios::binary);
    CCardWriterFile writer(file);
    EXPECT_EQ(writer.WriteCard("TEXT \xC3\xA9\n"), 'T' + 'E' + 'X' + 'T' - 23);
}
} // namespace
