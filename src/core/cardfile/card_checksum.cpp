// Line checksums of written cards.
#include "cardfile/card_checksum.h"

int CardLineChecksum(std::string_view bytes)
{
    std::int64_t sum = 0;
    for (const char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            continue;
        }
        sum += static_cast<signed char>(c);
    }
    return static_cast<int>(sum % 32768);
}
