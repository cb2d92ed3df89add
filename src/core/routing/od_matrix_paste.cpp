// Pasted desired flows.
#include "routing/od_matrix_paste.h"

#include "model/zone_letter.h"
#include "routing/grid_text.h"
#include "routing/od_matrix_table.h"

#include <string>

namespace
{

std::string CellName(std::uint32_t origin, std::uint32_t destination, std::uint32_t zones)
{
    auto name = [zones](std::uint32_t n) {
        return n <= zones ? ZoneLetter(n) : std::string(ODMatrixTotalName);
    };
    return "origin " + name(origin) + ", destination " + name(destination);
}

CODMatrixPaste Refuse(std::string message)
{
    return {CValidationResult::Refuse(std::move(message)), {}};
}

} // namespace

CODMatrixPaste ParseODMatrixPaste(std::string_view text, std::uint32_t origin,
                                  std::uint32_t destination, std::uint32_t zones)
{
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
    }
    CODMatrixPaste paste;
    if (text.empty()) {
        return paste;
    }
    if (origin < 1 || destination < 1 || origin > zones || destination > zones) {
        return Refuse("Cannot paste: desired flows go only between two zones");
    }
    std::uint32_t row = origin;
    while (true) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::uint32_t column = destination;
        while (true) {
            const std::size_t tab = line.find('\t');
            const std::string_view cell = line.substr(0, tab);
            if (row > zones || column > zones) {
                return Refuse("Cannot paste: the block reaches the totals at " +
                              CellName(row, column, zones));
            }
            const std::optional<std::int32_t> flow = DesiredFlowCell(cell);
            if (!flow) {
                return Refuse("Cannot paste \"" + Excerpt(cell) + "\" into " +
                              CellName(row, column, zones) +
                              ": only whole numbers of 0 to 99999 can be pasted");
            }
            paste.edits.push_back({row, column, *flow});
            if (tab == std::string_view::npos) {
                break;
            }
            line.remove_prefix(tab + 1);
            ++column;
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
        ++row;
    }
    return paste;
}
