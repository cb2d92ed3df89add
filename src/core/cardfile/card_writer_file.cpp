// Card lines as they lie on disk.
#include "cardfile/card_writer_file.h"

void CCardWriterFile::WriteLine(std::string_view /*utf8*/, std::string_view windows1252)
{
    m_file->write(windows1252.data(), static_cast<std::streamsize>(windows1252.size()));
    m_file->write("\r\n", 2);
}
