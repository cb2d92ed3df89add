// The card writer for an in-memory snapshot.
#pragma once

#include "cardfile/card_writer.h"

#include <string>

// Collects cards as UTF-8 lines ending in LF, the form undo snapshots keep; read them back with
// CCardStreamMemory over Text(). Nothing is converted, so a snapshot loses no character that a
// Windows-1252 file could not hold.
class CCardWriterMemory : public CCardWriter
{
public:
    // expectedSize: room to make at once for the text, in bytes.
    explicit CCardWriterMemory(std::size_t expectedSize = 0) { m_text.reserve(expectedSize); }

    const std::string& Text() const { return m_text; }
    std::string TakeText() { return std::move(m_text); }

protected:
    void WriteLine(std::string_view utf8, std::string_view /*windows1252*/) override
    {
        m_text += utf8;
        m_text += '\n';
    }

private:
    std::string m_text;
};
