// Cutting the fixed-width fields out of one card line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Leading white space, an optional sign, then decimal digits up to the first other character;
// no digits give 0. A value beyond the range of int is clamped to it.
int ParseCardInt(std::string_view text);

// Optional sign, digits, optional point and fraction, optional exponent, stopping at the first
// other character; no digits give 0. Independent of the C locale. A value too large for a
// double is not one any writer produced, and reads as 0 rather than as infinity.
double ParseCardReal(std::string_view text);

// A read view of one card (a line without its line end) that cuts fields by column. Columns
// count characters from 0, as they lie in the Windows-1252 file, even though the line is held
// as UTF-8. A field wholly or partly past the end of the line yields what is there, so a cut-off
// or blank numeric field reads as 0. The line must outlive the view.
class CCardLine
{
public:
    explicit CCardLine(std::string_view line);

    std::size_t Length() const; // in characters
    std::string_view Text() const { return m_line; }

    // Columns 0-4, padded with blanks when the line is shorter (a trimmed "TEXT" still reads
    // as "TEXT ").
    std::string Keyword() const;
    bool HasKeyword(std::string_view keyword) const;
    // Raises errExpectedCardNotFound with the message unless the keyword matches.
    void ExpectKeyword(std::string_view keyword, const std::string& message) const;

    std::string_view Field(std::size_t start, std::size_t width) const;
    std::string_view Rest(std::size_t start) const; // from start to the end of the line
    int Int(std::size_t start, std::size_t width) const;
    double Real(std::size_t start, std::size_t width) const;

    // Columns 5-9 hold " LONG": coordinates follow in 10-column fields from column 10.
    bool IsLongForm() const;

private:
    std::size_t ByteOffset(std::size_t column) const;

    std::string_view m_line;
    // Byte offset of each character, with the line's size at the end; empty for ASCII lines,
    // where column and byte offset agree.
    std::vector<std::size_t> m_charStarts;
};
