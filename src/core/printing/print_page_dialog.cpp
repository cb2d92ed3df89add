#include "printing/print_page_dialog.h"

#include "printing/print_page.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace
{

// A finite number in the "C" locale's notation, blanks around it allowed.
std::optional<double> ParseScale(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string FormatScale(double scale)
{
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, scale, std::chars_format::fixed, 2);
    return std::string(digits, result.ptr);
}

CDlgEditPrintPageModel::CDlgEditPrintPageModel(const CPrintPage& page)
{
    for (int number = 1; number <= page.GetOwner().GetCount(); ++number)
        m_pageNumbers.push_back(std::to_string(number));
    const CPrintZone& zone = page.GetPrintZone();
    m_layout.position = page.GetPosition();
    m_layout.scaleToFit = zone.GetScaleToFit();
    m_layout.scale = zone.GetScale();
    m_layout.cropToPrintZone = zone.GetCropToPrintZone();
    m_layout.landscape = page.IsLandscape();
    m_layout.titleBlockPosition = page.GetTitleBlockPosition();
    m_layout.pageTitle = page.GetPageTitle();
    m_layout.indicateScale = page.GetIndicateScaleOnTitleBlock();
    m_scaleText = FormatScale(m_layout.scale);
}

bool CDlgEditPrintPageModel::SetPageNumber(int number)
{
    if (number < 1 || number > static_cast<int>(m_pageNumbers.size()))
        return false;
    m_layout.position = number;
    return true;
}

void CDlgEditPrintPageModel::LeaveScaleBox()
{
    if (const std::optional<double> typed = ParseScale(m_scaleText))
        m_layout.scale = CPrintZone::ClampScale(*typed);
    // The value is what the box shows, as OK reads it back.
    m_scaleText = FormatScale(m_layout.scale);
    m_layout.scale = ParseScale(m_scaleText).value_or(m_layout.scale);
}

int CDlgEditPrintPageModel::GetPositionIndex() const
{
    for (std::size_t i = 0; i < PositionChoices.size(); ++i) {
        if (PositionChoices[i].position == m_layout.titleBlockPosition)
            return static_cast<int>(i);
    }
    return 0;
}

bool CDlgEditPrintPageModel::SetPositionIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(PositionChoices.size()))
        return false;
    m_layout.titleBlockPosition = PositionChoices[static_cast<std::size_t>(index)].position;
    return true;
}

CPrintPageLayout CDlgEditPrintPageModel::OnOK()
{
    LeaveScaleBox();
    return m_layout;
}
