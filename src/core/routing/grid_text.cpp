// Locale-free number texts of the tables.
#include "routing/grid_text.h"

#include "routing/desired_flow_edits.h"

#include <charconv>
#include <limits>

namespace
{

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string FormatFixed(double value, int precision)
{
    // Wide enough for any double in fixed notation with the largest precision taken.
    char text[400];
    const int digits = precision < 0 ? 0 : precision > 17 ? 17 : precision;
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, digits);
    return std::string(text, result.ptr);
}

CLeadingWholeNumber LeadingWholeNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    CLeadingWholeNumber number;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        number.typed += text[i++];
    }
    constexpr long long limit = std::numeric_limits<long long>::max();
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
        number.typed += text[i];
    }
    number.value = negative ? -magnitude : magnitude;
    return number;
}

std::optional<std::int32_t> DesiredFlowCell(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty()) {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > MaxDesiredFlow) {
            return std::nullopt;
        }
    }
    return value;
}

bool WholePartIsZero(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const std::string_view whole = text.substr(0, text.find('.'));
    if (whole.empty()) {
        return false;
    }
    for (const char c : whole) {
        if (c != '0') {
            return false;
        }
    }
    return true;
}

std::string Excerpt(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit) {
        return std::string(text);
    }
    return std::string(text.substr(0, limit)) + "...";
}
