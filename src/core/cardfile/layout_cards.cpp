// Cutting and building the print page, OD matrix, view position and checksum cards.
#include "cardfile/layout_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_coordinate.h"
#include "cardfile/card_fields.h"
#include "cardfile/card_line.h"
#include "cardfile/network_cards.h"
#include "model/label.h"
#include "printing/print_page.h"
#include "printing/title_block_position.h"

#include <algorithm>
#include <cmath>

namespace
{
using namespace cardfield;

constexpr CCardField<CCardLabel> kLabelFields[] = {
    LongMarker<CCardLabel>(),
    Coordinate<&CCardLabel::x1>("%10i", "label x1"),
    Coordinate<&CCardLabel::y1>("%10i", "label y1"),
    Coordinate<&CCardLabel::x2>("%10i", "label x2"),
    Coordinate<&CCardLabel::y2>("%10i", "label y2"),
    Int<&CCardLabel::textHeight>("%5i", "label text height"),
    Colour<&CCardLabel::colour>("%10i", "label colour"),
    Text<&CCardLabel::text>("%-50s", "label text"),
};

using Page = CCardPrintPage;
constexpr CCardField<Page> kPrintPageFields[] = {
    LongMarker<Page>(),
    Coordinate<&Page::left>("%10i", "print zone left"),
    Coordinate<&Page::top>("%10i", "print zone top"),
    Coordinate<&Page::right>("%10i", "print zone right"),
    Coordinate<&Page::bottom>("%10i", "print zone bottom"),
    Int<&Page::scaleHundredths>("%5i", "print zone scale"),
    Flag<&Page::landscape>("%5i", "landscape"),
    Int<&Page::titleBlockPosition>("%5i", "title block position"),
    Flag<&Page::crop>("%5i", "crop to print zone"),
    Flag<&Page::scaleToFit>("%5i", "scale to fit"),
    Flag<&Page::indicateScale>("%5i", "indicate scale"),
    Text<&Page::title>("%s", "page title"),
};

constexpr CCardField<CCardODGraphic> kODGraphicFields[] = {
    Int<&CCardODGraphic::textHeight>("%5i", "OD matrix text height"),
    LongMarker<CCardODGraphic>(),
    Coordinate<&CCardODGraphic::x>("%10i", "OD matrix x"),
    Coordinate<&CCardODGraphic::y>("%10i", "OD matrix y"),
};

// The zoom as a whole number and hundred-thousandths, read in this order. The allowance keeps
// a zoom of 1.3 from turning into 1.29999.
struct CZoomCodec
{
    static void Append(std::string& out, const CCardConversion& conv, double zoom,
                       std::string_view name)
    {
        AppendCardInt(out, conv, static_cast<long long>(std::trunc(zoom)), name);
    }
    static void Read(const CCardFieldPlace& p, double& zoom)
    {
        zoom = p.card.Int(p.column, p.width);
    }
};

struct CZoomFractionCodec
{
    static void Append(std::string& out, const CCardConversion& conv, double zoom,
                       std::string_view name)
    {
        const double fraction = std::trunc((zoom - std::trunc(zoom)) * 100000.0 + 1e-6);
        AppendCardInt(out, conv, static_cast<long long>(fraction), name);
    }
    static void Read(const CCardFieldPlace& p, double& zoom)
    {
        zoom += p.card.Int(p.column, p.width) / 100000.0;
    }
};

// Placement is clamped by the card's own code; a card shorter than 60 characters has pane
// state 0, shorter than 65 index -1.
using View = CViewPosition;
constexpr CCardField<View> kFramePositionFields[] = {
    Int<&View::kind>("%5d", "view kind"),
    Int<&View::left>("%5d", "frame left"),
    Int<&View::top>("%5d", "frame top"),
    Int<&View::right>("%5d", "frame right"),
    Int<&View::bottom>("%5d", "frame bottom"),
    Flag<&View::scrollPan>("%5d", "scroll and pan view"),
    MemberField<&View::zoom, CZoomCodec>(CCardIntConversion("%5d"), "zoom"),
    MemberField<&View::zoom, CZoomFractionCodec>(CCardIntConversion("%5d"), "zoom fraction"),
    Int<&View::scrollX>("%5d", "horizontal scroll"),
    Int<&View::scrollY>("%5d", "vertical scroll"),
    Int<&View::paneState>("%5d", "pane state").From(60),
    Int<&View::index>("%5d", "view index").From(65),
};

constexpr CCardField<CCardFileIntegrity> kFileIntegrityFields[] = {
    Int<&CCardFileIntegrity::checksum>("%5u", "file checksum"),
};
} // namespace

