// The formatting of report nodes: eight groups of optional values, and how a node's own values
// are merged over what it inherits.
#pragma once

#include "reports/paper_size.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CReportDocument;

// 32-bit colour, red in the lowest byte, then green, then blue.
using ReportColor = std::uint32_t;

inline constexpr int TwipsPerInch = 1440;
// Inches as twips, truncated toward zero.
int InchesToTwips(double inches);

enum class ParagraphAlignment : int
{
    Left = 0,
    Right = 1,
    Centre = 2,
    Justify = 3,
};

enum class TabKind : int
{
    Left = 0,
    Right = 1,
    Centre = 2,
};

enum class TableAlignment : int
{
    Left = 0,
    Right = 1,
    Centre = 2,
};

enum class CellVerticalAlignment : int
{
    Top = 0,
    Bottom = 1,
    Centre = 2,
};

// Font families and pitches as a logical font's pitch-and-family byte holds them.
inline constexpr int FontFamilySwiss = 0x20;
inline constexpr int FontPitchVariable = 2;

// A font as the font table lists it: everything else of the logical font record is zero.
struct CReportFont
{
    std::string faceName;
    int pitchAndFamily = 0;
    friend bool operator==(const CReportFont&, const CReportFont&) = default;
};

// Character formatting. Setting the font or the colour registers it in the document's tables
// at once, so the tables written first already hold everything the body refers to.
class CReportDataProperties
{
public:
    explicit CReportDataProperties(CReportDocument* document = nullptr) : m_document(document) {}

    void SetFont(std::string faceName, int pitch, int family);
    void SetWeight(int weight) { m_weight = weight; }
    void SetBold(bool bold) { m_weight = bold ? 700 : 400; }
    void SetColor(ReportColor color);
    void SetSize(int points) { m_size = points; }
    void SetItalic(bool italic) { m_italic = italic; }
    void SetUnderline(bool underline) { m_underline = underline; }
    void SetStrikeThrough(bool strike) { m_strike = strike; }

    bool IsFontSet() const { return m_fontSet; }
    CReportFont GetFont() const { return {m_faceName, m_pitch | m_family}; }
    const std::optional<int>& GetWeight() const { return m_weight; }
    const std::optional<ReportColor>& GetColor() const { return m_color; }
    const std::optional<int>& GetSize() const { return m_size; }
    const std::optional<bool>& GetItalic() const { return m_italic; }
    const std::optional<bool>& GetUnderline() const { return m_underline; }
    const std::optional<bool>& GetStrikeThrough() const { return m_strike; }

    void Merge(const CReportDataProperties& node);

private:
    std::string m_faceName;
    int m_pitch = 0;
    int m_family = 0;
    bool m_fontSet = false;
    std::optional<int> m_weight;
    std::optional<ReportColor> m_color;
    std::optional<int> m_size;
    std::optional<bool> m_italic;
    std::optional<bool> m_underline;
    std::optional<bool> m_strike;
    CReportDocument* m_document;
};

struct CReportParagraphTab
{
    TabKind kind = TabKind::Left;
    int position = 0; // twips
};

// Paragraph formatting. A node's tab list replaces the inherited one as a whole when it is not
// empty.
class CReportParagraphProperties
{
public:
    void SetAlignment(ParagraphAlignment alignment) { m_alignment = alignment; }
    void AddTab(TabKind kind, int twips) { m_tabs.push_back({kind, twips}); }
    void AddTabInches(TabKind kind, double inches) { AddTab(kind, InchesToTwips(inches)); }

    const std::optional<ParagraphAlignment>& GetAlignment() const { return m_alignment; }
    const std::vector<CReportParagraphTab>& GetTabs() const { return m_tabs; }

    void Merge(const CReportParagraphProperties& node);

private:
    std::optional<ParagraphAlignment> m_alignment;
    std::vector<CReportParagraphTab> m_tabs;
};

class CReportSectionProperties
{
public:
    void SetLandscape(bool landscape) { m_landscape = landscape; }
    const std::optional<bool>& GetLandscape() const { return m_landscape; }
    // Only a landscape flag that is set and true turns the page.
    bool IsLandscape() const { return m_landscape.value_or(false); }

    void Merge(const CReportSectionProperties& node);

private:
    std::optional<bool> m_landscape;
};

// Paper and margins, and the page geometry they give. A paper size other than A4 and A3 (or
// none) has no page: width and height 0.
class CReportDocumentProperties
{
public:
    void SetPaperSize(PaperSize paperSize) { m_paperSize = paperSize; }
    void SetLeftMargin(double inches) { m_left = InchesToTwips(inches); }
    void SetRightMargin(double inches) { m_right = InchesToTwips(inches); }
    void SetTopMargin(double inches) { m_top = InchesToTwips(inches); }
    void SetBottomMargin(double inches) { m_bottom = InchesToTwips(inches); }

    const std::optional<PaperSize>& GetPaperSize() const { return m_paperSize; }
    const std::optional<int>& GetLeftMargin() const { return m_left; }
    const std::optional<int>& GetRightMargin() const { return m_right; }
    const std::optional<int>& GetTopMargin() const { return m_top; }
    const std::optional<int>& GetBottomMargin() const { return m_bottom; }

    int GetPageWidth() const;
    int GetPageHeight() const;
    int GetPrintableWidth() const;
    int GetPrintableHeight() const;

