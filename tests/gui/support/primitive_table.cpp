#include "support/primitive_table.h"

namespace GuiTestSupport
{
namespace
{
constexpr int Cell = 420;
constexpr int TextHeight = 60;

void Cross(CDrawingSurface& s, CPoint at)
{
    s.MoveTo({at.x - 8, at.y});
    s.LineTo({at.x + 9, at.y});
    s.MoveTo({at.x, at.y - 8});
    s.LineTo({at.x, at.y + 9});
}

// The bearing whose font has the escapement, with keep upright off.
double BearingFor(int escapement)
{
    return 90.0 - escapement / 10.0;
}

const int Escapements[] = {0, 450, 900, 2700};
const unsigned Alignments[] = {
    TextAlign::Left | TextAlign::Top,      TextAlign::Center | TextAlign::Top,
    TextAlign::Right | TextAlign::Top,     TextAlign::Left | TextAlign::Bottom,
    TextAlign::Center | TextAlign::Bottom, TextAlign::Right | TextAlign::Bottom,
    TextAlign::Left | TextAlign::Baseline, TextAlign::Center | TextAlign::Baseline,
    TextAlign::Right | TextAlign::Baseline};
} // namespace

void DrawTextAndShapeTable(CDrawingSurface& s)
{
    s.SetBkMode(EBkMode::Transparent);
    s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(160, 160, 160)));
    const ColorRef colours[] = {Rgb(0, 0, 0), Rgb(0, 0, 200), Rgb(170, 0, 0), Rgb(0, 120, 0)};
    int row = 0;
    for (int escapement : Escapements) {
        const CBearingFont font(BearingFor(escapement), TextHeight, false);
        const CBearingFont old = s.SelectFont(font);
        s.SetTextColor(colours[row % 4]);
        int column = 0;
        for (unsigned align : Alignments) {
            const CPoint at{Cell / 2 + column * Cell, Cell / 2 + row * Cell};
            Cross(s, at);
            s.SetTextAlign(align);
            s.TextOut(at, "Tag 17g");
            ++column;
        }
        s.SelectFont(old);
        ++row;
    }

    int y = row * Cell + 40;
    const EPenStyle styles[] = {EPenStyle::Solid, EPenStyle::Dash, EPenStyle::Dot,
                                EPenStyle::DashDot, EPenStyle::DashDotDot};
    for (EPenStyle style : styles) {
        s.SelectPen(CPenExt(style, 1, Rgb(0, 0, 160)));
        s.MoveTo({40, y});
        s.LineTo({1240, y});
        y += 30;
    }

    y += 40;
    s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(0, 0, 0)));
    s.SelectBrush(CBrush(Rgb(255, 200, 0)));
    s.Rectangle({40, y, 340, y + 200});
    s.SelectBrush(CBrush(Rgb(0, 160, 220)));
    s.Ellipse({400, y, 700, y + 200});
    s.SelectPen(CPenExt(EPenStyle::Solid, 4, Rgb(120, 0, 120)));
    s.SelectBrush(CBrush(Rgb(240, 120, 160)));
    const CPoint star[] = {{900, y}, {960, y + 200}, {800, y + 70}, {1000, y + 70}, {840, y + 200}};
    s.Polygon(star);
    s.SelectBrush(CBrush::Null());
    s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(0, 0, 0)));
}
} // namespace GuiTestSupport
