// The shared checks of the card writers.
#include "cardfile/card_writer.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_checksum.h"
#include "cardfile/windows1252.h"

#include <string>

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
        WriteLine(card, card);
        return CardLineChecksum(card);
    }
    const std::string windows1252 = Utf8ToWindows1252(card);
    WriteLine(card, windows1252);
    return CardLineChecksum(windows1252);
}
