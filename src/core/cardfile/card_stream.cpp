// Reading a required card.
#include "cardfile/card_stream.h"

#include "cardfile/card_errors.h"

void CCardStream::LineTooLong()
{
    throw errCorruptCardData("The line is longer than any card can be (over " +
                             std::to_string(kMaxCardLength) + " characters)");
}

std::string CCardStream::ReadCard(std::string_view keyword)
{
    ++m_lineNumber;
    m_expectedKeyword = keyword;
    std::string line;
    if (!ReadLine(line)) {
        throw eFileError::Corrupt;
    }
    return line;
}
