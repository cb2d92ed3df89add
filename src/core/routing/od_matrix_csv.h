// OD matrices as CSV files: written for spreadsheets, read back as desired flows.
#pragma once

#include "model/validation.h"
#include "routing/desired_flow_edits.h"
#include "routing/od_matrix_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A header row (an empty cell, then the destination zone names) and a row per origin zone
// (its name, then the flows to each destination), no totals; comma-separated, lines ending in
// CR LF. Desired flows are whole numbers, GEH figures have two decimals and actual flows and
// differences `precision` decimals, always with "." as the decimal point.
std::string ODMatrixToCsv(const CODMatrixTable& table, ODMatrixGridKind kind, int precision);

// The desired flows of a CSV file, or why it is refused.
struct CODMatrixCsvImport
{
    CValidationResult result;
    std::vector<CDesiredFlowEdit> edits;
};

// Reads a CSV file written as above, by this program or a spreadsheet, against a network of
// `zones` zones. Rows and columns are found by zone name, in any order; zones the file leaves
// out are not in the edits. A UTF-8 byte order mark is skipped; cells are separated by commas,
// semicolons or tabs, whichever comes first in the header line; cells may be quoted; lines end
// in LF, CR LF or CR, and empty lines are skipped. Every cell must be a whole number of 0 to
// 99999 (blanks ignored, an empty cell 0). Anything else refuses the whole file with a message
// that names its line and column (the cell's position in its row): a zone name the network does
// not have or that comes twice, a row longer or shorter than the header, a cell that is not
// such a number, a quote left open, a file in UTF-16 or without a separator.
CODMatrixCsvImport ReadODMatrixCsv(std::string_view bytes, std::uint32_t zones);
