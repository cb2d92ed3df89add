// Writing and reading OD matrix CSV files.
#include "routing/od_matrix_csv.h"

#include "model/zone_letter.h"
#include "routing/grid_text.h"

#include <map>
#include <optional>
#include <set>

namespace
{

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",;\t\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

struct CCsvCell
{
    std::string text;
    std::uint32_t column = 0;
};

struct CCsvRecord
{
    std::uint32_t line = 0;
    std::vector<CCsvCell> cells;
};

std::string Where(std::uint32_t line, std::uint32_t column)
{
    return "Line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits the bytes into records of cells. One pass, no backtracking: every byte is looked at a
// bounded number of times, whatever the file holds.
class CCsvScanner
{
public:
    explicit CCsvScanner(std::string_view bytes) : m_bytes(bytes) {}

    // The refusal, or none when the bytes split into records.
    std::optional<std::string> Scan(std::vector<CCsvRecord>& records)
    {
        if (m_bytes.starts_with("\xEF\xBB\xBF")) {
            m_pos = 3;
        } else if (m_bytes.starts_with("\xFF\xFE") || m_bytes.starts_with("\xFE\xFF")) {
            return Where(1, 1) + "the file is UTF-16 text; save it as CSV in UTF-8";
        }
        if (!FindSeparator()) {
            return Where(1, 1) + "no comma, semicolon or tab separates the cells of the header";
        }
        while (m_pos < m_bytes.size()) {
            CCsvRecord record{m_line, {}};
            if (std::optional<std::string> refusal = ScanRecord(record)) {
                return refusal;
            }
            bool blank = true;
            for (const CCsvCell& cell : record.cells) {
                blank = blank && cell.text.empty();
            }
            if (!blank) {
                records.push_back(std::move(record));
            }
        }
        return std::nullopt;
    }

private:
    // The first comma, semicolon or tab outside quotes on the first line that is not empty.
    bool FindSeparator()
    {
        bool quoted = false;
        bool content = false;
        for (std::size_t i = m_pos; i < m_bytes.size(); ++i) {
            const char c = m_bytes[i];
            if (c == '"') {
                quoted = !quoted;
                content = true;
            } else if (!quoted && (c == '\r' || c == '\n')) {
                if (content) {
                    return false;
                }
            } else if (!quoted && (c == ',' || c == ';' || c == '\t')) {
                m_separator = c;
                return true;
            } else if (!IsBlank(c)) {
                content = true;
            } else if (!quoted && (c == ',' || c == ';' || c == '\t')) {
                m_separator = c;
                return true;
            }
        }
        return false;
    }

    bool AtLineEnd() const
    {
        return m_pos >= m_bytes.size() || m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n';
    }

    void SkipLineEnd()
    {
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r') {
            ++m_pos;
        }
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
        ++m_line;
    }

    void SkipBlanks()
    {
        // A tab that separates cells is not a blank.
        while (m_pos < m_bytes.size() && IsBlank(m_bytes[m_pos]) && m_bytes[m_pos] != m_separator) {
            ++m_pos;
        }
    }

    std::optional<std::string> ScanRecord(CCsvRecord& record)
    {
        while (true) {
            CCsvCell cell{{}, static_cast<std::uint32_t>(record.cells.size() + 1)};
            SkipBlanks();
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
                if (std::optional<std::string> refusal = ScanQuoted(cell, record.line)) {
                    return refusal;
                }
            } else {
                const std::size_t start = m_pos;
                while (!AtLineEnd() && m_bytes[m_pos] != m_separator) {
                    ++m_pos;
                }
                std::string_view text = m_bytes.substr(start, m_pos - start);
                while (!text.empty() && IsBlank(text.back())) {
                    text.remove_suffix(1);
                }
                cell.text = text;
            }
            record.cells.push_back(std::move(cell));
            if (AtLineEnd()) {
                SkipLineEnd();
                return std::nullopt;
            }
            ++m_pos; // the separator
        }
    }

