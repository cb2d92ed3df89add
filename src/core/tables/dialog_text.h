// Reading what a user typed into a dialog's edit boxes, and writing numbers into them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Blanks trimmed from both ends.
std::string_view TrimBlanks(std::string_view text);

// A whole number, blanks around it allowed, an optional sign; none for anything else and for a
// number beyond the range of long long.
std::optional<long long> ParseWholeNumber(std::string_view text);

// A finite decimal number ("12", "-0.5", "1e3"), blanks around it allowed; none otherwise.
std::optional<double> ParseNumber(std::string_view text);

// printf-style formatting of one number, as the dialogs show them ("%2u", "%1.1f", "%.5g").
std::string FormatNumber(const char* format, int value);
std::string FormatNumber(const char* format, double value);

// The choices "1" .. "count" of a number list, each in the given format.
std::vector<std::string> NumberChoices(std::uint32_t count, const char* format);

// A text holds no line break: the card that stores it ends at the first one.
bool IsSingleLine(std::string_view text);
