// A small spreadsheet over a grid data provider.
#pragma once

#include "tables/grid_navigation.h"

#include <QPointer>
#include <QTableView>
#include <optional>
#include <string>

class CGridTableModel;
class QLineEdit;

// Every column, the header column too, is as wide as the provider asks (in text heights), every
// row as high. The current cell always carries its editor when it can be edited; the editor's
// arrow keys commit and move even in the middle of the text, stopping at the edges, Tab wraps to
// the next row and from the last row to the first, Home and End go to the ends of the row,
// Enter commits and Escape puts the cell's text back. Each move selects the editor's whole text.
// Ctrl+C copies the selected block as tab-separated text; Ctrl+V hands the clipboard's text to
// PasteAt at the current cell.
class CGridView : public QTableView
{
    Q_OBJECT
public:
    explicit CGridView(CGridTableModel& model, QWidget* parent = nullptr);

    CGridTableModel& GetGridModel() const { return *m_model; }
    // What a key does at the current cell, from the editor or from the view.
    void Navigate(GridKey key);
    // The current cell in the provider's numbers, none while the grid has no cells.
    std::optional<CGridCell> GetCurrentCell() const;
    void SetCurrentCell(CGridCell cell);
    // The open cell editor, none while no cell is being edited.
    QLineEdit* GetEditor() const;

    void CopySelection();
    void CopyAll();
    void PasteClipboard();

protected:
    // Takes a block of text at a body cell; the base grid takes none.
    virtual bool PasteAt(int row, int column, const std::string& text);
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class CGridDelegate;
    void ApplySizes();
    void RememberCell();
    // After a refresh: headers only over cells, and the cell being worked in back.
    void FollowReset();

    CGridTableModel* m_model;
    // The editor last opened; the view deletes it when it closes.
    QPointer<QWidget> m_editor;
    std::optional<CGridCell> m_cellBeforeReset;
};

// The grid's key for a key press, none for keys the grid leaves to the editor.
std::optional<GridKey> GridKeyOf(int key, Qt::KeyboardModifiers modifiers);