    void Merge(const CReportDocumentProperties& node);

private:
    std::optional<PaperSize> m_paperSize;
    std::optional<int> m_left;
    std::optional<int> m_right;
    std::optional<int> m_top;
    std::optional<int> m_bottom;
};

class CReportTableProperties
{
public:
    void SetAlignment(TableAlignment alignment) { m_alignment = alignment; }
    const std::optional<TableAlignment>& GetAlignment() const { return m_alignment; }

    void Merge(const CReportTableProperties& node);

private:
    std::optional<TableAlignment> m_alignment;
};

// Cell formatting. Border widths and the preferred width ignore values of 0 or less; the
// background colour registers in the document's colour table when set.
class CReportTableCellProperties
{
public:
    explicit CReportTableCellProperties(CReportDocument* document = nullptr) : m_document(document)
    {}

    void SetVerticalAlignment(CellVerticalAlignment alignment) { m_vertical = alignment; }
    void SetTopBorder(int width) { SetPositive(m_top, width); }
    void SetBottomBorder(int width) { SetPositive(m_bottom, width); }
    void SetLeftBorder(int width) { SetPositive(m_left, width); }
    void SetRightBorder(int width) { SetPositive(m_right, width); }
    void SetBackgroundColor(ReportColor color);
    void SetPreferredWidth(int twips) { SetPositive(m_width, twips); }

    const std::optional<CellVerticalAlignment>& GetVerticalAlignment() const { return m_vertical; }
    const std::optional<int>& GetTopBorder() const { return m_top; }
    const std::optional<int>& GetBottomBorder() const { return m_bottom; }
    const std::optional<int>& GetLeftBorder() const { return m_left; }
    const std::optional<int>& GetRightBorder() const { return m_right; }
    const std::optional<ReportColor>& GetBackgroundColor() const { return m_background; }
    const std::optional<int>& GetPreferredWidth() const { return m_width; }

    void Merge(const CReportTableCellProperties& node);

private:
    static void SetPositive(std::optional<int>& field, int value)
    {
        if (value > 0)
            field = value;
    }

    std::optional<CellVerticalAlignment> m_vertical;
    std::optional<int> m_top;
    std::optional<int> m_bottom;
    std::optional<int> m_left;
    std::optional<int> m_right;
    std::optional<ReportColor> m_background;
    std::optional<int> m_width;
    CReportDocument* m_document;
};

class CReportTableRowProperties
{
public:
    void SetHeader(bool header) { m_header = header; }
    const std::optional<bool>& GetHeader() const { return m_header; }

    void Merge(const CReportTableRowProperties& node);

private:
    std::optional<bool> m_header;
};

// How a picture is sized: a goal size (both, or one side with the other following), fitted to
// the page, or scaled by percentages. At most one of size-from-width and size-from-height is on.
class CReportDataEnhancedMetafileProperties
{
public:
    void SetGoalSize(int widthTwips, int heightTwips);
    void SetGoalWidth(int widthTwips);   // the height follows
    void SetGoalHeight(int heightTwips); // the width follows
    void SetFit(bool pageWidth, bool pageHeight);
    void SetScale(int xPercent, int yPercent);

    bool IsGoalSizeSet() const { return m_goalSizeSet; }
    int GetGoalWidth() const { return m_goalWidth; }
    int GetGoalHeight() const { return m_goalHeight; }
    bool IsSizeFromWidth() const { return m_sizeFromWidth; }
    bool IsSizeFromHeight() const { return m_sizeFromHeight; }
    bool IsFitSet() const { return m_fitSet; }
    bool IsFitPageWidth() const { return m_fitPageWidth; }
    bool IsFitPageHeight() const { return m_fitPageHeight; }
    bool IsScaleSet() const { return m_scaleSet; }
    int GetScaleX() const { return m_scaleX; }
    int GetScaleY() const { return m_scaleY; }

    void Merge(const CReportDataEnhancedMetafileProperties& node);

private:
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    bool m_sizeFromWidth = false;
    bool m_sizeFromHeight = false;
    bool m_goalSizeSet = false;
    bool m_fitPageWidth = false;
    bool m_fitPageHeight = false;
    bool m_fitSet = false;
    int m_scaleX = 100;
    int m_scaleY = 100;
    bool m_scaleSet = false;
};

// All formatting of one node. A writer hands each node a copy of what its parent ended with
// and merges the node's own values over it, group by group: only values the node sets win.
class CReportProperties
{
public:
    explicit CReportProperties(CReportDocument* owner = nullptr) : data(owner), cell(owner) {}

    void Merge(const CReportProperties& node);

    CReportDataProperties data;
    CReportParagraphProperties paragraph;
    CReportSectionProperties section;
    CReportDocumentProperties document;
    CReportTableProperties table;
    CReportTableCellProperties cell;
    CReportTableRowProperties row;
    CReportDataEnhancedMetafileProperties picture;
};

// Every node of a report tree: its own formatting and the document that registers its fonts
// and colours.
class CReportPropertiesOwner
{
public:
    explicit CReportPropertiesOwner(CReportDocument* document)
        : m_properties(document), m_document(document)
    {}
    CReportPropertiesOwner(const CReportPropertiesOwner&) = delete;
    CReportPropertiesOwner& operator=(const CReportPropertiesOwner&) = delete;
    virtual ~CReportPropertiesOwner() = default;

    CReportProperties& GetProperties() { return m_properties; }
    const CReportProperties& GetProperties() const { return m_properties; }
    CReportDocument* GetDocument() const { return m_document; }

private:
    CReportProperties m_properties;
    CReportDocument* m_document;
};
