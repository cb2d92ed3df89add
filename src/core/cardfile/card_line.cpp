// Field cutting and the number conversions of card reading.
#include "cardfile/card_line.h"

#include "cardfile/card_errors.h"
#include "platform/text_encoding.h"

#include <charconv>
#include <climits>
#include <cstdint>

namespace
{
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips white space and a sign; returns true for a minus.
bool TakeSign(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        return text[pos++] == '-';
    }
    return false;
}
} // namespace

int ParseCardInt(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = TakeSign(text, pos);
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
    std::int64_t value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        if (value <= kLimit) {
            value = value * 10 + (text[pos] - '0');
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

double ParseCardReal(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = TakeSign(text, pos);
    const std::size_t begin = pos;
    std::size_t digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    // An exponent counts only when digits follow it.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            ++exp;
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp])) {
                ++exp;
            }
            pos = exp;
        }
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data() + begin, text.data() + pos, value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + pos) {
        return 0.0; // out of range either way: underflow is 0 too
    }
    return negative ? -value : value;
}

CCardLine::CCardLine(std::string_view line) : m_line(line)
{
    bool ascii = true;
    for (const char c : line) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return;
    }
    for (std::size_t pos = 0; pos < line.size();) {
        m_charStarts.push_back(pos);
        std::size_t length = 1;
        DecodeUtf8(line, pos, length);
        pos += length;
    }
    m_charStarts.push_back(line.size());
}

std::size_t CCardLine::Length() const
{
    return m_charStarts.empty() ? m_line.size() : m_charStarts.size() - 1;
}

std::size_t CCardLine::ByteOffset(std::size_t column) const
{
    if (m_charStarts.empty()) {
        return column < m_line.size() ? column : m_line.size();
    }
    return column < m_charStarts.size() ? m_charStarts[column] : m_line.size();
}

std::string CCardLine::Keyword() const
{
    std::string keyword(Field(0, 5));
    for (std::size_t n = Utf8CharCount(keyword); n < 5; ++n) {
        keyword += ' ';
    }
    return keyword;
}

bool CCardLine::HasKeyword(std::string_view keyword) const
{
    return Keyword() == keyword;
}

void CCardLine::ExpectKeyword(std::string_view keyword, const std::string& message) const
{
    if (!HasKeyword(keyword)) {
        throw errExpectedCardNotFound(message);
    }
}

std::string_view CCardLine::Field(std::size_t start, std::size_t width) const
{
    const std::size_t begin = ByteOffset(start);
    const std::size_t end = width > SIZE_MAX - start ? m_line.size() : ByteOffset(start + width);
    return m_line.substr(begin, end - begin);
}

std::string_view CCardLine::Rest(std::size_t start) const
{
    return m_line.substr(ByteOffset(start));
}

int CCardLine::Int(std::size_t start, std::size_t width) const
{
    return ParseCardInt(Field(start, width));
}

double CCardLine::Real(std::size_t start, std::size_t width) const
{
    return ParseCardReal(Field(start, width));
}

bool CCardLine::IsLongForm() const
{
    return Field(5, 5) == " LONG";
}
