// Card streams and writers: line ends, encodings and the end of the stream.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_text.h"
#include "cardfile/card_writer_file.h"
#include "cardfile/card_writer_memory.h"
#include "case_name.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{
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

TEST(CardStreamReadCard, EndOfStreamIsACorruptFile)
{
    CCardStreamMemory stream("NET  \n");
    EXPECT_EQ(stream.ReadCard(), "NET  ");
    EXPECT_EQ(stream.Rewind(), 0);
    EXPECT_EQ(stream.ReadCard(), "NET  ");
    try {
        stream.ReadCard();
        FAIL() << "no exception";
    } catch (eFileError error) {
        EXPECT_EQ(static_cast<int>(error), 0);
    }
}

TEST(CardWriterFile, EveryCardEndsInCrLfAndIsWindows1252)
{
    std::ostringstream file(std::ios::binary);
    CCardWriterFile writer(file);
    writer.WriteCard("SCHEM1.3\n");
    writer.WriteCard("TEXT caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD");
    writer.WriteCard(CCardText("a\r\nb").Format());
    EXPECT_EQ(file.str(), "SCHEM1.3\r\n"
                          "TEXT caf\xE9 \x80 ?\r\n"
                          "TEXT a\xAC"
                          "b\r\n");
}

TEST(CardWriterMemory, SnapshotKeepsLfAndUtf8)
{
    CCardWriterMemory writer;
    writer.WriteCard("TEXT \xE4\xB8\xAD\n");
    writer.WriteCard("NET  ");
    EXPECT_EQ(writer.Text(), "TEXT \xE4\xB8\xAD\nNET  \n");
    CCardStreamMemory stream(writer.Text());
    EXPECT_EQ(ReadAll(stream), (Lines{"TEXT \xE4\xB8\xAD", "NET  "}));
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
    EXPECT_EQ(writer.Text(), "");
}

TEST(CardWriter, ChecksumIsTakenOverTheWindows1252Bytes)
{
    // "é" is the single byte 0xE9 (-23) on disk, whichever writer is used.
    std::ostringstream file(std::ios::binary);
    CCardWriterFile fileWriter(file);
    CCardWriterMemory memoryWriter;
    EXPECT_EQ(fileWriter.WriteCard("TEXT \xC3\xA9\n"), 'T' + 'E' + 'X' + 'T' - 23);
    EXPECT_EQ(memoryWriter.WriteCard("TEXT \xC3\xA9\n"), 'T' + 'E' + 'X' + 'T' - 23);
}
} // namespace
