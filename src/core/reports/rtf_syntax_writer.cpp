// RTF tokens as bytes.
#include "reports/rtf_syntax_writer.h"

#include "platform/text_encoding.h"

#include <charconv>

void CRTFSyntaxWriter::OpenGroup()
{
    m_out->put('{');
    m_delimiterPending = false;
}

void CRTFSyntaxWriter::CloseGroup()
{
    m_out->put('}');
    m_delimiterPending = false;
}

void CRTFSyntaxWriter::NewLine()
{
    m_out->write("\r\n", 2);
    m_delimiterPending = false;
}

void CRTFSyntaxWriter::ControlWord(std::string_view word)
{
    m_out->put('\\');
    m_out->write(word.data(), static_cast<std::streamsize>(word.size()));
    m_delimiterPending = true;
}

void CRTFSyntaxWriter::ControlWord(std::string_view word, long long number)
{
    ControlWord(word);
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    m_out->write(digits, end - digits);
}

void CRTFSyntaxWriter::ControlSymbol(char symbol)
{
    m_out->put('\\');
    m_out->put(symbol);
    m_delimiterPending = false;
}

void CRTFSyntaxWriter::Text(std::string_view text)
{
    if (text.empty())
        return;
    if (m_delimiterPending)
        m_out->put(' ');
    const std::string bytes = Utf8ToWindows1252(text);
    std::size_t run = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' || bytes[i] == '{' || bytes[i] == '}') {
            m_out->write(bytes.data() + run, static_cast<std::streamsize>(i - run));
            m_out->put('\\');
            run = i;
        }
    }
    m_out->write(bytes.data() + run, static_cast<std::streamsize>(bytes.size() - run));
    m_delimiterPending = true;
}
