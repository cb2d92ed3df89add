#include "printing/text_wrap.h"

namespace
{

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The end of the code point that starts at begin.
std::size_t NextCharacter(std::string_view text, std::size_t begin)
{
    std::size_t end = begin + 1;
    while (end < text.size() && IsContinuationByte(text[end]))
        ++end;
    return end;
}

class CLineBreaker
{
public:
    CLineBreaker(const CDrawingSurface& surface, const CBearingFont& font, int width)
        : m_surface(surface), m_font(font), m_width(width)
    {}

    void Paragraph(std::string_view paragraph)
    {
        std::string line;
        std::size_t start = 0;
        while (start <= paragraph.size()) {
            std::size_t end = paragraph.find(' ', start);
            if (end == std::string_view::npos)
                end = paragraph.size();
            const std::string_view word = paragraph.substr(start, end - start);
            start = end + 1;
            if (word.empty())
                continue;
            std::string candidate =
                line.empty() ? std::string(word) : line + ' ' + std::string(word);
            if (Fits(candidate)) {
                line = std::move(candidate);
                continue;
            }
            if (!line.empty())
                m_lines.push_back(std::move(line));
            line = BreakLongWord(word);
        }
        m_lines.push_back(std::move(line));
    }

    std::vector<std::string> Take() { return std::move(m_lines); }

private:
    bool Fits(std::string_view text) const
    {
        return m_surface.GetTextExtent(m_font, text).cx <= m_width;
    }

    // Puts out the longest pieces of the word that fit, each at least one character, and
    // returns the rest.
    std::string BreakLongWord(std::string_view word)
    {
        while (!Fits(word)) {
            std::size_t cut = NextCharacter(word, 0);
            for (std::size_t next = cut; next < word.size(); next = NextCharacter(word, next)) {
                if (!Fits(word.substr(0, NextCharacter(word, next))))
                    break;
                cut = NextCharacter(word, next);
            }
            if (cut >= word.size())
                break;
            m_lines.emplace_back(word.substr(0, cut));
            word.remove_prefix(cut);
        }
        return std::string(word);
    }

    const CDrawingSurface& m_surface;
    const CBearingFont& m_font;
    int m_width;
    std::vector<std::string> m_lines;
};

} // namespace

std::vector<std::string> WrapText(const CDrawingSurface& surface, const CBearingFont& font,
                                  std::string_view text, int width)
{
    if (text.empty())
        return {};
    CLineBreaker breaker(surface, font, width);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        breaker.Paragraph(paragraph);
        start = end + 1;
    }
    std::vector<std::string> lines = breaker.Take();
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}
