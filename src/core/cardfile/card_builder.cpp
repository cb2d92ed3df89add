// The checked field formatter of the card writers.
#include "cardfile/card_builder.h"

#include "platform/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace
{
// The sign printf puts before a number: a minus, or what the '+' or ' ' flag asks for.
char SignOf(const CCardConversion& conv, bool negative)
{
    return negative ? '-' : conv.plus ? '+' : conv.space ? ' ' : '\0';
}

// The parts of a number as printf lays them out: sign, zeros, digits.
struct CNumberText
{
    char sign = '\0';
    std::size_t zeros = 0;
    std::string_view digits;

    std::size_t Size() const { return (sign != '\0' ? 1 : 0) + zeros + digits.size(); }
};

// Appends the number padded to the width as printf pads it (zeroPad: with zeros after the sign
// rather than blanks before it), after refusing one wider than the field. Laid out in a buffer
// and appended at once, the buffer on the stack unless the field is wide: this runs for every
// field of every card of every checkpoint.
void AppendField(std::string& out, const CCardConversion& conv, CNumberText number, bool zeroPad,
                 std::string_view field)
{
    const std::size_t size = number.Size();
    const auto width = static_cast<std::size_t>(conv.width);
    if (conv.width > 0 && size > width) {
        const std::string value =
            (number.sign == '-' || number.sign == '+' ? std::string(1, number.sign)
                                                      : std::string()) +
            std::string(number.zeros, '0') + std::string(number.digits);
        throw errCardFieldRefused(std::string(field), value,
                                  "The " + std::string(field) + " " + value +
                                      " does not fit in its field of " +
                                      std::to_string(conv.width) + " columns");
    }
    std::size_t padding = width > size ? width - size : 0;
    const std::size_t total = size + padding;
    if (zeroPad && !conv.left) {
        number.zeros += padding;
        padding = 0;
    }
    char small[64];
    std::string large;
    char* const begin = total <= sizeof small ? small : (large.resize(total), large.data());
    char* put = begin;
    if (!conv.left) {
        put = std::fill_n(put, padding, ' ');
    }
    if (number.sign != '\0') {
        *put++ = number.sign;
    }
    put = std::fill_n(put, number.zeros, '0');
    put = std::copy(number.digits.begin(), number.digits.end(), put);
    if (conv.left) {
        std::fill_n(put, padding, ' ');
    }
    out.append(begin, total);
}

void CheckSingleLine(std::string_view text, std::string_view field)
{
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        throw errCardFieldRefused(std::string(field), std::string(text),
                                  "The " + std::string(field) +
                                      " cannot be written: it holds a line break");
    }
}
} // namespace

void AppendCardInt(std::string& out, const CCardConversion& conv, long long value,
                   std::string_view field)
{
    const bool negative = value < 0;
    if (negative && conv.type == 'u') {
        throw errCardFieldRefused(std::string(field), std::to_string(value),
                                  "The " + std::string(field) + " " + std::to_string(value) +
                                      " cannot be written: the field holds no negative "
                                      "numbers");
    }
    // The magnitude in unsigned arithmetic, which holds that of LLONG_MIN too.
    const unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value)
                                                  : static_cast<unsigned long long>(value);
    char digits[32];
    const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    CNumberText number;
    number.sign = conv.type == 'u' ? '\0' : SignOf(conv, negative);
    number.digits = std::string_view(digits, static_cast<std::size_t>(end - digits));
    // A precision is the least number of digits, and a zero of precision 0 has none.
    if (conv.precision >= 0) {
        const auto precision = static_cast<std::size_t>(conv.precision);
        if (magnitude == 0 && precision == 0) {
            number.digits = {};
        }
        number.zeros = precision > number.digits.size() ? precision - number.digits.size() : 0;
    }
    AppendField(out, conv, number, conv.zero && conv.precision < 0, field);
}

void AppendCardReal(std::string& out, const CCardConversion& conv, double value,
                    std::string_view field)
{
    if (!std::isfinite(value)) {
        const std::string shown = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
        throw errCardFieldRefused(std::string(field), shown,
                                  "The " + std::string(field) + " " + shown +
                                      " cannot be written: it is not a finite number");
    }
    // to_chars gives the digits of printf's %f in the "C" locale, so a locale with a decimal
    // comma set by a GUI cannot reach the file. DBL_MAX has 309 digits before the point, and a
    // parsed precision stays below 1000.
    const int precision = conv.precision < 0 ? 6 : conv.precision;
    char digits[310 + 1 + 1000];
    const char* end = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                    std::chars_format::fixed, precision)
                          .ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    AppendField(out, conv, {SignOf(conv, std::signbit(value)), 0, text}, conv.zero, field);
}

void AppendCardText(std::string& out, const CCardConversion& conv, std::string_view text,
                    std::string_view field)
{
    CheckSingleLine(text, field);
    const std::size_t chars = Utf8CharCount(text);
    const std::size_t padding = chars < static_cast<std::size_t>(conv.width)
                                    ? static_cast<std::size_t>(conv.width) - chars
                                    : 0;
    if (!conv.left) {
        out.append(padding, ' ');
    }
    out += text;
    if (conv.left) {
        out.append(padding, ' ');
    }
}

std::string FormatCardInt(std::string_view conversion, long long value, std::string_view field)
{
    std::string text;
    AppendCardInt(text, CCardConversion::Parse(conversion, "diu"), value, field);
    return text;
}

std::string FormatCardReal(std::string_view conversion, double value, std::string_view field)
{
    std::string text;
    AppendCardReal(text, CCardConversion::Parse(conversion, "f"), value, field);
    return text;
}

std::string FormatCardText(std::string_view conversion, std::string_view text,
                           std::string_view field)
{
    std::string out;
    AppendCardText(out, CCardConversion::Parse(conversion, "s"), text, field);
    return out;
}

CCardBuilder::CCardBuilder(std::string_view keyword) : m_line(keyword)
{
    if (keyword.size() != 5) {
        throw std::logic_error("card keyword must have five characters: " + std::string(keyword));
    }
    m_line.reserve(128); // most cards, without growing
}

CCardBuilder& CCardBuilder::Text(CCardTextConversion conversion, std::string_view text,
                                 std::string_view field)
{
    AppendCardText(m_line, conversion, text, field);
    return *this;
}

CCardBuilder& CCardBuilder::Literal(std::string_view text)
{
    m_line += text;
    return *this;
}

void CCardBuilder::TooLarge(std::string_view field)
{
    throw errCardFieldRefused(std::string(field), "",
                              "The " + std::string(field) + " is too large to be written");
}
