// Cutting and building the print page, OD matrix, view position and checksum cards.
#include "cardfile/layout_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_coordinate.h"
#include "cardfile/card_line.h"
#include "cardfile/network_cards.h"
#include "model/label.h"
#include "printing/print_page.h"
#include "printing/title_block_position.h"

#include <algorithm>
#include <cmath>

CCardLabel::CCardLabel(const CLabel& label)
    : x1(TruncateCardCoordinate(label.GetFirstPoint().x, "label x1")),
      y1(TruncateCardCoordinate(label.GetFirstPoint().y, "label y1")),
      x2(TruncateCardCoordinate(label.GetSecondPoint().x, "label x2")),
      y2(TruncateCardCoordinate(label.GetSecondPoint().y, "label y2")),
      textHeight(label.GetTextHeight()), colour(label.GetColour()), text(label.GetText())
{}

CCardLabel CCardLabel::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardLabel label;
    const bool longForm = card.IsLongForm();
    const std::size_t first = longForm ? 10 : 5;
    const std::size_t width = longForm ? 10 : 5;
    label.x1 = card.Int(first, width);
    label.y1 = card.Int(first + width, width);
    label.x2 = card.Int(first + 2 * width, width);
    label.y2 = card.Int(first + 3 * width, width);
    const std::size_t height = first + 4 * width;
    label.textHeight = card.Int(height, 5);
    label.colour = static_cast<std::uint32_t>(card.Int(height + 5, 10));
    label.text = std::string(card.Field(height + 15, 50));
    return label;
}

std::string CCardLabel::Format() const
{
    if (CCardLine(text).Length() > CLabel::MaxTextLength) {
        throw errCardFieldRefused("label text", text,
                                  "The label text \"" + text + "\" is longer than 50 characters");
    }
    // Stored as the signed 32-bit value, as zone colours are, so every colour fits.
    return CCardBuilder(kKeyword)
        .Literal(" LONG")
        .Field("%10i", x1, "label x1")
        .Field("%10i", y1, "label y1")
        .Field("%10i", x2, "label x2")
        .Field("%10i", y2, "label y2")
        .Field("%5i", textHeight, "label text height")
        .Field("%10i", static_cast<std::int32_t>(colour), "label colour")
        .Text("%-50s", text, "label text")
        .Line();
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
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardPrintPage page;
    const bool longForm = card.IsLongForm();
    const std::size_t first = longForm ? 10 : 5;
    const std::size_t width = longForm ? 10 : 5;
    page.left = card.Int(first, width);
    page.top = card.Int(first + width, width);
    page.right = card.Int(first + 2 * width, width);
    page.bottom = card.Int(first + 3 * width, width);
    const std::size_t flags = first + 4 * width;
    page.scaleHundredths = card.Int(flags, 5);
    page.landscape = card.Int(flags + 5, 5) != 0;
    page.titleBlockPosition = card.Int(flags + 10, 5);
    page.crop = card.Int(flags + 15, 5) != 0;
    page.scaleToFit = card.Int(flags + 20, 5) != 0;
    page.indicateScale = card.Int(flags + 25, 5) != 0;
    page.title = std::string(card.Rest(flags + 30));
    return page;
}

std::string CCardPrintPage::Format() const
{
    return CCardBuilder(kKeyword)
        .Literal(" LONG")
        .Field("%10i", left, "print zone left")
        .Field("%10i", top, "print zone top")
        .Field("%10i", right, "print zone right")
        .Field("%10i", bottom, "print zone bottom")
        .Field("%5i", scaleHundredths, "print zone scale")
        .Field("%5i", landscape ? 1 : 0, "landscape")
        .Field("%5i", titleBlockPosition, "title block position")
        .Field("%5i", crop ? 1 : 0, "crop to print zone")
        .Field("%5i", scaleToFit ? 1 : 0, "scale to fit")
        .Field("%5i", indicateScale ? 1 : 0, "indicate scale")
        .Text("%s", title, "page title")
        .Line();
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
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardODGraphic od;
    od.textHeight = card.Int(5, 5);
    if (card.Field(10, 5) == " LONG") {
        od.x = card.Int(15, 10);
        od.y = card.Int(25, 10);
    } else {
        od.x = card.Int(10, 5);
        od.y = card.Int(15, 5);
    }
    return od;
}

std::string CCardODGraphic::Format() const
{
    return CCardBuilder(kKeyword)
        .Field("%5i", textHeight, "OD matrix text height")
        .Literal(" LONG")
        .Field("%10i", x, "OD matrix x")
        .Field("%10i", y, "OD matrix y")
        .Line();
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
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardFramePosition frame;
    CViewPosition& view = frame.position;
    view.kind = card.Int(5, 5);
    view.left = ClampOrigin(card.Int(10, 5));
    view.top = ClampOrigin(card.Int(15, 5));
    view.right = ClampExtent(card.Int(20, 5), 3000);
    view.bottom = ClampExtent(card.Int(25, 5), 3000);
    view.scrollPan = card.Int(30, 5) != 0;
    view.zoom = card.Int(35, 5) + card.Int(40, 5) / 100000.0;
    view.scrollX = card.Int(45, 5);
    view.scrollY = card.Int(50, 5);
    view.paneState = card.Length() >= 60 ? card.Int(55, 5) : 0;
    view.index = card.Length() >= 65 ? card.Int(60, 5) : -1;
    return frame;
}

std::string CCardFramePosition::Format() const
{
    const double whole = std::trunc(position.zoom);
    // The allowance keeps a zoom of 1.3 from turning into 1.29999.
    const double fraction = std::trunc((position.zoom - whole) * 100000.0 + 1e-6);
    return CCardBuilder(kKeyword)
        .Field("%5d", position.kind, "view kind")
        .Field("%5d", position.left, "frame left")
        .Field("%5d", position.top, "frame top")
        .Field("%5d", position.right, "frame right")
        .Field("%5d", position.bottom, "frame bottom")
        .Field("%5d", position.scrollPan ? 1 : 0, "scroll and pan view")
        .Field("%5d", static_cast<long long>(whole), "zoom")
        .Field("%5d", static_cast<long long>(fraction), "zoom fraction")
        .Field("%5d", position.scrollX, "horizontal scroll")
        .Field("%5d", position.scrollY, "vertical scroll")
        .Field("%5d", position.paneState, "pane state")
        .Field("%5d", position.index, "view index")
        .Line();
}

CCardFileIntegrity CCardFileIntegrity::FromLine(std::string_view line)
{
    const CCardLine card = ExpectNetworkCard(line, kKeyword);
    CCardFileIntegrity integrity;
    integrity.checksum = static_cast<unsigned>(card.Int(5, 5));
    return integrity;
}

std::string CCardFileIntegrity::Format() const
{
    return CCardBuilder(kKeyword).Field("%5u", checksum, "file checksum").Line();
}
