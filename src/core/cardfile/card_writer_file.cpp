// Card lines as they lie on disk.
#include "cardfile/card_writer_file.h"

#include "cardfile/windows1252.h"

#include <string>

void CCardWriterFile::WriteLine(std::string_view line)
{
    std::string bytes = Utf8ToWindows1252(line);
    bytes += "\r\n";
    m_file->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
