#include "platform/random_name.h"

#include <random>

std::string RandomFileNamePart()
{
    static std::mt19937_64 generator{std::random_device{}()};
    static const char* const digits = "0123456789abcdef";
    std::string part;
    auto bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4) {
        part += digits[bits & 0xF];
    }
    return part;
}
