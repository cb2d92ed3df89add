// The grid: sizes, the editor's keys and the clipboard.
#include "tables/grid_view.h"

#include "tables/grid_clipboard.h"
#include "tables/grid_data_provider.h"
#include "tables/grid_table_model.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <cmath>

std::optional<GridKey> GridKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Up:
        return GridKey::Up;
    case Qt::Key_Down:
        return GridKey::Down;
    case Qt::Key_Left:
        return GridKey::Left;
    case Qt::Key_Right:
        return GridKey::Right;
    case Qt::Key_Tab:
        return GridKey::Tab;
    case Qt::Key_Home:
        return GridKey::Home;
    case Qt::Key_End:
        return GridKey::End;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return GridKey::Enter;
    case Qt::Key_Escape:
        return GridKey::Escape;
    default:
        return std::nullopt;
    }
}

// The cell editor: a line edit that remembers the model generation it was opened in, and
// whose navigation keys go to the grid.
class CGridDelegate : public QStyledItemDelegate
{
public:
    explicit CGridDelegate(CGridView& grid) : QStyledItemDelegate(&grid), m_grid(&grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        editor->setProperty(GenerationProperty,
                            QVariant::fromValue(m_grid->GetGridModel().GetGeneration()));
        m_grid->m_editor = editor;
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        line->setText(index.data(Qt::EditRole).toString());
        line->selectAll();
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        // An unchanged text is no edit.
        if (!line->isModified())
            return;
        line->setModified(false);
        m_grid->GetGridModel().Commit(editor->property(GenerationProperty).value<std::uint64_t>(),
                                      index, line->text());
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (index == m_grid->currentIndex()) {
            painter->save();
            painter->setPen(QPen(Qt::red, 2));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste) && m_grid->selectionModel() &&
                QApplication::clipboard()->text().contains(QRegularExpression("[\t\r\n]"))) {
                m_grid->PasteClipboard();
                return true;
            }
            if (key->matches(QKeySequence::Copy) && m_grid->selectionModel() &&
                m_grid->selectionModel()->selectedIndexes().size() > 1) {
                m_grid->CopySelection();
                return true;
            }
            if (const auto gridKey = GridKeyOf(key->key(), key->modifiers())) {
                m_grid->Navigate(*gridKey);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    static constexpr const char* GenerationProperty = "gridGeneration";
    CGridView* m_grid;
};

CGridView::CGridView(CGridTableModel& model, QWidget* parent) : QTableView(parent), m_model(&model)
{
    setModel(&model);
    setItemDelegate(new CGridDelegate(*this));
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(true);
    verticalHeader()->setHighlightSections(true);
    connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, &CGridView::RememberCell);
    connect(&model, &QAbstractItemModel::modelReset, this, &CGridView::FollowReset);
    ApplySizes();
    FollowReset();
}

void CGridView::ApplySizes()
{
    const CGridDataProvider& provider = m_model->GetProvider();
    const int textHeight = fontMetrics().height();
    const int width = static_cast<int>(std::lround(textHeight * provider.GetColumnWidthFactor()));
    const int height = static_cast<int>(std::lround(textHeight * provider.GetRowHeightFactor()));
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(width);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
    verticalHeader()->setFixedWidth(width);
}

void CGridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ApplySizes();
}

QLineEdit* CGridView::GetEditor() const
{
    return state() == QAbstractItemView::EditingState ? qobject_cast<QLineEdit*>(m_editor.data())
                                                      : nullptr;
}

std::optional<CGridCell> CGridView::GetCurrentCell() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return CGridCell{index.row() + 1, index.column() + 1};
}

void CGridView::SetCurrentCell(CGridCell cell)
{
    const QModelIndex index = m_model->index(cell.row - 1, cell.column - 1);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    // The current cell may have been current already, its editor closed by a commit.
    if (state() != QAbstractItemView::EditingState && (index.flags() & Qt::ItemIsEditable))
        edit(index);
}

