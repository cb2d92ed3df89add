// The checked field formatter of the card writers.
#include "cardfile/card_builder.h"

#include "cardfile/windows1252.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
struct CConversion
{
    std::string flags;
    int width = 0; // 0: no width, the field runs to the end of the card
    int precision = -1;
    char type = 0;
};

CConversion ParseConversion(std::string_view text, std::string_view types)
{
    CConversion conv;
    std::size_t pos = 0;
    if (text.empty() || text[pos++] != '%') {
        throw std::logic_error("bad card field conversion: " + std::string(text));
    }
    while (pos < text.size() &&
           std::string_view("-+ 0").find(text[pos]) != std::string_view::npos) {
        conv.flags += text[pos++];
    }
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && conv.width < 1000) {
        conv.width = conv.width * 10 + (text[pos++] - '0');
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        conv.precision = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && conv.precision < 100) {
            conv.precision = conv.precision * 10 + (text[pos++] - '0');
        }
    }
    if (pos + 1 != text.size() || types.find(text[pos]) == std::string_view::npos) {
        throw std::logic_error("bad card field conversion: " + std::string(text));
    }
    conv.type = text[pos];
    return conv;
}

template <typename T> std::string Print(const std::string& format, T value)
{
    const int size = std::snprintf(nullptr, 0, format.c_str(), value);
    if (size < 0) {
        throw std::logic_error("bad card field conversion: " + format);
    }
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), value);
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Spec(const CConversion& conv, std::string_view length)
{
    std::string spec = "%" + conv.flags;
    if (conv.width > 0) {
        spec += std::to_string(conv.width);
    }
    if (conv.precision >= 0) {
        spec += "." + std::to_string(conv.precision);
    }
    return spec + std::string(length);
}

void CheckWidth(const CConversion& conv, const std::string& text, std::string_view field)
{
    if (conv.width > 0 && text.size() > static_cast<std::size_t>(conv.width)) {
        const std::string value = Trimmed(text);
        throw errCardFieldRefused(std::string(field), value,
                                  "The " + std::string(field) + " " + value +
                                      " does not fit in its field of " +
                                      std::to_string(conv.width) + " columns");
    }
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

std::string FormatCardInt(std::string_view conversion, long long value, std::string_view field)
{
    const CConversion conv = ParseConversion(conversion, "diu");
    std::string text;
    if (conv.type == 'u') {
        if (value < 0) {
            throw errCardFieldRefused(std::string(field), std::to_string(value),
                                      "The " + std::string(field) + " " + std::to_string(value) +
                                          " cannot be written: the field holds no negative "
                                          "numbers");
        }
        text = Print(Spec(conv, "llu"), static_cast<unsigned long long>(value));
    } else {
        text = Print(Spec(conv, "lld"), value);
    }
    CheckWidth(conv, text, field);
    return text;
}

std::string FormatCardReal(std::string_view conversion, double value, std::string_view field)
{
    const CConversion conv = ParseConversion(conversion, "f");
    if (!std::isfinite(value)) {
        const std::string shown = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
        throw errCardFieldRefused(std::string(field), shown,
                                  "The " + std::string(field) + " " + shown +
                                      " cannot be written: it is not a finite number");
    }
    std::string text = Print(Spec(conv, "f"), value);
    // printf follows the C locale, which a GUI may have set to one with a decimal comma.
    const std::string point = std::localeconv()->decimal_point;
    if (point != ".") {
        const auto at = text.find(point);
        if (at != std::string::npos) {
            text.replace(at, point.size(), ".");
        }
    }
    CheckWidth(conv, text, field);
    return text;
}

std::string FormatCardText(std::string_view conversion, std::string_view text,
                           std::string_view field)
{
    const CConversion conv = ParseConversion(conversion, "s");
    if (conv.precision >= 0 || conv.flags.find_first_not_of('-') != std::string::npos) {
        throw std::logic_error("bad card text conversion: " + std::string(conversion));
    }
    CheckSingleLine(text, field);
    const std::size_t chars = Utf8CharCount(text);
    if (chars >= static_cast<std::size_t>(conv.width)) {
        return std::string(text);
    }
    const std::string padding(static_cast<std::size_t>(conv.width) - chars, ' ');
    return conv.flags.empty() ? padding + std::string(text) : std::string(text) + padding;
}

CCardBuilder::CCardBuilder(std::string_view keyword) : m_line(keyword)
{
    if (keyword.size() != 5) {
        throw std::logic_error("card keyword must have five characters: " + std::string(keyword));
    }
}

CCardBuilder& CCardBuilder::Text(std::string_view conversion, std::string_view text,
                                 std::string_view field)
{
    m_line += FormatCardText(conversion, text, field);
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
