// A column of a list view: its header, alignment and width.
#pragma once

#include <cstdint>

enum class ColumnAlignment
{
    Left,
    Centre,
    Right,
};

struct CListColumn
{
    const char* header;
    ColumnAlignment alignment;
    // In pixels; 0 hides the column until the user widens it again.
    std::int32_t width;
};

// What a list does with a view update: nothing but a repaint, a rebuild of its rows from the
// document, or letting go of every row before the document replaces its objects (hint 8).
enum class ListUpdate
{
    Repaint,
    Rebuild,
    Release,
};
