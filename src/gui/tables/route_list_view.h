// The route list beside the network view.
#pragma once

#include "document/document_view.h"

#include <QTableView>
#include <cstdint>
#include <vector>

class CCarouselDoc;
class CRouteListModel;
struct ProgramSettings;

// The routes in the filter, one per row with grid lines and whole-row selection. Its column
// widths come from the program settings and go back there when the list is destroyed; a width
// of 0 hides a column, and the header's context menu shows it again. Selecting rows selects the
// routes in the document (the other views redraw them); a rebuild puts the document's selection
// back without echoing it. Delete deletes the selected routes; a double click edits the route.
class CRouteListView : public QTableView, public CDocumentView
{
    Q_OBJECT
public:
    // Qt draws column 0's check box inside the column: the view widens it by this much and
    // stores its width without it.
    static constexpr int CheckBoxAllowance = 12;
    // The width a column shown again gets when its default is hidden.
    static constexpr int FallbackColumnWidth = 50;

    CRouteListView(CCarouselDoc& document, ProgramSettings& program, QWidget* parent = nullptr);
    ~CRouteListView() override;

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return 0; }
    bool IsResizeable() const override { return false; }

    CRouteListModel& GetModel() const { return *m_model; }
    // The widths the settings get: 0 for a hidden column.
    std::vector<std::int32_t> GetColumnWidths() const;
    void ShowColumn(int column, bool shown);

    // "Edit Selected Route Flow..." and "Lock Route Flow" on the selection.
    void EditSelectedRoute();
    void LockSelectedRoute();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void SelectDocumentRoutes();
    void ShowHeaderMenu(const QPoint& position);

    CCarouselDoc& m_document;
    ProgramSettings& m_program;
    CRouteListModel* m_model;
    // Set while the view itself changes the selection.
    bool m_syncing = false;
};
