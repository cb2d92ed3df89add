// Where card writers put the cards they format.
#pragma once

#include <string_view>

// Takes formatted cards one at a time and puts them into a file or a snapshot with the line
// ends and encoding that destination uses. A card that would split into two lines, or that is
// longer than CCardStream::kMaxCardLength, is refused (errCardFieldRefused) before anything of
// it is written.
class CCardWriter
{
public:
    virtual ~CCardWriter() = default;

    // card is one line of UTF-8 text, with or without its final "\n". Returns the card's line
    // checksum as it lies in a Windows-1252 file, so a snapshot and a saved file add up alike.
    int WriteCard(std::string_view card);

protected:
    // One card without its line end, as UTF-8 and as Windows-1252 (the same bytes for an
    // all-ASCII card): each destination takes the encoding it stores.
    virtual void WriteLine(std::string_view utf8, std::string_view windows1252) = 0;
};
