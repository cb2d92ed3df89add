// Line splitting of an in-memory snapshot.
#include "cardfile/card_stream_memory.h"

#include "platform/text_encoding.h"

bool CCardStreamMemory::ReadLine(std::string& line)
{
    line.clear();
    if (m_offset >= m_text.size()) {
        return false;
    }
    auto end = m_text.find('\n', m_offset);
    const std::size_t next = end == std::string_view::npos ? m_text.size() : end + 1;
    if (end == std::string_view::npos) {
        end = m_text.size();
    }
    std::string_view raw = m_text.substr(m_offset, end - m_offset);
    if (!raw.empty() && raw.back() == '\r') {
        raw.remove_suffix(1);
    }
    // As in a file: a snapshot line no card could be is not read into a field it cannot fit.
    if (raw.size() > kMaxCardLength && Utf8CharCount(raw) > kMaxCardLength) {
        LineTooLong();
    }
    line.assign(raw);
    m_offset = next;
    return true;
}

std::int64_t CCardStreamMemory::Rewind()
{
    m_offset = 0;
    RestartLineCount();
    return 0;
}
