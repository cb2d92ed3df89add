// The shared checks of the card writers.
#include "cardfile/card_writer.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_checksum.h"
#include "cardfile/card_stream.h"
#include "platform/text_encoding.h"

#include <string>

namespace
{
// Readers take a longer line for damage, so such a card would make the file unreadable.
void RefuseTooLong(std::string_view card, std::size_t length)
{
    if (length <= CCardStream::kMaxCardLength) {
        return;
    }
    std::string keyword(card.substr(0, 5));
    keyword.erase(keyword.find_last_not_of(' ') + 1);
    throw errCardFieldRefused("card", std::string(card.substr(0, 5)),
                              "The " + keyword + " card cannot be written: it is " +
                                  std::to_string(length) + " characters long, more than the " +
                                  std::to_string(CCardStream::kMaxCardLength) + " a card can hold");
}
} // namespace

int CCardWriter::WriteCard(std::string_view card)
{
    if (!card.empty() && card.back() == '\n') {
        card.remove_suffix(1);
    }
    // One pass over the card, without branches, finds line breaks and tells the usual
    // all-ASCII card, whose UTF-8 bytes are already its Windows-1252 bytes.
    bool lineBreak = false;
    unsigned bits = 0;
    for (const char c : card) {
        lineBreak |= (c == '\r') | (c == '\n');
        bits |= static_cast<unsigned char>(c);
    }
    const bool ascii = bits < 0x80;
    if (lineBreak) {
        const std::string keyword(card.substr(0, 5));
        throw errCardFieldRefused("card", std::string(card),
                                  "The " + keyword +
                                      " card cannot be written: it holds a line "
                                      "break");
    }
    if (ascii) {
        RefuseTooLong(card, card.size());
        WriteLine(card, card);
        return CardLineChecksum(card);
    }
    const std::string windows1252 = Utf8ToWindows1252(card);
    RefuseTooLong(card, windows1252.size());
    WriteLine(card, windows1252);
    return CardLineChecksum(windows1252);
}
