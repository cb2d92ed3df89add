// How the program's lists look in Qt's views: columns, headers and rows.
#pragma once

#include "tables/list_column.h"

#include <QVariant>

class QTableView;

Qt::Alignment AlignmentOf(ColumnAlignment alignment);
// A column's header text and alignment for a model's headerData; nothing for other roles.
QVariant ListHeaderData(const CListColumn& column, int role);
// Whole rows selected in the given way, nothing edited in place, one line per row and no row
// numbers.
void SetUpListView(QTableView& view, int selectionMode);
