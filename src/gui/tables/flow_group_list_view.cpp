// The flow group list and its menu.
#include "tables/flow_group_list_view.h"

#include "document/carousel_doc.h"
#include "model/network.h"
#include "model/flow_group.h"
#include "routing/flow_group_commands.h"
#include "tables/flow_group_dialog.h"
#include "tables/flow_group_edit_dialog.h"
#include "tables/flow_group_list.h"
#include "tables/flow_group_list_model.h"
#include "tables/list_look.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

CFlowGroupListView::CFlowGroupListView(CCarouselDoc& document, QWidget* parent)
    : QTableView(parent), m_document(document)
{
    setObjectName("Flow Group List");
    m_model = new CFlowGroupListModel(document, this);
    setModel(m_model);
    SetUpListView(*this, QAbstractItemView::SingleSelection);
    for (int column = 0; column < FlowGroupListColumnCount; ++column)
        setColumnWidth(column, FlowGroupListColumns()[static_cast<std::size_t>(column)].width);
    horizontalHeader()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncing && current.isValid())
                    m_document.ChooseCurrentFlowGroup(static_cast<std::uint32_t>(current.row() + 1),
                                                      this);
            });
    connect(this, &QAbstractItemView::doubleClicked, this,
            &CFlowGroupListView::EditCurrentFlowGroup);

    m_document.AddView(this);
    SelectCurrentGroup();
}

CFlowGroupListView::~CFlowGroupListView()
{
    m_document.RemoveView(this);
}

void CFlowGroupListView::OnUpdate(int hint)
{
    m_syncing = true;
    m_model->Update(hint);
    m_syncing = false;
    if (hint != HintObjectsReplaced)
        SelectCurrentGroup();
}

void CFlowGroupListView::SelectCurrentGroup()
{
    m_syncing = true;
    if (const CFlowGroup* group = m_document.GetNetwork().GetCurrentFlowGroup())
        setCurrentIndex(m_model->index(static_cast<int>(group->GetNumber()) - 1, 0));
    else
        selectionModel()->clear();
    m_syncing = false;
}

void CFlowGroupListView::AddFlowGroup()
{
    if (m_document.AddFlowGroup(FlowGroupAddPosition::Append, nullptr))
        EditCurrentFlowGroup();
}

void CFlowGroupListView::InsertFlowGroupAfter()
{
    m_document.AddFlowGroup(FlowGroupAddPosition::AfterSelected,
                            m_document.GetNetwork().GetCurrentFlowGroup());
}

void CFlowGroupListView::InsertFlowGroupBefore()
{
    m_document.AddFlowGroup(FlowGroupAddPosition::BeforeSelected,
                            m_document.GetNetwork().GetCurrentFlowGroup());
}

void CFlowGroupListView::EditCurrentFlowGroup()
{
    CFlowGroup* group = m_document.GetNetwork().GetCurrentFlowGroup();
    if (!group)
        return;
    CDlgEditFlowGroupModel model(*group);
    CFlowGroupEditDialog dialog(model, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog was modal: the group is still the current one.
    m_document.EditFlowGroup(*group, model.GetNumber(), model.GetDescription(), model.GetStart(),
                             model.GetEnd());
}

void CFlowGroupListView::DeleteCurrentFlowGroup()
{
    if (CFlowGroup* group = m_document.GetNetwork().GetCurrentFlowGroup())
        m_document.DeleteFlowGroup(*group);
}

void CFlowGroupListView::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint position = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (const QModelIndex index = indexAt(event->pos()); index.isValid())
            setCurrentIndex(index);
    } else if (currentIndex().isValid()) {
        position = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    }
    const bool hasCurrent = m_document.GetNetwork().GetCurrentFlowGroup() != nullptr;
    const std::vector<CMenuEntry> entries = FlowGroupListMenu(hasCurrent);
    void (CFlowGroupListView::*const commands[])() = {
        &CFlowGroupListView::AddFlowGroup,           &CFlowGroupListView::InsertFlowGroupAfter,
        &CFlowGroupListView::InsertFlowGroupBefore,  &CFlowGroupListView::EditCurrentFlowGroup,
        &CFlowGroupListView::DeleteCurrentFlowGroup,
    };
    QMenu menu(this);
    for (std::size_t i = 0; i < entries.size() && i < std::size(commands); ++i)
        menu.addAction(tr(entries[i].text), this, commands[i])->setEnabled(entries[i].enabled);
    menu.exec(position);
}
