// The frame of a printed sheet with its title block: rows of captioned cells in a strip.
#pragma once

#include "printing/drawing_frame_cell.h"
#include "printing/title_block_position.h"

#include <memory>
#include <vector>

class CDrawingFrameRows;

// A row takes either a fixed height or a percentage of the strip height still free (rows stack
// from the bottom of the strip or from its top, as the frame says); setting one chooses it.
// Its cells are laid out from the left or from the right.
class CDrawingFrameRow
{
public:
    static constexpr int DefaultPercentage = 50;

    CDrawingFrameRow(CDrawingFrameRows& owner, int position);
    virtual ~CDrawingFrameRow() = default;

    CDrawingFrameRows& GetOwner() const { return *m_owner; }
    int GetPosition() const { return m_position; }
    CDrawingFrameCells& GetCells() { return m_cells; }
    const CDrawingFrameCells& GetCells() const { return m_cells; }

    bool HasFixedHeight() const { return m_fixedHeight; }
    int GetHeight() const { return m_height; }
    void SetFixedHeight(int height);
    int GetPercentage() const { return m_percentage; }
    void SetPercentage(int percentage);
    bool GetCellsFromLeft() const { return m_cellsFromLeft; }
    void SetCellsFromLeft(bool fromLeft) { m_cellsFromLeft = fromLeft; }

private:
    CDrawingFrameRows* m_owner;
    CDrawingFrameCells m_cells;
    int m_position;
    bool m_fixedHeight = false;
    int m_height = 0;
    int m_percentage = DefaultPercentage;
    bool m_cellsFromLeft = true;
};

// The rows of a title block, numbered from 1 in the order they were added.
class CDrawingFrameRows
{
public:
    CDrawingFrameRows() = default;
    CDrawingFrameRows(const CDrawingFrameRows&) = delete;
    CDrawingFrameRows& operator=(const CDrawingFrameRows&) = delete;
    virtual ~CDrawingFrameRows() = default;

    CDrawingFrameRow& AddRow();
    int GetCount() const { return static_cast<int>(m_rows.size()); }
    // None when the position is out of range.
    CDrawingFrameRow* GetRow(int position) const;
    void Clear() { m_rows.clear(); }

private:
    std::vector<std::unique_ptr<CDrawingFrameRow>> m_rows;
};

// The frame drawn round a printed sheet and its title block. The strip width is used by a
// title block on the left or right, the strip height by one at the top or bottom (page units).
// The title block is rebuilt every time the page is printed, so none of it is stored.
class CDrawingFrame
{
public:
    static constexpr int DefaultMinimumMargin = 100; // 10 mm

    CDrawingFrame() = default;
    CDrawingFrame(const CDrawingFrame&) = delete;
    CDrawingFrame& operator=(const CDrawingFrame&) = delete;
    virtual ~CDrawingFrame() = default;

    TitleBlockPosition GetTitleBlockPosition() const { return m_titleBlockPosition; }
    void SetTitleBlockPosition(TitleBlockPosition position) { m_titleBlockPosition = position; }
    int GetStripWidth() const { return m_stripWidth; }
    void SetStripWidth(int width) { m_stripWidth = width; }
    int GetStripHeight() const { return m_stripHeight; }
    void SetStripHeight(int height) { m_stripHeight = height; }
    int GetMinimumMargin() const { return m_minimumMargin; }
    CDrawingFrameRows& GetRows() { return m_rows; }
    const CDrawingFrameRows& GetRows() const { return m_rows; }
    bool GetRowsFromBottom() const { return m_rowsFromBottom; }
    void SetRowsFromBottom(bool fromBottom) { m_rowsFromBottom = fromBottom; }

private:
    TitleBlockPosition m_titleBlockPosition = TitleBlockPosition::None;
    int m_stripWidth = 0;
    int m_stripHeight = 0;
    int m_minimumMargin = DefaultMinimumMargin;
    CDrawingFrameRows m_rows;
    bool m_rowsFromBottom = true;
};
