#include "platform/text_measurer.h"

#include "platform/text_encoding.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace
{
// Font heights come from metafiles too; the most negative one has no positive counterpart.
int FixedCellHeight(const CLogFont& font)
{
    return font.height == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                          : std::abs(font.height);
}
} // namespace

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
        std::lround(-static_cast<double>(font.height) * cellUnits / unitsPerEm));
}

CTextMetrics CFixedWidthTextMeasurer::GetTextMetrics(const CLogFont& font) const
{
    const int h = FixedCellHeight(font);
    CTextMetrics m;
    m.height = h;
    m.ascent = h - h / 5;
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
    return std::vector<int>(Utf8ToCodePoints(utf8).size(), FixedCellHeight(font) / 2);
}
