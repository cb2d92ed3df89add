// The "Print Page Layout" dialog without its window.
#pragma once

#include "printing/print_page_layout.h"
#include "printing/title_block_position.h"

#include <array>
#include <string>
#include <vector>

class CPrintPage;

// Edits one page's layout for the command "Edit Print Zone", which stores GetLayout() on OK and
// nothing on Cancel. The page number is chosen from "1" to the number of pages (a change moves
// the page). The scale box shows "%1.2f" and is enabled only with "Choose Specific Scale...";
// leaving it brings a value below 0.1 up to 0.1 and one above 5.0 down to 5.0, and text that is
// no number back to the value it had; the value is then the one shown, to two decimals. The title
// block position radios run "No Title Block", "Right", "Bottom", "Left", "Top".
class CDlgEditPrintPageModel
{
public:
    static constexpr const char* Title = "Print Page Layout";
    static constexpr const char* PageNumberCaption = "Print Page Number";
    static constexpr const char* ScaleToFitCaption = "Scale To Fit Print Zone to Page";
    static constexpr const char* SpecificScaleCaption = "Choose Specific Scale...";
    static constexpr const char* CropCaption = "Crop To Print Zone";
    static constexpr const char* PortraitCaption = "Portrait";
    static constexpr const char* LandscapeCaption = "Landscape";
    static constexpr const char* PositionCaption = "Position";
    static constexpr const char* PageTitleCaption = "Page Title";
    static constexpr const char* IndicateScaleCaption = "Indicate scale on title block";

    struct CPositionChoice
    {
        const char* caption;
        TitleBlockPosition position;
    };
    static constexpr std::array<CPositionChoice, 5> PositionChoices{{
        {"No Title Block", TitleBlockPosition::None},
        {"Right", TitleBlockPosition::Right},
        {"Bottom", TitleBlockPosition::Bottom},
        {"Left", TitleBlockPosition::Left},
        {"Top", TitleBlockPosition::Top},
    }};

    explicit CDlgEditPrintPageModel(const CPrintPage& page);

    const std::vector<std::string>& GetPageNumberChoices() const { return m_pageNumbers; }
    int GetPageNumber() const { return m_layout.position; }
    // False (nothing changes) outside 1..count.
    bool SetPageNumber(int number);

    bool GetScaleToFit() const { return m_layout.scaleToFit; }
    void SetScaleToFit(bool scaleToFit) { m_layout.scaleToFit = scaleToFit; }
    bool IsScaleBoxEnabled() const { return !m_layout.scaleToFit; }
    const std::string& GetScaleText() const { return m_scaleText; }
    // What is typed; it counts once the box is left.
    void SetScaleText(std::string text) { m_scaleText = std::move(text); }
    void LeaveScaleBox();

    bool GetCropToPrintZone() const { return m_layout.cropToPrintZone; }
    void SetCropToPrintZone(bool crop) { m_layout.cropToPrintZone = crop; }
    bool IsLandscape() const { return m_layout.landscape; }
    void SetLandscape(bool landscape) { m_layout.landscape = landscape; }

    // The radio chosen, an index into PositionChoices.
    int GetPositionIndex() const;
    // False (nothing changes) for an index that names no radio.
    bool SetPositionIndex(int index);

    const std::string& GetPageTitle() const { return m_layout.pageTitle; }
    void SetPageTitle(std::string title) { m_layout.pageTitle = std::move(title); }
    bool GetIndicateScale() const { return m_layout.indicateScale; }
    void SetIndicateScale(bool indicate) { m_layout.indicateScale = indicate; }

    // OK: the scale box is left first, then this is what the command stores.
    CPrintPageLayout OnOK();

private:
    std::vector<std::string> m_pageNumbers;
    CPrintPageLayout m_layout;
    std::string m_scaleText;
};

// "%1.2f" in the "C" locale's digits, whatever locale the program runs in.
std::string FormatScale(double scale);
