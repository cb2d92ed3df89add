// The card writer for a file on disk.
#pragma once

#include "cardfile/card_writer.h"

#include <ostream>

// Writes cards to an open stream it does not own, as Windows-1252 with CR LF after every card
// on every platform; open the stream in binary mode so nothing else touches the line ends.
// Write errors show in the stream's state, which CAtomicFile::Commit checks.
class CCardWriterFile : public CCardWriter
{
public:
    explicit CCardWriterFile(std::ostream& file) : m_file(&file) {}

protected:
    void WriteLine(std::string_view utf8, std::string_view windows1252) override;

private:
    std::ostream* m_file;
};
