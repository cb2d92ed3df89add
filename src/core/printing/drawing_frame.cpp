// Title block rows and cells.
#include "printing/drawing_frame.h"

CDrawingFrameCell::CDrawingFrameCell(CDrawingFrameCells& owner, int position)
    : m_owner(&owner), m_position(position)
{
    m_valueFont.Height = DefaultValueFontHeight;
    m_captionFont.Height = DefaultCaptionFontHeight;
}

void CDrawingFrameCell::SetFixedWidth(int width)
{
    m_fixedWidth = true;
    m_width = width;
}

void CDrawingFrameCell::SetPercentage(int percentage)
{
    m_fixedWidth = false;
    m_percentage = percentage;
}

CDrawingFrameCell& CDrawingFrameCells::AddCell()
{
    m_cells.push_back(std::make_unique<CDrawingFrameCell>(*this, GetCount() + 1));
    return *m_cells.back();
}

CDrawingFrameCell* CDrawingFrameCells::GetCell(int position) const
{
    if (position < 1 || position > GetCount())
        return nullptr;
    return m_cells[static_cast<std::size_t>(position - 1)].get();
}

CDrawingFrameRow::CDrawingFrameRow(CDrawingFrameRows& owner, int position)
    : m_owner(&owner), m_position(position)
{}

void CDrawingFrameRow::SetFixedHeight(int height)
{
    m_fixedHeight = true;
    m_height = height;
}

void CDrawingFrameRow::SetPercentage(int percentage)
{
    m_fixedHeight = false;
    m_percentage = percentage;
}

CDrawingFrameRow& CDrawingFrameRows::AddRow()
{
    m_rows.push_back(std::make_unique<CDrawingFrameRow>(*this, GetCount() + 1));
    return *m_rows.back();
}

CDrawingFrameRow* CDrawingFrameRows::GetRow(int position) const
{
    if (position < 1 || position > GetCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(position - 1)].get();
}

std::optional<TitleBlockPosition> TitleBlockPositionFromInt(int value)
{
    if (value < static_cast<int>(TitleBlockPosition::None) ||
        value > static_cast<int>(TitleBlockPosition::Bottom))
        return std::nullopt;
    return static_cast<TitleBlockPosition>(value);
}
