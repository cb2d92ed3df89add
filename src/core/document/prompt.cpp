// The prompt's default for read adjustments.
#include "document/prompt.h"

#include "cardfile/carousel_file.h"

void CPrompt::ShowReadAdjustments(const std::vector<CReadAdjustment>& adjustments)
{
    ShowMessage(ReadAdjustmentsMessage(adjustments));
}
