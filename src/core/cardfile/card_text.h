// The TEXT card: one free text, line breaks included.
#pragma once

#include <string>
#include <string_view>

// "TEXT " followed by the text to the end of the line. A line break in the text is stored as
// the character 0xAC of Windows-1252 ("¬") and read back as CR LF; a lone CR or LF is stored
// the same way, since written as it is it would end the card and break the file.
class CCardText
{
public:
    static constexpr std::string_view kKeyword = "TEXT ";

    explicit CCardText(std::string text) : m_text(std::move(text)) {}
    // Raises errExpectedCardNotFound "Cannot find TEXT Card" for another keyword.
    static CCardText FromLine(std::string_view line);

    const std::string& GetText() const { return m_text; }
    // Ends in "\n". A text too long for a card (line breaks count one character each) raises
    // errCardFieldRefused.
    std::string Format() const;

private:
    std::string m_text;
};
