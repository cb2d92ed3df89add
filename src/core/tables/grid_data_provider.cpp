// The empty grid every table starts from.
#include "tables/grid_data_provider.h"

std::string CGridDataProvider::GetRowHeaderText(int) const
{
    return {};
}

std::string CGridDataProvider::GetColumnHeaderText(int) const
{
    return {};
}

std::string CGridDataProvider::GetCellText(int, int) const
{
    return {};
}

std::uint32_t CGridDataProvider::GetCellTextColour(int, int) const
{
    return GridBlack;
}

std::uint32_t CGridDataProvider::GetCellBackgroundColour(int, int) const
{
    return GridWhite;
}

bool CGridDataProvider::IsCellReadOnly(int, int) const
{
    return false;
}

bool CGridDataProvider::SetCellFromText(int, int, const std::string&)
{
    return false;
}

bool CGridDataProvider::IsBodyCell(int row, int column) const
{
    return row >= 1 && row <= GetRowCount() && column >= 1 && column <= GetColumnCount();
}
