// The line source that card readers pull their cards from.
#pragma once

#include <cstdint>
#include <string>

// Yields one card line after another, without line ends and as UTF-8, whatever the source holds
// (a Windows-1252 file with CR LF or LF line ends, or an in-memory snapshot with LF). A last line
// without a line end is still a line.
class CCardStream
{
public:
    virtual ~CCardStream() = default;
    // Clears line, puts the next line into it and returns true; false when nothing is left.
    virtual bool ReadLine(std::string& line) = 0;
    // Goes back to the start; returns the new position (0), or -1 when the source cannot seek.
    virtual std::int64_t Rewind() = 0;

    // The next line where a card is required: the end of the stream there means a corrupt
    // file, raised as eFileError::Corrupt.
    std::string ReadCard();
};
