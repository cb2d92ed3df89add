// The "Edit Route" sheet.
#include "tables/route_edit_dialog.h"

#include "editing/edit_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CRouteEditDialog::CRouteEditDialog(const CRoute& route, const CFlowGroup& group, int flowPrecision,
                                   QWidget* parent)
    : QDialog(parent), m_flow(route, group, flowPrecision), m_coupled(route, group, flowPrecision)
{
    setWindowTitle(tr(CRouteFlowPageModel::SheetTitle));
    auto* pages = new QTabWidget;
    pages->addTab(NewFlowPage(), tr("Route Flow"));
    pages->addTab(NewCoupledPage(), tr(CRouteCoupledFlowPageModel::Title));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
}

QWidget* CRouteEditDialog::NewFlowPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(tr("Route"), new QLabel(Q(m_flow.GetRouteText())));
    const auto place = [](const std::string& zone, const std::string& arm,
                          const std::string& lane) {
        return new QLabel(Q(zone) + "   " + Q(arm) + "   " + Q(lane));
    };
    form->addRow(
        tr("Origin (zone, arm, lane)"),
        place(m_flow.GetOriginZoneText(), m_flow.GetOriginArmText(), m_flow.GetOriginLaneText()));
    form->addRow(tr("Destination (zone, arm, lane)"),
                 place(m_flow.GetDestinationZoneText(), m_flow.GetDestinationArmText(),
                       m_flow.GetDestinationLaneText()));
    m_flowEdit = new QLineEdit(Q(m_flow.GetFlowText()));
    connect(m_flowEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_flow.SetFlowText(text.toStdString()); });
    form->addRow(tr(CRouteFlowPageModel::FlowCaption), m_flowEdit);
    auto* showAll = new QCheckBox(tr(CRouteFlowPageModel::ShowAllBox));
    connect(showAll, &QCheckBox::toggled, this, [this](bool all) {
        m_flow.SetShowAllDecimals(all);
        m_flowEdit->setText(Q(m_flow.GetFlowText()));
    });
    form->addRow(QString(), showAll);
    auto* lock = new QCheckBox(tr(CRouteFlowPageModel::LockBox));
    lock->setChecked(m_flow.IsLocked());
    connect(lock, &QCheckBox::toggled, this, [this](bool locked) { m_flow.SetLocked(locked); });
    form->addRow(QString(), lock);
    return page;
}

QWidget* CRouteEditDialog::NewCoupledPage()
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(tr(CRouteCoupledFlowPageModel::Frame));
    auto* inside = new QVBoxLayout(frame);
    m_shareEqually = new QCheckBox(tr(CRouteCoupledFlowPageModel::ShareEquallyBox));
    m_shareEqually->setChecked(m_coupled.IsShareEqually());
    connect(m_shareEqually, &QCheckBox::toggled, this, [this](bool equally) {
        m_coupled.SetShareEqually(equally);
        FillCoupledList();
    });
    inside->addWidget(m_shareEqually);
    m_list = new QTableWidget(0, 3);
    m_list->setHorizontalHeaderLabels(
        {tr(CRouteCoupledFlowPageModel::ProportionHeader), tr("Route"), tr("Flow")});
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    connect(m_list, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 0)
            TakeProportion(item->row());
    });
    inside->addWidget(m_list);
    auto* sum = new QLabel(tr(CRouteCoupledFlowPageModel::SumNote));
    sum->setWordWrap(true);
    auto* flow = new QLabel(tr(CRouteCoupledFlowPageModel::FlowNote));
    flow->setWordWrap(true);
    inside->addWidget(sum);
    inside->addWidget(flow);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    FillCoupledList();
    return page;
}

void CRouteEditDialog::FillCoupledList()
{
    m_filling = true;
    const auto& rows = m_coupled.GetRows();
    m_list->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int r = static_cast<int>(row);
        auto* proportion = new QTableWidgetItem(Q(m_coupled.GetProportionText(row)));
        if (m_coupled.IsShareEqually())
            proportion->setFlags(proportion->flags() & ~Qt::ItemIsEditable);
        m_list->setItem(r, 0, proportion);
        for (const auto& [column, text] : {std::pair{1, m_coupled.GetRouteText(row)},
                                           std::pair{2, m_coupled.GetFlowText(row)}}) {
            auto* item = new QTableWidgetItem(Q(text));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_list->setItem(r, column, item);
        }
    }
    m_filling = false;
}

void CRouteEditDialog::TakeProportion(int row)
{
    QTableWidgetItem* item = m_list->item(row, 0);
    const CValidationResult taken =
        m_coupled.SetProportionText(static_cast<std::size_t>(row), item->text().toStdString());
    if (taken) {
        m_filling = true;
        item->setText(Q(m_coupled.GetProportionText(static_cast<std::size_t>(row))));
        m_filling = false;
        return;
    }
    Refuse(taken.message);
    // The cell is edited again once the message is gone.
    QTimer::singleShot(0, this, [this, row] {
        if (QTableWidgetItem* again = m_list->item(row, 0))
            m_list->editItem(again);
    });
}

void CRouteEditDialog::accept()
{
    if (const CValidationResult valid = m_flow.Validate(); !valid) {
        Refuse(valid.message);
        m_flowEdit->setFocus();
        m_flowEdit->selectAll();
        return;
    }
    QDialog::accept();
}

void CRouteEditDialog::Refuse(const std::string& message)
{
    CEditDialog::ShowRefusal(*this, Q(message));
}
