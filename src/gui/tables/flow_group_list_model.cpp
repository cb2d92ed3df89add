// Flow group rows for Qt's item views.
#include "tables/flow_group_list_model.h"

#include "document/carousel_doc.h"
#include "model/network.h"
#include "model/flow_group.h"
#include "tables/flow_group_list.h"
#include "tables/list_look.h"

CFlowGroupListModel::CFlowGroupListModel(CCarouselDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    Update(HintNetworkChanged);
}

void CFlowGroupListModel::Update(int hint)
{
    beginResetModel();
    m_rows = hint == HintObjectsReplaced
                 ? 0
                 : static_cast<int>(m_document.GetNetwork().GetFlowGroups().GetCount());
    endResetModel();
}

int CFlowGroupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CFlowGroupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FlowGroupListColumnCount;
}

QVariant CFlowGroupListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(
            FlowGroupListColumns()[static_cast<std::size_t>(index.column())].alignment));
    if (role != Qt::DisplayRole)
        return {};
    const CFlowGroup* group = m_document.GetNetwork().GetFlowGroups().GetFlowGroup(
        static_cast<std::uint32_t>(index.row() + 1));
    if (!group)
        return {};
    return QString::fromStdString(
        FlowGroupListRow(*group)[static_cast<std::size_t>(index.column())]);
}

QVariant CFlowGroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= FlowGroupListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListHeaderData(FlowGroupListColumns()[static_cast<std::size_t>(section)], role);
}
