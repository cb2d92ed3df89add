// The card stream over an in-memory snapshot.
#pragma once

#include "cardfile/card_stream.h"

#include <string_view>

// Reads the cards of a text held in memory, such as an undo snapshot made by
// CCardWriterMemory: UTF-8 with LF line ends (CR LF is accepted as well). It does not own the
// text, which must outlive the stream.
class CCardStreamMemory : public CCardStream
{
public:
    explicit CCardStreamMemory(std::string_view text) : m_text(text) {}

    bool ReadLine(std::string& line) override;
    std::int64_t Rewind() override;

private:
    std::string_view m_text;
    std::size_t m_offset = 0;
};
