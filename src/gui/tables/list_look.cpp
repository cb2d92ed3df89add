// The look shared by the program's lists.
#include "tables/list_look.h"

#include <QHeaderView>
#include <QTableView>

Qt::Alignment AlignmentOf(ColumnAlignment alignment)
{
    switch (alignment) {
    case ColumnAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColumnAlignment::Centre:
        return Qt::AlignCenter;
    case ColumnAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant ListHeaderData(const CListColumn& column, int role)
{
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(column.header);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(column.alignment));
    return {};
}

void SetUpListView(QTableView& view, int selectionMode)
{
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(static_cast<QAbstractItemView::SelectionMode>(selectionMode));
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
}
