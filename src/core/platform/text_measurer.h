// Text measurement without a display, so that every machine lays out text alike.
#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <string_view>
#include <vector>

// The text metrics of a font, in plan units, as GDI reports them.
struct CTextMetrics
{
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    friend bool operator==(const CTextMetrics&, const CTextMetrics&) = default;
};

// Measures UTF-8 text in a logical font. The extent is along the baseline whatever the
// escapement; its height is the font's cell height.
class CTextMeasurer
{
public:
    virtual ~CTextMeasurer() = default;
    virtual CTextMetrics GetTextMetrics(const CLogFont& font) const = 0;
    // Advance of each code point of the text; their sum is the extent's width.
    virtual std::vector<int> GetCharAdvances(const CLogFont& font, std::string_view utf8) const = 0;
    CSize GetTextExtent(const CLogFont& font, std::string_view utf8) const;
};

// A measurer for tests: every character is half the cell height wide; ascent 4/5 of the
// height, internal leading 1/5, external leading 1/10.
class CFixedWidthTextMeasurer : public CTextMeasurer
{
public:
    CTextMetrics GetTextMetrics(const CLogFont& font) const override;
    std::vector<int> GetCharAdvances(const CLogFont& font, std::string_view utf8) const override;
};

// The cell height of a logical font height: negative heights name the character height.
int CellHeightOf(const CLogFont& font, int unitsPerEm, int cellUnits);
