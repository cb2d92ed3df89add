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
    if (card.find_first_of("\r\n") != std::string_view::npos) {
        const std::string keyword(card.substr(0, 5));
        throw errCardFieldRefused("card", std::string(card),
                                  "The " + keyword +
                                      " card cannot be written: it holds a line "
                                      "break");
    }
    const int checksum = CardLineChecksum(Utf8ToWindows1252(card));
    WriteLine(card);
    return checksum;
}
