// Fonts of the drawing surface: the logical font a metafile stores and the bearing font the
// network drawing selects.
#pragma once

#include <string>

// A logical font as a metafile stores it. Height > 0 is the cell height (with internal
// leading), height < 0 the character height; escapement is in tenths of a degree,
// anticlockwise.
struct CLogFont
{
    std::string faceName = "Arial";
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    friend bool operator==(const CLogFont&, const CLogFont&) = default;
};

// A font for text written along a bearing: face "Arial", normal weight, the given height in
// plan units, and an escapement of (base - bearing) x 10 truncated, base being 270 when keep
// upright is set and the bearing is below 0 or at least 180, else 90. So text runs parallel
// to its line and never upside down; bearing 90 gives horizontal text.
class CBearingFont
{
public:
    CBearingFont() : CBearingFont(90.0, 0, false) {}
    CBearingFont(double bearing, int height, bool keepUpright);

    static int EscapementFor(double bearing, bool keepUpright);

    const CLogFont& GetLogFont() const { return m_logFont; }
    int GetHeight() const { return m_logFont.height; }
    int GetEscapement() const { return m_logFont.escapement; }
    const std::string& GetFaceName() const { return m_logFont.faceName; }

    friend bool operator==(const CBearingFont& a, const CBearingFont& b)
    {
        return a.m_logFont == b.m_logFont;
    }

private:
    CLogFont m_logFont;
};
