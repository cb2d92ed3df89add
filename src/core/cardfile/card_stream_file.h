// The card stream over a file on disk.
#pragma once

#include "cardfile/card_stream.h"

#include <istream>
#include <string>

// Reads the cards of an open file that it does not own; the file must outlive the stream and
// should be opened in binary mode, since this stream itself turns CR LF into a line end (a
// bare LF is accepted too) and the Windows-1252 text into UTF-8. Lines are assembled from reads
// of 512 bytes; one longer than kMaxCardLength raises errCorruptCardData as soon as that is
// clear, so a file without line ends (a device, say) costs no more memory than one card.
// Construction seeks the file to its start.
class CCardStreamFile : public CCardStream
{
public:
    explicit CCardStreamFile(std::istream& file);

    bool ReadLine(std::string& line) override;
    std::int64_t Rewind() override;

private:
    static constexpr std::size_t kChunk = 512;

    std::istream* m_file;
    std::string m_buffer;     // bytes read from the file ...
    std::size_t m_offset = 0; // ... of which those before this offset were returned
};
