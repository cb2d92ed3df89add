// The letter a zone is shown by in lists, matrices and reports.
#pragma once

#include <cstdint>
#include <string>

// The character with code 64 + number ("A" for zone 1, "Z" for 26, then "[" and on up to "~"
// for 62). Numbers whose character would not be printable text (0, and 63 up) are shown as
// "#" and the number, so that no zone ever writes a control or non-ASCII byte.
std::string ZoneLetter(std::uint32_t number);
