// What a grid shows: the interface behind every table of the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Colours are 0x00BBGGRR, as everywhere in the program.
inline constexpr std::uint32_t GridBlack = 0x000000;
inline constexpr std::uint32_t GridWhite = 0xFFFFFF;
inline constexpr std::uint32_t GridRed = 0x0000FF;

// The content, look and editability of a grid, cell by cell. Rows and columns count from 1;
// row 0 and column 0 are the headers. The base is an empty grid of black text on white whose
// cells take any text and keep none of it; a table overrides what it shows.
class CGridDataProvider
{
public:
    virtual ~CGridDataProvider() = default;

    virtual int GetRowCount() const { return 0; }
    virtual int GetColumnCount() const { return 0; }
    virtual std::string GetRowHeaderText(int row) const;
    virtual std::string GetColumnHeaderText(int column) const;
    virtual std::string GetCellText(int row, int column) const;
    virtual std::uint32_t GetCellTextColour(int row, int column) const;
    virtual std::uint32_t GetCellBackgroundColour(int row, int column) const;
    virtual bool IsCellReadOnly(int row, int column) const;
    // Takes a committed edit; false when nothing was taken (the cell keeps what it shows).
    virtual bool SetCellFromText(int row, int column, const std::string& text);
    // The undo name of an edit.
    virtual std::string GetEditName() const { return "Grid Action"; }

    // Sizes in text heights of the provider's font.
    virtual double GetRowHeightFactor() const { return 1.2; }
    virtual double GetColumnWidthFactor() const { return 5.0; }

    virtual std::uint32_t GetCurrentCellMarkerColour() const { return GridRed; }
    virtual std::uint32_t GetHeaderTextColour() const { return GridBlack; }
    virtual std::uint32_t GetHeaderBackgroundColour() const { return GridWhite; }

    // True for a body cell (1..rows, 1..columns).
    bool IsBodyCell(int row, int column) const;
};
