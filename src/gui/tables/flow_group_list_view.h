// The flow group list of the traffic flows window.
#pragma once

#include "document/document_view.h"

#include <QTableView>

class CCarouselDoc;
class CFlowGroupListModel;

// Clicking a group makes it current; a double click edits it; the context menu (from the mouse
// or the keyboard) adds, inserts, edits and deletes groups. Delete asks first.
class CFlowGroupListView : public QTableView, public CDocumentView
{
    Q_OBJECT
public:
    explicit CFlowGroupListView(CCarouselDoc& document, QWidget* parent = nullptr);
    ~CFlowGroupListView() override;

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return 0; }
    bool IsResizeable() const override { return false; }

    CFlowGroupListModel& GetModel() const { return *m_model; }

    void AddFlowGroup();
    void InsertFlowGroupAfter();
    void InsertFlowGroupBefore();
    void EditCurrentFlowGroup();
    void DeleteCurrentFlowGroup();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SelectCurrentGroup();

    CCarouselDoc& m_document;
    CFlowGroupListModel* m_model;
    bool m_syncing = false;
};
