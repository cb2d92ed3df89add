#include "sample_drawing.h"

namespace TestSupport
{
CSampleExpectation DrawSample(CDrawingSurface& s)
{
    CSampleExpectation e;
    s.SetBkMode(EBkMode::Transparent);

    // An arm: thick solid line with a filled arrowhead and round ends.
    s.SelectPen(CPenExt(EPenStyle::Solid, 4, Rgb(0, 0, 255)));
    s.MoveTo({200, 600});
    s.LineTo({800, 600});
    ++e.polylines;
    s.SelectBrush(CBrush(Rgb(0, 0, 255)));
    const CPoint head[] = {{500, 600}, {520, 593}, {520, 607}};
    s.Polygon(head);
    e.solids += 1;
    ++e.polylines;
    s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(0, 0, 255)));
    s.Ellipse({190, 590, 210, 610}); // same pen and brush colour: disc only
    s.Ellipse({790, 590, 810, 610});
    e.polylines += 2;

    // Lanes: polyline sides and dotted shared side.
    s.SelectPen(CPenExt(EPenStyle::Solid, 2, Rgb(0, 0, 0)));
    const CPoint lane[] = {{200, 640}, {800, 640}, {800, 680}, {200, 680}};
    s.Polyline(lane);
    ++e.polylines;
    s.SelectPen(CPenExt(EPenStyle::Dot, 2, Rgb(0, 0, 0)));
    s.MoveTo({200, 660});
    s.LineTo({800, 660});
    ++e.polylines;

    // A zone: dashed outline rectangle without fill, with its tag.
    s.SelectBrush(CBrush::Null());
    s.SelectPen(CPenExt(EPenStyle::Dash, 3, Rgb(0, 128, 0)));
    s.Rectangle({150, 500, 850, 720});
    ++e.polylines;

    // A lane-change indicator (pentagon with a red fill) drawn with the null pen.
    s.SelectPen(CPenExt::Null());
    s.SelectBrush(CBrush(Rgb(255, 0, 0)));
    const CPoint pent[] = {{300, 300}, {340, 280}, {380, 300}, {370, 340}, {310, 340}};
    s.Polygon(pent);
    e.solids += 2;

    // A circle outline in another colour over a yellow disc.
    s.SelectPen(CPenExt(EPenStyle::Solid, 1, Rgb(0, 0, 0)));
    s.SelectBrush(CBrush(Rgb(255, 255, 0)));
    s.Ellipse({400, 250, 460, 310});
    ++e.polylines;
    ++e.circles;

    // A pattern fill of a title strip.
    s.SelectBrush(CBrush(Rgb(200, 200, 200)));
    s.PatBlt(150, 760, 300, 40, Rop3::PatCopy);
    ++e.solids;

    // Texts: horizontal centred, along a turned arm, right aligned baseline.
    s.SetTextColor(Rgb(0, 0, 0));
    const CBearingFont previous = s.SelectFont(CBearingFont(90.0, 35, true));
    s.SetTextAlign(TextAlign::Center | TextAlign::Top);
    s.TextOut({500, 520}, "Zone 1");
    e.texts.push_back("Zone 1");
    s.SelectFont(CBearingFont(0.0, 30, true));
    s.SetTextAlign(TextAlign::Left | TextAlign::Bottom);
    s.TextOut({120, 650}, "E1");
    e.texts.push_back("E1");
    s.SelectFont(CBearingFont(90.0, 30, true));
    s.SetTextAlign(TextAlign::Right | TextAlign::Baseline);
    s.SetTextColor(Rgb(255, 0, 0));
    s.TextOut({780, 655}, "125.0");
    e.texts.push_back("125.0");
    s.SelectFont(previous);
    return e;
}
} // namespace TestSupport
