// TEXT cards and their line-break marker.
#include "cardfile/card_text.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_line.h"
#include "cardfile/card_stream.h"
#include "platform/text_encoding.h"

namespace
{
// U+00AC, byte 0xAC once written as Windows-1252.
constexpr std::string_view kLineBreakMarker = "\xC2\xAC";
} // namespace

CCardText CCardText::FromLine(std::string_view line)
{
    const CCardLine card(line);
    card.ExpectKeyword(kKeyword, "Cannot find TEXT Card");
    const std::string_view stored = card.Rest(5);
    std::string text;
    text.reserve(stored.size());
    for (std::size_t pos = 0; pos < stored.size();) {
        if (stored.substr(pos, kLineBreakMarker.size()) == kLineBreakMarker) {
            text += "\r\n";
            pos += kLineBreakMarker.size();
        } else {
            text += stored[pos++];
        }
    }
    return CCardText(std::move(text));
}

std::string CCardText::Format() const
{
    std::string line(kKeyword);
    line.reserve(m_text.size() + 7);
    for (std::size_t pos = 0; pos < m_text.size(); ++pos) {
        const char c = m_text[pos];
        if (c == '\r') {
            line += kLineBreakMarker;
            if (pos + 1 < m_text.size() && m_text[pos + 1] == '\n') {
                ++pos;
            }
        } else if (c == '\n') {
            line += kLineBreakMarker;
        } else {
            line += c;
        }
    }
    const std::size_t length = Utf8CharCount(line);
    if (length > CCardStream::kMaxCardLength) {
        const std::size_t room = CCardStream::kMaxCardLength - kKeyword.size();
        throw errCardFieldRefused("text", m_text,
                                  "The text of " + std::to_string(length - kKeyword.size()) +
                                      " characters is longer than the " + std::to_string(room) +
                                      " a file can hold");
    }
    line += '\n';
    return line;
}