    std::optional<std::string> ScanQuoted(CCsvCell& cell, std::uint32_t recordLine)
    {
        const std::uint32_t line = m_line;
        ++m_pos;
        while (true) {
            if (m_pos >= m_bytes.size()) {
                return Where(line, cell.column) + "a quoted cell is not closed";
            }
            const char c = m_bytes[m_pos++];
            if (c == '"') {
                if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
                    cell.text += '"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            if (c == '\n' || (c == '\r' && (m_pos >= m_bytes.size() || m_bytes[m_pos] != '\n'))) {
                ++m_line;
            }
            cell.text += c;
        }
        SkipBlanks();
        if (!AtLineEnd() && m_bytes[m_pos] != m_separator) {
            return Where(recordLine, cell.column) + "text follows the closing quote of a cell";
        }
        return std::nullopt;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::uint32_t m_line = 1;
    char m_separator = ',';
};

// The zone numbers by name, and the refusal for a name that names none or comes twice.
class CZoneNames
{
public:
    explicit CZoneNames(std::uint32_t zones)
    {
        for (std::uint32_t n = 1; n <= zones; ++n) {
            m_numbers.emplace(ZoneLetter(n), n);
        }
    }

    std::optional<std::string> Take(const CCsvCell& cell, std::uint32_t line, const char* side,
                                    std::set<std::uint32_t>& seen, std::uint32_t& number)
    {
        if (cell.text.empty()) {
            return Where(line, cell.column) + "the " + side + " zone name is missing";
        }
        const auto found = m_numbers.find(cell.text);
        if (found == m_numbers.end()) {
            return Where(line, cell.column) + "the network has no zone named \"" +
                   Excerpt(cell.text) + "\"";
        }
        if (!seen.insert(found->second).second) {
            return Where(line, cell.column) + "zone " + cell.text + " comes twice as " + side;
        }
        number = found->second;
        return std::nullopt;
    }

private:
    std::map<std::string, std::uint32_t> m_numbers;
};

CODMatrixCsvImport Refuse(std::string message)
{
    return {CValidationResult::Refuse(std::move(message)), {}};
}

} // namespace

std::string ODMatrixToCsv(const CODMatrixTable& table, ODMatrixGridKind kind, int precision)
{
    const int zones = table.GetZoneCount();
    const int digits = kind == ODMatrixGridKind::Desired ? 0 : precision;
    std::string csv;
    for (int j = 1; j <= zones; ++j) {
        csv += "," + CsvField(table.GetName(j));
    }
    csv += "\r\n";
    for (int i = 1; i <= zones; ++i) {
        csv += CsvField(table.GetName(i));
        for (int j = 1; j <= zones; ++j) {
            csv += "," + table.GetText(kind, i, j, digits);
        }
        csv += "\r\n";
    }
    return csv;
}

CODMatrixCsvImport ReadODMatrixCsv(std::string_view bytes, std::uint32_t zones)
{
    std::vector<CCsvRecord> records;
    if (std::optional<std::string> refusal = CCsvScanner(bytes).Scan(records)) {
        return Refuse(*refusal);
    }
    if (records.empty()) {
        return Refuse(Where(1, 1) + "the file holds no header row of destination zones");
    }
    CZoneNames names(zones);
    const CCsvRecord& header = records.front();
    std::vector<std::uint32_t> destinations;
    std::set<std::uint32_t> seen;
    for (std::size_t c = 1; c < header.cells.size(); ++c) {
        std::uint32_t number = 0;
        if (auto refusal = names.Take(header.cells[c], header.line, "destination", seen, number)) {
            return Refuse(*refusal);
        }
        destinations.push_back(number);
    }
    CODMatrixCsvImport import;
    seen.clear();
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CCsvRecord& row = records[r];
        std::uint32_t origin = 0;
        if (auto refusal = names.Take(row.cells.front(), row.line, "origin", seen, origin)) {
            return Refuse(*refusal);
        }
        if (row.cells.size() > header.cells.size()) {
            return Refuse(Where(row.line, static_cast<std::uint32_t>(header.cells.size() + 1)) +
                          "the row has more cells than the header");
        }
        if (row.cells.size() < header.cells.size()) {
            return Refuse(Where(row.line, static_cast<std::uint32_t>(row.cells.size() + 1)) +
                          "the row ends before destination zone " +
                          ZoneLetter(destinations[row.cells.size() - 1]));
        }
        for (std::size_t c = 1; c < row.cells.size(); ++c) {
            const std::optional<std::int32_t> flow = DesiredFlowCell(row.cells[c].text);
            if (!flow) {
                return Refuse(Where(row.line, row.cells[c].column) + "\"" +
                              Excerpt(row.cells[c].text) +
                              "\" is not a whole number of 0 to 99999");
            }
            import.edits.push_back({origin, destinations[c - 1], *flow});
        }
    }
    return import;
}
