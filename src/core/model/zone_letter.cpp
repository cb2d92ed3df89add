// Zone letters.
#include "model/zone_letter.h"

std::string ZoneLetter(std::uint32_t number)
{
    if (number >= 1 && number <= 62) {
        return std::string(1, static_cast<char>(64 + number));
    }
    return "#" + std::to_string(number);
}
