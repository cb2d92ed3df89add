// The route list: widths, sorting, selection and its commands.
#include "tables/route_list_view.h"

#include "document/carousel_doc.h"
#include "settings/program_settings.h"
#include "model/network.h"
#include "model/route.h"
#include "tables/list_look.h"
#include "tables/route_dialog.h"
#include "tables/route_edit_dialog.h"
#include "tables/route_list_model.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <set>

CRouteListView::CRouteListView(CCarouselDoc& document, ProgramSettings& program, QWidget* parent)
    : QTableView(parent), m_document(document), m_program(program)
{
    setObjectName("Route List");
    m_model = new CRouteListModel(document, this);
    setModel(m_model);
    SetUpListView(*this, QAbstractItemView::ExtendedSelection);

    QHeaderView* header = horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this,
            &CRouteListView::ShowHeaderMenu);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->ClickHeader(column);
        const CRouteListSort sort = m_model->GetSort();
        horizontalHeader()->setSortIndicatorShown(true);
        horizontalHeader()->setSortIndicator(sort.column, sort.descending ? Qt::DescendingOrder
                                                                          : Qt::AscendingOrder);
    });
    for (int column = 0; column < RouteListColumnCount; ++column) {
        const std::int32_t width =
            m_program.RouteListColumnWidths[static_cast<std::size_t>(column)];
        if (width <= 0)
            setColumnHidden(column, true);
        else
            setColumnWidth(column, width + (column == 0 ? CheckBoxAllowance : 0));
    }

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CRouteListView::OnSelectionChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { EditSelectedRoute(); });

    m_document.AddView(this);
    SelectDocumentRoutes();
}

CRouteListView::~CRouteListView()
{
    m_document.RemoveView(this);
    const std::vector<std::int32_t> widths = GetColumnWidths();
    std::copy(widths.begin(), widths.end(), m_program.RouteListColumnWidths.begin());
}

std::vector<std::int32_t> CRouteListView::GetColumnWidths() const
{
    std::vector<std::int32_t> widths;
    for (int column = 0; column < RouteListColumnCount; ++column) {
        int width = isColumnHidden(column) ? 0 : columnWidth(column);
        if (column == 0 && width > 0)
            width = std::max(0, width - CheckBoxAllowance);
        widths.push_back(width);
    }
    return widths;
}

void CRouteListView::ShowColumn(int column, bool shown)
{
    if (!shown) {
        setColumnHidden(column, true);
        return;
    }
    if (!isColumnHidden(column) && columnWidth(column) > 0)
        return;
    setColumnHidden(column, false);
    // A column hidden by default has no width of its own to come back to.
    const std::int32_t width = RouteListColumns()[static_cast<std::size_t>(column)].width;
    setColumnWidth(column, (width > 0 ? width : FallbackColumnWidth) +
                               (column == 0 ? CheckBoxAllowance : 0));
}

void CRouteListView::ShowHeaderMenu(const QPoint& position)
{
    QMenu menu(this);
    for (int column = 0; column < RouteListColumnCount; ++column) {
        QAction* action =
            menu.addAction(m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(!isColumnHidden(column) && columnWidth(column) > 0);
        connect(action, &QAction::toggled, this,
                [this, column](bool shown) { ShowColumn(column, shown); });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

void CRouteListView::OnUpdate(int hint)
{
    m_syncing = true;
    m_model->Update(hint);
    if (RouteListUpdateFor(hint) == ListUpdate::Rebuild)
        SelectDocumentRoutes();
    m_syncing = false;
}

void CRouteListView::SelectDocumentRoutes()
{
    const bool wasSyncing = m_syncing;
    m_syncing = true;
    QItemSelection selection;
    for (const std::uint32_t id : m_document.GetSelectedRoutes())
        if (const int row = m_model->FindRow(id); row >= 0)
            selection.select(m_model->index(row, 0), m_model->index(row, RouteListColumnCount - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = wasSyncing;
}

void CRouteListView::OnSelectionChanged(const QItemSelection& selected,
                                        const QItemSelection& deselected)
{
    if (m_syncing)
        return;
    const auto ids = [this](const QItemSelection& rows) {
        std::set<std::uint32_t> chosen;
        for (const QModelIndex& index : rows.indexes())
            chosen.insert(m_model->GetRouteId(index.row()));
        chosen.erase(0);
        return std::vector<std::uint32_t>(chosen.begin(), chosen.end());
    };
    const std::vector<std::uint32_t> gone = ids(deselected);
    const std::vector<std::uint32_t> come = ids(selected);
    if (!gone.empty())
        m_document.SetRoutesSelected(gone, false, this);
    if (!come.empty())
        m_document.SetRoutesSelected(come, true, this);
}

void CRouteListView::EditSelectedRoute()
{
    const QModelIndex current = currentIndex();
    const std::uint32_t id = current.isValid() ? m_model->GetRouteId(current.row()) : 0;
    CRoute* route = id ? m_document.GetNetwork().GetRoutes().GetRouteById(id) : nullptr;
    if (!route)
        return;
    const CValidationResult allowed = CanEditRoute(m_document.GetNetwork());
    if (!allowed) {
        if (CPrompt* prompt = m_document.GetPrompt())
            prompt->ShowMessage(allowed.message);
        return;
    }
    CRouteEditDialog dialog(*route, *m_document.GetNetwork().GetCurrentFlowGroup(),
                            m_document.GetProgramSettings().CurRouteFlowPrecision, this);
    if (dialog.exec() == QDialog::Accepted)
        m_document.EditRoute(*route, dialog.GetEdit());
}

void CRouteListView::LockSelectedRoute()
{
    m_document.ToggleSelectedRouteLock();
}

void CRouteListView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Delete) && event->modifiers() == Qt::NoModifier) {
        m_document.DeleteSelectedRoutes();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CRouteListView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        if (index.isValid() && !selectionModel()->isRowSelected(index.row(), {}))
            setCurrentIndex(index);
    }
    QMenu menu(this);
    menu.addAction(tr("Edit Selected Route Flow..."), this, &CRouteListView::EditSelectedRoute)
        ->setEnabled(currentIndex().isValid());
    QAction* lock = menu.addAction(tr("Lock Route Flow"), this, &CRouteListView::LockSelectedRoute);
    lock->setCheckable(true);
    const std::size_t selected = m_document.GetSelectedRoutes().size();
    lock->setEnabled(IsLockRouteFlowEnabled(selected));
    if (const CRoute* route = m_document.GetSoleSelectedRoute())
        lock->setChecked(
            IsLockRouteFlowChecked(*route, m_document.GetNetwork().GetCurrentFlowGroup()));
    menu.exec(event->globalPos());
}
