// The route list's rows as a Qt table model.
#pragma once

#include "tables/route_list.h"

#include <QAbstractTableModel>
#include <cstdint>

class CCarouselDoc;
class CRoute;

// One row per listed route, the nine columns of the route list; column 0 carries the route's
// permitted flag as its check state, which a click flips while permitted routes are edited.
// The model keeps route ids, never route pointers, so an undo cannot leave it dangling.
class CRouteListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CRouteListModel(CCarouselDoc& document, QObject* parent = nullptr);

    // Rebuilds, repaints or empties the rows as the hint asks.
    void Update(int hint);
    // Sorts by a column, or the other way round when it is sorted by it already.
    void ClickHeader(int column);
    CRouteListSort GetSort() const { return m_list.GetSort(); }
    std::uint32_t GetRouteId(int row) const;
    // The row of a route, -1 when it is not listed.
    int FindRow(std::uint32_t routeId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    CRoute* RouteAt(int row) const;

    CCarouselDoc& m_document;
    CRouteList m_list;
};
