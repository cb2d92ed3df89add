// Card lines as they lie on disk.
#include "cardfile/card_writer_file.h"

#include "cardfile/windows1252.h"

#include <algorithm>
#include <string>

void CCardWriterFile::WriteLine(std::string_view line)
{
    // Most cards are plain ASCII, which is already Windows-1252.
    const bool ascii = std::all_of(line.begin(), line.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        m_file->write(line.data(), static_cast<std::streamsize>(line.size()));
    } else {
        const std::string bytes = Utf8ToWindows1252(line);
        m_file->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    m_file->write("\r\n", 2);
}
