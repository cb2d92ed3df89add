// Reading a pasted block of desired flows.
#pragma once

#include "model/validation.h"
#include "routing/desired_flow_edits.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The desired flows of a pasted block, or why it is refused.
struct CODMatrixPaste
{
    CValidationResult result;
    std::vector<CDesiredFlowEdit> edits;
};

// A block of tab-separated cells, lines ending in LF or CR LF (a last line end is ignored),
// pasted with its first cell at (origin, destination) of a matrix of `zones` zones. Each cell
// is a whole number of 0 to 99999, blanks around it ignored, an empty cell 0; a short line
// leaves the cells beyond it alone. A cell that is not such a number, or a block that reaches
// the totals, refuses the whole paste with a message naming the cell. Nothing pasted gives no
// edits.
CODMatrixPaste ParseODMatrixPaste(std::string_view text, std::uint32_t origin,
                                  std::uint32_t destination, std::uint32_t zones);
