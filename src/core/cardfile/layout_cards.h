// The card records of a network file's labels, print pages, OD matrix position, view positions
// and closing checksum: LABEL, PPAGE, ODGRF, VWPOS and FITGR.
#pragma once

#include "cardfile/document_data.h"
#include "model/label.h"

#include <cstdint>
#include <string>
#include <string_view>

class CPrintPage;

// LABEL: a label's two points (truncated to whole numbers), text height, colour and text
// left-justified in 50 columns. Written in the long form; the short form is read too. The
// network reader clamps the text height into kMinTextHeight..kMaxTextHeight; the label itself
// trims the text, cuts it to 50 characters and gives an empty one the default text.
class CCardLabel
{
public:
    static constexpr std::string_view kKeyword = "LABEL";
    static constexpr int kMinTextHeight = CLabel::MinTextHeight;
    static constexpr int kMaxTextHeight = CLabel::MaxTextHeight;

    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int textHeight = 0;
    std::uint32_t colour = 0;
    std::string text;

    CCardLabel() = default;
    explicit CCardLabel(const CLabel& label);
    static CCardLabel FromLine(std::string_view line);
    std::string Format() const;
    void Apply(CLabel& label) const;

    friend bool operator==(const CCardLabel&, const CCardLabel&) = default;
};

// PPAGE: one print page with its print zone. Written in the long form; the short form is read
// too. The scale is stored as hundredths.
class CCardPrintPage
{
public:
    static constexpr std::string_view kKeyword = "PPAGE";

    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int scaleHundredths = 100;
    bool landscape = true;
    int titleBlockPosition = 0;
    bool crop = true;
    bool scaleToFit = false;
    bool indicateScale = false;
    std::string title;

    CCardPrintPage() = default;
    explicit CCardPrintPage(const CPrintPage& page);
    static CCardPrintPage FromLine(std::string_view line);
    std::string Format() const;
    // A title block position the program does not know keeps the page's default.
    void Apply(CPrintPage& page) const;

    friend bool operator==(const CCardPrintPage&, const CCardPrintPage&) = default;
};

// ODGRF: the OD matrix text height and the matrix's position on the plan; " LONG" stands in
// columns 10-14 here, after the text height.
class CCardODGraphic
{
public:
    static constexpr std::string_view kKeyword = "ODGRF";

    int textHeight = 0;
    int x = 0;
    int y = 0;

    static CCardODGraphic FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardODGraphic&, const CCardODGraphic&) = default;
};

// VWPOS: the placement of one open view. Writing and reading both bring a frame rectangle that
// lies off any screen back to a usable default (left and top 0, right and bottom 300); a view
// that does not scroll and pan is written with zoom 1 and no scroll. A card shorter than 60
// characters has pane state 0, shorter than 65 index -1.
class CCardFramePosition
{
public:
    static constexpr std::string_view kKeyword = "VWPOS";

    CViewPosition position;

    CCardFramePosition() = default;
    explicit CCardFramePosition(const CViewPosition& view);
    static CCardFramePosition FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardFramePosition&, const CCardFramePosition&) = default;
};

// FITGR: the file checksum over the cards before it, report definitions left out.
class CCardFileIntegrity
{
public:
    static constexpr std::string_view kKeyword = "FITGR";

    unsigned checksum = 0;

    static CCardFileIntegrity FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardFileIntegrity&, const CCardFileIntegrity&) = default;
};
