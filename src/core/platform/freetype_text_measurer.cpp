#include "platform/freetype_text_measurer.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <ft2build.h>
#include <stdexcept>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include "platform/text_encoding.h"

namespace
{
constexpr const char* StandardPath =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

std::string RunFcMatch()
{
    // fontconfig is optional; its command line is enough to ask where the font lives.
    std::FILE* pipe =
        popen("fc-match -f '%{file}' 'Liberation Sans:style=Regular' 2>/dev/null", "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string out;
    std::array<char, 512> buf{};
    while (std::fgets(buf.data(), static_cast<int>(buf.size()), pipe) != nullptr) {
        out += buf.data();
    }
    pclose(pipe);
    if (out.find("LiberationSans-Regular") == std::string::npos) {
        return {};
    }
    return out;
}
} // namespace

struct CFreeTypeTextMeasurer::CFace
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    int unitsPerEm = 2048;
    int winAscent = 0;
    int winDescent = 0;
    int lineGap = 0;
    int hheaAscender = 0;
    int hheaDescender = 0;
    int avgCharWidth = 0;
    int maxAdvance = 0;
    // Advances in font units of the first code points, which nearly all text uses: looking
    // them up in the font is most of what measuring a drawing's texts costs.
    std::array<FT_Fixed, 256> latinAdvances{};
    ~CFace()
    {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
    int CellUnits() const { return winAscent + winDescent; }
    FT_Fixed AdvanceOf(char32_t cp) const
    {
        if (cp < latinAdvances.size()) {
            return latinAdvances[cp];
        }
        return LookUpAdvance(cp);
    }
    FT_Fixed LookUpAdvance(char32_t cp) const
    {
        FT_Fixed advance = 0;
        if (FT_Get_Advance(face, FT_Get_Char_Index(face, cp), FT_LOAD_NO_SCALE, &advance) != 0) {
            advance = 0;
        }
        return advance;
    }
};

std::string CFreeTypeTextMeasurer::FindLiberationSans()
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(StandardPath, ec)) {
        return StandardPath;
    }
    return RunFcMatch();
}

CFreeTypeTextMeasurer::CFreeTypeTextMeasurer() : CFreeTypeTextMeasurer(FindLiberationSans()) {}

CFreeTypeTextMeasurer::CFreeTypeTextMeasurer(const std::string& fontPath)
    : m_face(std::make_unique<CFace>()), m_path(fontPath)
{
    if (fontPath.empty()) {
        throw std::runtime_error("Liberation Sans not found: install fonts-liberation (expected " +
                                 std::string(StandardPath) + ")");
    }
    if (FT_Init_FreeType(&m_face->library) != 0) {
        throw std::runtime_error("FreeType could not be initialised");
    }
    if (FT_New_Face(m_face->library, fontPath.c_str(), 0, &m_face->face) != 0) {
        throw std::runtime_error("Cannot load font " + fontPath);
    }
    FT_Face f = m_face->face;
    m_face->unitsPerEm = f->units_per_EM;
    m_face->hheaAscender = f->ascender;
    m_face->hheaDescender = f->descender;
    m_face->maxAdvance = f->max_advance_width;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA));
    if (os2 == nullptr || hhea == nullptr) {
        throw std::runtime_error("Font " + fontPath + " lacks its OS/2 or hhea table");
    }
    m_face->winAscent = os2->usWinAscent;
    m_face->winDescent = os2->usWinDescent;
    m_face->avgCharWidth = os2->xAvgCharWidth;
    m_face->lineGap = hhea->Line_Gap;
    if (m_face->CellUnits() <= 0) {
        throw std::runtime_error("Font " + fontPath + " has no cell height");
    }
    for (char32_t cp = 0; cp < m_face->latinAdvances.size(); ++cp) {
        m_face->latinAdvances[cp] = m_face->LookUpAdvance(cp);
    }
}

CFreeTypeTextMeasurer::~CFreeTypeTextMeasurer() = default;

CTextMetrics CFreeTypeTextMeasurer::GetTextMetrics(const CLogFont& font) const
{
    const CFace& f = *m_face;
    const int cell = CellHeightOf(font, f.unitsPerEm, f.CellUnits());
    const double scale = static_cast<double>(cell) / f.CellUnits();
    CTextMetrics m;
    m.height = cell;
    m.ascent = static_cast<int>(std::lround(f.winAscent * scale));
    m.descent = cell - m.ascent;
    m.internalLeading = cell - static_cast<int>(std::lround(f.unitsPerEm * scale));
    const int extUnits = f.lineGap - (f.CellUnits() - (f.hheaAscender - f.hheaDescender));
    m.externalLeading = extUnits > 0 ? static_cast<int>(std::lround(extUnits * scale)) : 0;
    m.aveCharWidth = static_cast<int>(std::lround(f.avgCharWidth * scale));
    m.maxCharWidth = static_cast<int>(std::lround(f.maxAdvance * scale));
    return m;
}

std::vector<int> CFreeTypeTextMeasurer::GetCharAdvances(const CLogFont& font,
                                                        std::string_view utf8) const
{
    const CFace& f = *m_face;
    const int cell = CellHeightOf(font, f.unitsPerEm, f.CellUnits());
    const double scale = static_cast<double>(cell) / f.CellUnits();
    std::vector<int> advances;
    double total = 0.0;
    long placed = 0;
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        const FT_Fixed advance = f.AdvanceOf(cp);
        // Rounding the running total keeps the sum equal to the rounded whole width.
        total += static_cast<double>(advance) * scale;
        const long end = std::lround(total);
        advances.push_back(static_cast<int>(end - placed));
        placed = end;
    }
    return advances;
}
