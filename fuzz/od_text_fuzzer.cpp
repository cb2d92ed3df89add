// Feeds arbitrary bytes to the readers of OD matrix text, a CSV file and a pasted block, for
// matrices of several sizes: each must accept with edits inside the matrix and the field, or
// refuse with a message and no edits, never anything else.
#include "routing/grid_text.h"
#include "routing/od_matrix_csv.h"
#include "routing/od_matrix_paste.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{
void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void CheckEdits(const CValidationResult& result, const std::vector<CDesiredFlowEdit>& edits,
                std::uint32_t zones, std::string_view refusalStart)
{
    if (!result) {
        Check(std::string_view(result.message).starts_with(refusalStart));
        Check(edits.empty());
        return;
    }
    for (const CDesiredFlowEdit& edit : edits) {
        Check(edit.origin >= 1 && edit.origin <= zones);
        Check(edit.destination >= 1 && edit.destination <= zones);
        Check(edit.flow >= 0 && edit.flow <= MaxDesiredFlow);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::uint32_t zones : {0u, 1u, 4u, 99u}) {
        const CODMatrixCsvImport csv = ReadODMatrixCsv(bytes, zones);
        CheckEdits(csv.result, csv.edits, zones, "Line ");
        const std::uint32_t anchor = zones > 1 ? 2 : 1;
        const CODMatrixPaste paste = ParseODMatrixPaste(bytes, anchor, anchor, zones);
        CheckEdits(paste.result, paste.edits, zones, "Cannot paste");
    }
    const CLeadingWholeNumber number = LeadingWholeNumber(bytes);
    Check(number.typed.size() <= bytes.size());
    const std::optional<std::int32_t> cell = DesiredFlowCell(bytes);
    Check(!cell || (*cell >= 0 && *cell <= MaxDesiredFlow));
    return 0;
}
