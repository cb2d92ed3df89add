// One captioned cell of a title block row, and the ordered cells of a row.
#pragma once

#include "printing/drawing_frame_font.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDrawingFrameCells;

// A cell takes either a fixed width or a percentage of the width still free in its row (the row
// lays the cells out); setting one chooses it. Caption and value have their own fonts, heights
// 25 and 30 page units (2.5 mm and 3 mm).
class CDrawingFrameCell
{
public:
    static constexpr int DefaultPercentage = 50;
    static constexpr std::int32_t DefaultValueFontHeight = 30;
    static constexpr std::int32_t DefaultCaptionFontHeight = 25;

    CDrawingFrameCell(CDrawingFrameCells& owner, int position);
    virtual ~CDrawingFrameCell() = default;

    CDrawingFrameCells& GetOwner() const { return *m_owner; }
    int GetPosition() const { return m_position; }

    bool HasFixedWidth() const { return m_fixedWidth; }
    int GetWidth() const { return m_width; }
    void SetFixedWidth(int width);
    int GetPercentage() const { return m_percentage; }
    void SetPercentage(int percentage);

    const std::string& GetValue() const { return m_value; }
    void SetValue(std::string value) { m_value = std::move(value); }
    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }

    const CDrawingFrameFont& GetValueFont() const { return m_valueFont; }
    const CDrawingFrameFont& GetCaptionFont() const { return m_captionFont; }
    // The height in millimetres: 6 gives a 60-unit value font.
    void SetValueTextHeight(int millimetres) { m_valueFont.Height = millimetres * 10; }

private:
    CDrawingFrameCells* m_owner;
    int m_position;
    bool m_fixedWidth = false;
    int m_width = 0;
    int m_percentage = DefaultPercentage;
    std::string m_value;
    std::string m_caption;
    CDrawingFrameFont m_valueFont;
    CDrawingFrameFont m_captionFont;
};

// The cells of one row, numbered from 1 in the order they were added.
class CDrawingFrameCells
{
public:
    CDrawingFrameCells() = default;
    CDrawingFrameCells(const CDrawingFrameCells&) = delete;
    CDrawingFrameCells& operator=(const CDrawingFrameCells&) = delete;
    virtual ~CDrawingFrameCells() = default;

    CDrawingFrameCell& AddCell();
    int GetCount() const { return static_cast<int>(m_cells.size()); }
    // None when the position is out of range.
    CDrawingFrameCell* GetCell(int position) const;
    void Clear() { m_cells.clear(); }

private:
    std::vector<std::unique_ptr<CDrawingFrameCell>> m_cells;
};
