// Line checksums of written cards.
#include "cardfile/card_checksum.h"

int CardLineChecksum(std::string_view bytes)
{
    // Without branches, so that the compiler can add many bytes at once.
    std::int64_t sum = 0;
    for (const char c : bytes) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        sum += blank ? 0 : static_cast<signed char>(c);
    }
    return static_cast<int>(sum % 32768);
}
