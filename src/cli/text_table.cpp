// Column widths and blocks of columns.
#include "text_table.h"

#include "platform/text_encoding.h"

#include <algorithm>

namespace
{
constexpr std::size_t kIndent = 2;
constexpr std::size_t kGap = 2;
} // namespace

CTextTable::CTextTable(std::vector<std::string> header, std::vector<Align> align)
    : m_header(std::move(header)), m_align(std::move(align))
{
    m_align.resize(m_header.size(), Align::Left);
}

void CTextTable::AddRow(std::vector<std::string> cells)
{
    cells.resize(m_header.size());
    m_rows.push_back(std::move(cells));
}

std::size_t CTextTable::Width(std::size_t column) const
{
    // Characters, not bytes: labels may hold accented letters.
    std::size_t width = Utf8CharCount(m_header[column]);
    for (const auto& row : m_rows) {
        width = std::max(width, Utf8CharCount(row[column]));
    }
    return width;
}

std::string CTextTable::Line(const std::vector<std::string>& cells,
                             const std::vector<std::size_t>& columns,
                             const std::vector<std::size_t>& widths) const
{
    std::string line(kIndent, ' ');
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::size_t column = columns[i];
        const std::string& cell = cells[column];
        const std::string padding(widths[column] - Utf8CharCount(cell), ' ');
        line += m_align[column] == Align::Right ? padding + cell : cell + padding;
        if (i + 1 < columns.size()) {
            line.append(kGap, ' ');
        }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

std::string CTextTable::Format(std::size_t pageWidth) const
{
    if (m_header.empty()) {
        return {};
    }
    std::vector<std::size_t> widths;
    for (std::size_t column = 0; column < m_header.size(); ++column) {
        widths.push_back(Width(column));
    }
    std::string text;
    std::size_t next = 1;
    do {
        // The first column, then as many more as fit the page (at least one).
        std::vector<std::size_t> columns{0};
        std::size_t width = kIndent + widths[0];
        while (next < m_header.size() &&
               (columns.size() == 1 || width + kGap + widths[next] <= pageWidth)) {
            width += kGap + widths[next];
            columns.push_back(next++);
        }
        if (!text.empty()) {
            text += "\n";
        }
        text += Line(m_header, columns, widths);
        for (const auto& row : m_rows) {
            text += Line(row, columns, widths);
        }
    } while (next < m_header.size());
    return text;
}
