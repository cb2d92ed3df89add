// Conversions between UTF-8, Windows-1252 and UTF-16. In Windows-1252 only 0x80-0x9F differ
// from Latin-1.
#include "platform/text_encoding.h"

#include <array>
#include <cstdint>


namespace
{
// Code points of bytes 0x80-0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every code point of the table lies below U+10000.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char EncodeWindows1252(long cp)
{
    if (cp < 0) {
        return '?';
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(cp));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (static_cast<long>(kHighControls[i]) == cp) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return '?';
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}
} // namespace

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else if (byte < 0xA0) {
            AppendUtf8(out, kHighControls[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

long DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length)
{
    length = 1;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t need = 0;
    std::uint32_t cp = 0;
    std::uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return -1; // a stray continuation byte, an overlong lead or beyond U+10FFFF
    }
    if (pos + need >= text.size()) {
        return -1; // the sequence is cut off by the end of the text
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            return -1;
        }
        cp = (cp << 6) | (byte & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return -1;
    }
    length = need + 1;
    return static_cast<long>(cp);
}

std::string Utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out += text[pos++]; // most of every card
            continue;
        }
        std::size_t length = 1;
        out += EncodeWindows1252(DecodeUtf8(text, pos, length));
        pos += length;
    }
    return out;
}

std::size_t Utf8CharCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        std::size_t length = 1;
        DecodeUtf8(text, pos, length);
        pos += length;
    }
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        std::size_t length = 1;
        DecodeUtf8(text, pos, length);
        pos += length;
    }
    return text.substr(0, pos);
}

namespace
{
constexpr char32_t Replacement = 0xFFFD;

std::vector<char32_t> Utf16ToCodePoints(std::u16string_view s)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            out.push_back(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                          (static_cast<char32_t>(s[i + 1]) - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            out.push_back(Replacement);
        } else {
            out.push_back(c);
        }
    }
    return out;
}
} // namespace

std::vector<char32_t> Utf8ToCodePoints(std::string_view utf8)
{
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        const long cp = DecodeUtf8(utf8, pos, length);
        out.push_back(cp < 0 ? Replacement : static_cast<char32_t>(cp));
        pos += length;
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    for (char32_t cp : Utf16ToCodePoints(utf16)) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}
