#include "printing/title_block.h"

#include "printing/page_layout.h"
#include "printing/page_print_plan.h"
#include "printing/print_page.h"

#include <array>
#include <charconv>

namespace
{

constexpr int TopBottomStripHeight = 200;
constexpr int LeftRightStripWidth = 600;
constexpr int CompanyTextHeight = 6; // mm

std::string General4(double value)
{
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 4);
    return std::string(digits, result.ptr);
}

CDrawingFrameRow& AddRow(CDrawingFrame& frame, bool cellsFromLeft = true)
{
    CDrawingFrameRow& row = frame.GetRows().AddRow();
    row.SetCellsFromLeft(cellsFromLeft);
    return row;
}

CDrawingFrameRow& AddFixedRow(CDrawingFrame& frame, int height, bool cellsFromLeft = true)
{
    CDrawingFrameRow& row = AddRow(frame, cellsFromLeft);
    row.SetFixedHeight(height);
    return row;
}

CDrawingFrameRow& AddShareRow(CDrawingFrame& frame, int percentage)
{
    CDrawingFrameRow& row = AddRow(frame);
    row.SetPercentage(percentage);
    return row;
}

CDrawingFrameCell& AddCell(CDrawingFrameRow& row, const char* caption, int percentage,
                           std::string value)
{
    CDrawingFrameCell& cell = row.GetCells().AddCell();
    cell.SetCaption(caption);
    cell.SetPercentage(percentage);
    cell.SetValue(std::move(value));
    return cell;
}

void BuildTopOrBottom(CDrawingFrame& frame, const CTitleBlockFacts& facts,
                      const std::string& pageTitle, const std::string& scale)
{
    CDrawingFrameRow& first = AddShareRow(frame, 50);
    AddCell(first, "Company", 40, facts.company).SetValueTextHeight(CompanyTextHeight);
    AddCell(first, "Author", 50, facts.author);
    AddCell(first, "FileName", 100, facts.documentTitle);
    CDrawingFrameRow& second = AddShareRow(frame, 100);
    AddCell(second, "Flowgroup", 20, facts.flowGroup);
    AddCell(second, "Drawing Title", 25, pageTitle);
    AddCell(second, "Project Title", 60, facts.projectTitle);
    AddCell(second, "Date", 50, TitleBlockDate(facts.date));
    AddCell(second, "Scale", 100, scale);
}

void BuildLeftOrRight(CDrawingFrame& frame, const CTitleBlockFacts& facts,
                      const std::string& pageTitle, const std::string& scale)
{
    AddCell(AddFixedRow(frame, 100), "FileName", 100, facts.documentTitle);
    AddCell(AddFixedRow(frame, 100), "Flowgroup", 100, facts.flowGroup);
    AddCell(AddFixedRow(frame, 200), "Drawing Title", 100, pageTitle);
    AddCell(AddFixedRow(frame, 200), "Project Title", 100, facts.projectTitle);
    CDrawingFrameRow& fifth = AddFixedRow(frame, 100, false);
    AddCell(fifth, "Scale", 25, scale);
    AddCell(fifth, "Date", 50, TitleBlockDate(facts.date));
    AddCell(fifth, "Author", 100, facts.author);
    AddCell(AddFixedRow(frame, 200), "Address", 100, facts.address);
    AddCell(AddFixedRow(frame, 400), "Company", 100, facts.company)
        .SetValueTextHeight(CompanyTextHeight);
}

} // namespace

std::string TitleBlockDate(std::chrono::year_month_day date)
{
    static constexpr std::array<const char*, 12> Months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const unsigned day = static_cast<unsigned>(date.day());
    const unsigned month = static_cast<unsigned>(date.month());
    std::string text;
    text += static_cast<char>('0' + day / 10 % 10);
    text += static_cast<char>('0' + day % 10);
    text += ' ';
    text += month >= 1 && month <= 12 ? Months[month - 1] : "???";
    text += ' ';
    text += std::to_string(static_cast<int>(date.year()));
    return text;
}

std::string ScaleText(double scale)
{
    if (scale < 1)
        return "1:" + General4(1 / scale);
    return General4(scale) + ":1";
}

std::string ScaleText(const CPrintPage& page, const CRect& drawingArea)
{
    if (!page.GetIndicateScaleOnTitleBlock())
        return "NTS";
    return ScaleText(PrintScale(page, drawingArea));
}

void SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps, const CTitleBlockFacts& facts)
{
    CDrawingFrame& frame = page.GetDrawingFrame();
    frame.SetRowsFromBottom(true);
    frame.SetTitleBlockPosition(page.GetTitleBlockPosition());
    frame.GetRows().Clear();
    const CRect frameRect = FrameRect(caps, frame.GetMinimumMargin());
    switch (page.GetTitleBlockPosition()) {
    case TitleBlockPosition::Top:
    case TitleBlockPosition::Bottom:
        frame.SetStripHeight(TopBottomStripHeight);
        frame.SetStripWidth(frameRect.Width());
        BuildTopOrBottom(frame, facts, page.GetPageTitle(),
                         ScaleText(page, DrawingArea(frame, frameRect)));
        break;
    case TitleBlockPosition::Left:
    case TitleBlockPosition::Right:
        frame.SetStripWidth(LeftRightStripWidth);
        frame.SetStripHeight(frameRect.Height());
        BuildLeftOrRight(frame, facts, page.GetPageTitle(),
                         ScaleText(page, DrawingArea(frame, frameRect)));
        break;
    case TitleBlockPosition::None:
        break;
    }
}
