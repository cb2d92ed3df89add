#include "tables/label_dialog.h"

#include "model/label.h"
#include "tables/dialog_text.h"

#include <algorithm>
#include <cmath>

CDlgEditLabelModel::CDlgEditLabelModel(std::string text, std::int32_t textHeight,
                                       std::uint32_t colour)
    : m_text(std::move(text)), m_heightText(FormatNumber("%1.1f", textHeight * 0.1)),
      m_colour(colour & 0x00FFFFFFu)
{}

CDlgEditLabelModel::CDlgEditLabelModel(const CLabel& label)
    : CDlgEditLabelModel(label.GetText(), label.GetTextHeight(), label.GetColour())
{}

CValidationResult CDlgEditLabelModel::Validate() const
{
    if (!IsSingleLine(m_text)) {
        return CValidationResult::Refuse("The Label Text must be a single line");
    }
    if (!ParseNumber(m_heightText)) {
        return CValidationResult::Refuse("The Text Height must be a number of millimetres");
    }
    return CValidationResult::Accept();
}

std::string CDlgEditLabelModel::GetText() const
{
    return LabelText(m_text);
}

std::int32_t CDlgEditLabelModel::GetTextHeight() const
{
    const double tenths = std::trunc(ParseNumber(m_heightText).value_or(0.0) * 10.0);
    return static_cast<std::int32_t>(
        std::clamp(tenths, double{MinTextHeight}, double{MaxTextHeight}));
}
