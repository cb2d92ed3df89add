// The line source that card readers pull their cards from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Yields one card line after another, without line ends and as UTF-8, whatever the source holds
// (a Windows-1252 file with CR LF or LF line ends, or an in-memory snapshot with LF). A last line
// without a line end is still a line.
class CCardStream
{
public:
    // No card the program writes is longer, in characters (bytes on disk); a text field holds at
    // most what an edit box takes. A longer line in a file means it is not a card file.
    static constexpr std::size_t kMaxCardLength = 32768;

    virtual ~CCardStream() = default;
    // Clears line, puts the next line into it and returns true; false when nothing is left.
    virtual bool ReadLine(std::string& line) = 0;
    // Goes back to the start; returns the new position (0), or -1 when the source cannot seek.
    virtual std::int64_t Rewind() = 0;

    // The next line where a card is required: the end of the stream there means a corrupt
    // file, raised as eFileError::Corrupt. keyword names the card the reader expects, so that
    // a failure can say where the file went wrong and what belonged there. A stream that
    // filters another passes the call on, so that the other one knows where reading stopped.
    virtual std::string ReadCard(std::string_view keyword = {});

    // The 1-based number of the line the last ReadCard returned or, at the end of the stream,
    // looked for; 0 before the first. Counted since construction or the last Rewind.
    std::size_t LineNumber() const { return m_lineNumber; }
    // The keyword given to that ReadCard (empty when none was).
    const std::string& ExpectedKeyword() const { return m_expectedKeyword; }

protected:
    // Raises errCorruptCardData for a line longer than any card, in characters.
    [[noreturn]] static void LineTooLong();
    // Rewind of every stream calls this.
    void RestartLineCount()
    {
        m_lineNumber = 0;
        m_expectedKeyword.clear();
    }

private:
    std::size_t m_lineNumber = 0;
    std::string m_expectedKeyword;
};
