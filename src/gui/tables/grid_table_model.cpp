// Grid cells for Qt's item views.
#include "tables/grid_table_model.h"

#include "platform/qt_colour.h"
#include "tables/grid_data_provider.h"

CGridTableModel::CGridTableModel(CGridDataProvider& provider, QObject* parent)
    : QAbstractTableModel(parent), m_provider(&provider)
{}

void CGridTableModel::Refresh(const std::function<void()>& update)
{
    beginResetModel();
    update();
    ++m_generation;
    endResetModel();
}

int CGridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_provider->GetRowCount();
}

int CGridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_provider->GetColumnCount();
}

QVariant CGridTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(m_provider->GetCellText(row, column));
    case Qt::ForegroundRole:
        return QColorOf(m_provider->GetCellTextColour(row, column));
    case Qt::BackgroundRole:
        return QColorOf(m_provider->GetCellBackgroundColour(row, column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

QVariant CGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool rows = orientation == Qt::Vertical;
    if (section < 0 || section >= (rows ? rowCount() : columnCount()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(rows ? m_provider->GetRowHeaderText(section + 1)
                                           : m_provider->GetColumnHeaderText(section + 1));
    case Qt::ForegroundRole:
        return QColorOf(m_provider->GetHeaderTextColour());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags CGridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_provider->IsCellReadOnly(index.row() + 1, index.column() + 1))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole)
        return false;
    return Commit(m_generation, index, value.toString());
}

bool CGridTableModel::Commit(std::uint64_t generation, const QModelIndex& index,
                             const QString& text)
{
    if (generation != m_generation || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        m_provider->IsCellReadOnly(index.row() + 1, index.column() + 1))
        return false;
    // The provider's document updates every view, this model's too: nothing to signal here.
    return m_provider->SetCellFromText(index.row() + 1, index.column() + 1, text.toStdString());
}