CCardLabel::CCardLabel(const CLabel& label)
    : x1(TruncateCardCoordinate(label.GetFirstPoint().x, "label x1")),
      y1(TruncateCardCoordinate(label.GetFirstPoint().y, "label y1")),
      x2(TruncateCardCoordinate(label.GetSecondPoint().x, "label x2")),
      y2(TruncateCardCoordinate(label.GetSecondPoint().y, "label y2")),
      textHeight(label.GetTextHeight()), colour(label.GetColour()), text(label.GetText())
{}

CCardLabel CCardLabel::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardLabel>(ExpectNetworkCard(line, kKeyword), kLabelFields);
}

std::string CCardLabel::Format() const
{
    if (CCardLine(text).Length() > CLabel::MaxTextLength) {
        throw errCardFieldRefused("label text", text,
                                  "The label text \"" + text + "\" is longer than 50 characters");
    }
    return FormatCardFields<CCardLabel>(kKeyword, kLabelFields, *this);
}

void CCardLabel::Apply(CLabel& label) const
{
    label.SetSegment({static_cast<double>(x1), static_cast<double>(y1)},
                     {static_cast<double>(x2), static_cast<double>(y2)});
    label.SetText(text);
    label.SetTextHeight(textHeight);
    label.SetColour(colour);
}

CCardPrintPage::CCardPrintPage(const CPrintPage& page)
{
    const CPrintZone& zone = page.GetPrintZone();
    left = zone.GetLeft();
    top = zone.GetTop();
    right = zone.GetRight();
    bottom = zone.GetBottom();
    // A small allowance, so that a scale of 1.15 (114.999... hundredths in binary) keeps 115.
    scaleHundredths = static_cast<int>(std::trunc(zone.GetScale() * 100.0 + 1e-6));
    landscape = page.IsLandscape();
    titleBlockPosition = static_cast<int>(page.GetTitleBlockPosition());
    crop = zone.GetCropToPrintZone();
    scaleToFit = zone.GetScaleToFit();
    indicateScale = page.GetIndicateScaleOnTitleBlock();
    title = page.GetPageTitle();
}

CCardPrintPage CCardPrintPage::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardPrintPage>(ExpectNetworkCard(line, kKeyword), kPrintPageFields);
}

std::string CCardPrintPage::Format() const
{
    return FormatCardFields<CCardPrintPage>(kKeyword, kPrintPageFields, *this);
}

void CCardPrintPage::Apply(CPrintPage& page) const
{
    CPrintZone& zone = page.GetPrintZone();
    zone.SetRect(left, top, right, bottom);
    zone.SetScale(scaleHundredths / 100.0);
    page.SetLandscape(landscape);
    if (const auto position = TitleBlockPositionFromInt(titleBlockPosition)) {
        page.SetTitleBlockPosition(*position);
    }
    zone.SetCropToPrintZone(crop);
    zone.SetScaleToFit(scaleToFit);
    page.SetIndicateScaleOnTitleBlock(indicateScale);
    page.SetPageTitle(title);
}

CCardODGraphic CCardODGraphic::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardODGraphic>(ExpectNetworkCard(line, kKeyword), kODGraphicFields);
}

std::string CCardODGraphic::Format() const
{
    return FormatCardFields<CCardODGraphic>(kKeyword, kODGraphicFields, *this);
}

namespace
{
int ClampOrigin(int value)
{
    return value < 0 || value > 2000 ? 0 : value;
}

int ClampExtent(int value, int limit)
{
    return value < 0 || value > limit ? 300 : value;
}
} // namespace

CCardFramePosition::CCardFramePosition(const CViewPosition& view) : position(view)
{
    position.left = ClampOrigin(view.left);
    position.top = ClampOrigin(view.top);
    position.right = ClampExtent(view.right, 2000);
    position.bottom = ClampExtent(view.bottom, 2000);
    if (!view.scrollPan) {
        position.zoom = 1.0;
        position.scrollX = 0;
        position.scrollY = 0;
    }
}

CCardFramePosition CCardFramePosition::FromLine(std::string_view line)
{
    CCardFramePosition frame;
    CViewPosition& view = frame.position;
    view = ReadCardRecord<CViewPosition>(ExpectNetworkCard(line, kKeyword), kFramePositionFields);
    view.left = ClampOrigin(view.left);
    view.top = ClampOrigin(view.top);
    view.right = ClampExtent(view.right, 3000);
    view.bottom = ClampExtent(view.bottom, 3000);
    return frame;
}

std::string CCardFramePosition::Format() const
{
    return FormatCardFields<CViewPosition>(kKeyword, kFramePositionFields, position);
}

CCardFileIntegrity CCardFileIntegrity::FromLine(std::string_view line)
{
    return ReadCardRecord<CCardFileIntegrity>(ExpectNetworkCard(line, kKeyword),
                                              kFileIntegrityFields);
}

std::string CCardFileIntegrity::Format() const
{
    return FormatCardFields<CCardFileIntegrity>(kKeyword, kFileIntegrityFields, *this);
}
