#include "platform/text_measurer.h"

#include "platform/text_encoding.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

CSize CTextMeasurer::GetTextExtent(const CLogFont& font, std::string_view utf8) const
{
    const std::vector<int> advances = GetCharAdvances(font, utf8);
    return {std::accumulate(advances.begin(), advances.end(), 0), GetTextMetrics(font).height};
}

int CellHeightOf(const CLogFont& font, int unitsPerEm, int cellUnits)
{
    if (font.height >= 0) {
        return font.height;
    }
    return static_cast<int>(
        std::lround(-font.height * static_cast<double>(cellUnits) / unitsPerEm));
}

CTextMetrics CFixedWidthTextMeasurer::GetTextMetrics(const CLogFont& font) const
{
    const int h = std::abs(font.height);
    CTextMetrics m;
    m.height = h;
    m.ascent = h * 4 / 5;
    m.descent = h - m.ascent;
    m.internalLeading = h / 5;
    m.externalLeading = h / 10;
    m.aveCharWidth = h / 2;
    m.maxCharWidth = h / 2;
    return m;
}

std::vector<int> CFixedWidthTextMeasurer::GetCharAdvances(const CLogFont& font,
                                                          std::string_view utf8) const
{
    return std::vector<int>(Utf8ToCodePoints(utf8).size(), std::abs(font.height) / 2);
}
