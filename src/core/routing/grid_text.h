// Numbers as the tables show and read them, the same in every locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value with `precision` decimals, as printf's "%.*f" writes it in the "C" locale: the
// decimal point is always ".", whatever locale the desktop program runs in.
std::string FormatFixed(double value, int precision);

// The whole number a typed text starts with, read as the grid reads a cell: blanks, an optional
// sign, then digits; anything else ends it ("12.7" gives 12, "abc" 0). A value too large for
// 64 bits saturates; `typed` holds the sign and digits as written, for messages.
struct CLeadingWholeNumber
{
    long long value = 0;
    std::string typed;
};
CLeadingWholeNumber LeadingWholeNumber(std::string_view text);

// A cell of pasted or imported flows: blanks around it are ignored, an empty cell is 0, and
// otherwise it must be an optional "+" and digits only, 0 to 99999. None for anything else
// (a fraction, a sign "-", a thousands separator, a word).
std::optional<std::int32_t> DesiredFlowCell(std::string_view text);

// True when a number shown as `text` ("-0.4", "0", "12.5") has a whole part of zero.
bool WholePartIsZero(std::string_view text);

// At most `limit` characters of a text for a message, with "..." when it was cut.
std::string Excerpt(std::string_view text, std::size_t limit = 24);
