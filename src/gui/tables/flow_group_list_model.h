// The flow groups as a Qt table model.
#pragma once

#include <QAbstractTableModel>

class CCarouselDoc;

// One row per flow group in number order: "Num", "Description", "Start", "End", "Duration".
// It keeps no pointer into the network: every row is read from the document when asked.
class CFlowGroupListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CFlowGroupListModel(CCarouselDoc& document, QObject* parent = nullptr);

    // Reads the groups again; hint 8 empties the list until the next update.
    void Update(int hint);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CCarouselDoc& m_document;
    int m_rows = 0;
};
