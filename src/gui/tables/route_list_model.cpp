// Route list rows for Qt's item views.
#include "tables/route_list_model.h"

#include "document/carousel_doc.h"
#include "model/network.h"
#include "model/route.h"
#include "tables/list_look.h"

#include <unordered_map>

CRouteListModel::CRouteListModel(CCarouselDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    Update(HintNetworkChanged);
}

void CRouteListModel::Update(int hint)
{
    switch (RouteListUpdateFor(hint)) {
    case ListUpdate::Release:
        beginResetModel();
        m_list.Clear();
        endResetModel();
        break;
    case ListUpdate::Rebuild: {
        beginResetModel();
        const CNetwork& network = m_document.GetNetwork();
        m_list.Rebuild(network, m_document.IsEditPermittedRoutes(), network.GetCurrentFlowGroup());
        endResetModel();
        break;
    }
    case ListUpdate::Repaint:
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        break;
    }
}

void CRouteListModel::ClickHeader(int column)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> ids;
    ids.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        ids.push_back(GetRouteId(index.row()));

    const CNetwork& network = m_document.GetNetwork();
    m_list.ClickHeader(column, network, network.GetCurrentFlowGroup());

    std::unordered_map<std::uint32_t, int> rows;
    for (std::size_t row = 0; row < m_list.GetRouteIds().size(); ++row)
        rows[m_list.GetRouteIds()[row]] = static_cast<int>(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rows.at(ids[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::uint32_t CRouteListModel::GetRouteId(int row) const
{
    const auto& ids = m_list.GetRouteIds();
    return row >= 0 && static_cast<std::size_t>(row) < ids.size()
               ? ids[static_cast<std::size_t>(row)]
               : 0;
}

int CRouteListModel::FindRow(std::uint32_t routeId) const
{
    const auto& ids = m_list.GetRouteIds();
    const auto found = std::find(ids.begin(), ids.end(), routeId);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

CRoute* CRouteListModel::RouteAt(int row) const
{
    const std::uint32_t id = GetRouteId(row);
    return id ? m_document.GetNetwork().GetRoutes().GetRouteById(id) : nullptr;
}

int CRouteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.GetRouteIds().size());
}

int CRouteListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RouteListColumnCount;
}

QVariant CRouteListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CRoute* route = RouteAt(index.row());
    if (!route)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(
            RouteListCellText(*route, index.column(), m_document.GetNetwork().GetCurrentFlowGroup(),
                              m_document.GetProgramSettings().CurRouteFlowPrecision));
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return route->IsPermitted() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            AlignmentOf(RouteListColumns()[static_cast<std::size_t>(index.column())].alignment));
    default:
        return {};
    }
}

QVariant CRouteListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= RouteListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListHeaderData(RouteListColumns()[static_cast<std::size_t>(section)], role);
}

Qt::ItemFlags CRouteListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CRouteListModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.column() != 0)
        return false;
    CRoute* route = RouteAt(index.row());
    if (!route)
        return false;
    const std::optional<bool> permitted =
        PermittedAfterStateImageClick(*route, m_document.IsEditPermittedRoutes());
    // The document's update rebuilds the rows.
    return permitted && m_document.SetRoutePermitted(*route, *permitted);
}
