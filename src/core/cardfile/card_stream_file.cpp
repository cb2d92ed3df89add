// Line assembly from a Windows-1252 card file.
#include "cardfile/card_stream_file.h"

#include "cardfile/card_errors.h"
#include "platform/text_encoding.h"

#include <string>

CCardStreamFile::CCardStreamFile(std::istream& file) : m_file(&file)
{
    Rewind();
}

bool CCardStreamFile::ReadLine(std::string& line)
{
    line.clear();
    std::string raw;
    bool found = false;
    for (;;) {
        if (m_offset < m_buffer.size()) {
            const auto end = m_buffer.find('\n', m_offset);
            found = true;
            if (end != std::string::npos) {
                raw.append(m_buffer, m_offset, end - m_offset);
                m_offset = end + 1;
                break;
            }
            raw.append(m_buffer, m_offset, std::string::npos);
            // Room for the CR of a CR LF that the next read may bring.
            if (raw.size() > kMaxCardLength + 1) {
                LineTooLong();
            }
        }
        m_buffer.resize(kChunk);
        m_file->read(m_buffer.data(), static_cast<std::streamsize>(kChunk));
        m_buffer.resize(static_cast<std::size_t>(m_file->gcount()));
        m_offset = 0;
        if (m_buffer.empty()) {
            if (!found) {
                return false;
            }
            break;
        }
    }
    if (!raw.empty() && raw.back() == '\r') {
        raw.pop_back();
    }
    if (raw.size() > kMaxCardLength) {
        LineTooLong();
    }
    line = Windows1252ToUtf8(raw);
    return true;
}

std::int64_t CCardStreamFile::Rewind()
{
    m_buffer.clear();
    m_offset = 0;
    RestartLineCount();
    m_file->clear();
    m_file->seekg(0, std::ios::beg);
    const auto position = m_file->tellg();
    return m_file->fail() ? -1 : static_cast<std::int64_t>(position);
}
