// The only code that puts bytes into an RTF file: groups, control words, text, line ends.
#pragma once

#include <ostream>
#include <string_view>

// Writes RTF tokens to a stream it does not own, opened in binary mode: every line end is CR LF
// on every platform, and text goes out in Windows-1252. A control word leaves a delimiter
// pending, so that text written straight after it is preceded by one blank; text leaves one
// pending too, so two texts in a row are one blank apart. Groups, line ends and control symbols
// need no delimiter. In text only the backslash and the braces are escaped.
class CRTFSyntaxWriter
{
public:
    explicit CRTFSyntaxWriter(std::ostream& out) : m_out(&out) {}

    void OpenGroup();
    void CloseGroup();
    void NewLine();
    void ControlWord(std::string_view word);
    void ControlWord(std::string_view word, long long number);
    void ControlSymbol(char symbol);
    // UTF-8 text; an empty text writes nothing at all.
    void Text(std::string_view text);

private:
    std::ostream* m_out;
    bool m_delimiterPending = false;
};
