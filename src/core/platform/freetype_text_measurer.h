// The text measurer of real output: FreeType on Liberation Sans, whose metrics equal Arial's.
#pragma once

#include "platform/text_measurer.h"

#include <memory>
#include <string>

// Measures with the font's unhinted design metrics scaled to the cell height, the way GDI
// sizes a font by lfHeight (ascent + descent from the OS/2 table), so results do not depend
// on a display, a resolution or the hinting engine. Every face name is measured with
// Liberation Sans; the constructor throws std::runtime_error when the font cannot be found.
class CFreeTypeTextMeasurer : public CTextMeasurer
{
public:
    CFreeTypeTextMeasurer();
    explicit CFreeTypeTextMeasurer(const std::string& fontPath);
    ~CFreeTypeTextMeasurer() override;
    CFreeTypeTextMeasurer(const CFreeTypeTextMeasurer&) = delete;
    CFreeTypeTextMeasurer& operator=(const CFreeTypeTextMeasurer&) = delete;

    CTextMetrics GetTextMetrics(const CLogFont& font) const override;
    std::vector<int> GetCharAdvances(const CLogFont& font, std::string_view utf8) const override;

    // The font file in use.
    const std::string& GetFontPath() const { return m_path; }
    // The standard place, then fontconfig's answer; empty when neither has the font.
    static std::string FindLiberationSans();

private:
    struct CFace;
    std::unique_ptr<CFace> m_face;
    std::string m_path;
};
