// A grid data provider as a Qt table model.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>

class CGridDataProvider;

// Shows a provider's body cells (row and column 1 of the provider are the model's 0) with its
// headers, text and background colours, and hands committed edits to it. Refresh re-reads the
// provider through a model reset; each reset starts a new generation, and an edit opened in an
// earlier generation is never committed (its cell may belong to objects an undo replaced).
class CGridTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CGridTableModel(CGridDataProvider& provider, QObject* parent = nullptr);

    // Runs `update` on the provider between the reset's two halves.
    void Refresh(const std::function<void()>& update);
    std::uint64_t GetGeneration() const { return m_generation; }
    CGridDataProvider& GetProvider() const { return *m_provider; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // An edit of a cell opened in `generation`; false when it is stale or was not taken.
    bool Commit(std::uint64_t generation, const QModelIndex& index, const QString& text);

private:
    CGridDataProvider* m_provider;
    std::uint64_t m_generation = 0;
};
