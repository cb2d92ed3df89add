// Aligned tables of plain text for a person to read in a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Rows of cells under a header, each column as wide as its widest cell, two blanks apart;
// numbers are right-aligned, other text left-aligned (the caller says which per column).
// A table wider than the page is printed in blocks of columns, each repeating the first
// column, so a matrix of 99 zones stays readable.
class CTextTable
{
public:
    enum class Align
    {
        Left,
        Right,
    };

    // One entry per column.
    CTextTable(std::vector<std::string> header, std::vector<Align> align);

    // Missing cells print as blanks; extra ones are dropped.
    void AddRow(std::vector<std::string> cells);

    // Lines indented by two blanks, each ending in "\n", none longer than pageWidth unless a
    // single column needs more.
    std::string Format(std::size_t pageWidth = 100) const;

private:
    std::size_t Width(std::size_t column) const;
    std::string Line(const std::vector<std::string>& cells, const std::vector<std::size_t>& columns,
                     const std::vector<std::size_t>& widths) const;

    std::vector<std::string> m_header;
    std::vector<Align> m_align;
    std::vector<std::vector<std::string>> m_rows;
};