void CGridView::RememberCell()
{
    // Only a grid being worked in gets its cell back after a refresh: opening an editor takes
    // the focus, which must not jump here from another window.
    const QWidget* focus = QApplication::focusWidget();
    const bool working = focus && (focus == this || isAncestorOf(focus));
    m_cellBeforeReset = working ? GetCurrentCell() : std::nullopt;
}

void CGridView::FollowReset()
{
    // An empty grid leaves its whole area to whatever the view says instead.
    const bool empty = m_model->rowCount() == 0 || m_model->columnCount() == 0;
    horizontalHeader()->setVisible(!empty);
    verticalHeader()->setVisible(!empty);
    if (m_cellBeforeReset)
        SetCurrentCell(*m_cellBeforeReset);
    m_cellBeforeReset.reset();
}

void CGridView::Navigate(GridKey key)
{
    const std::optional<CGridCell> cell = GetCurrentCell();
    if (!cell)
        return;
    const CGridMove move = NavigateGrid(*cell, key, m_model->rowCount(), m_model->columnCount());
    const QModelIndex index = currentIndex();
    QWidget* editor = m_editor.data();
    const bool editing = state() == QAbstractItemView::EditingState && editor;
    if (editing && move.abandon) {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            itemDelegate()->setEditorData(line, index);
            line->setModified(false);
        }
        return;
    }
    if (editing && move.commit)
        commitData(editor);
    // The commit may have refreshed the model, closing that editor and perhaps opening another.
    if (state() == QAbstractItemView::EditingState && m_editor)
        closeEditor(m_editor.data(), QAbstractItemDelegate::NoHint);
    setFocus();
    clearSelection();
    SetCurrentCell(move.cell);
}

void CGridView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboard();
        return;
    }
    if (const auto key = GridKeyOf(event->key(), event->modifiers())) {
        Navigate(*key);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CGridView::focusNextPrevChild(bool next)
{
    // Tab moves within the grid (Shift+Tab leaves it).
    if (next && GetCurrentCell()) {
        Navigate(GridKey::Tab);
        return true;
    }
    return QTableView::focusNextPrevChild(next);
}

void CGridView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Copy"), QKeySequence::Copy, this, &CGridView::CopySelection)
        ->setEnabled(currentIndex().isValid());
    menu.addAction(tr("Copy Matrix"), this, &CGridView::CopyAll)
        ->setEnabled(m_model->rowCount() > 0);
    menu.addAction(tr("Paste"), QKeySequence::Paste, this, &CGridView::PasteClipboard)
        ->setEnabled(currentIndex().isValid() && !QApplication::clipboard()->text().isEmpty());
    menu.exec(event->globalPos());
}

void CGridView::CopySelection()
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    const QModelIndex current = currentIndex();
    if (selected.isEmpty() && !current.isValid())
        return;
    CGridCell first{current.row() + 1, current.column() + 1};
    CGridCell last = first;
    if (!selected.isEmpty()) {
        first = {selected.front().row() + 1, selected.front().column() + 1};
        last = first;
        for (const QModelIndex& index : selected) {
            first.row = std::min(first.row, index.row() + 1);
            first.column = std::min(first.column, index.column() + 1);
            last.row = std::max(last.row, index.row() + 1);
            last.column = std::max(last.column, index.column() + 1);
        }
    }
    QApplication::clipboard()->setText(
        QString::fromStdString(CopyGridBlock(m_model->GetProvider(), first, last)));
}

void CGridView::CopyAll()
{
    const std::string text = CopyWholeGrid(m_model->GetProvider());
    if (!text.empty())
        QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CGridView::PasteClipboard()
{
    const std::optional<CGridCell> cell = GetCurrentCell();
    const QString text = QApplication::clipboard()->text();
    if (!cell || text.isEmpty())
        return;
    PasteAt(cell->row, cell->column, text.toStdString());
}

bool CGridView::PasteAt(int, int, const std::string&)
{
    return false;
}
