// The "Edit Route" sheet: the route's flow and its coupled proportions.
#pragma once

#include "routing/route_commands.h"
#include "tables/route_dialog.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTableWidget;

// Two pages over the core's page models; OK is refused, with the model's message, while the
// flow is not a number the network file can hold, and a proportion outside 0..100 is refused
// in its cell, which is edited again.
class CRouteEditDialog : public QDialog
{
    Q_OBJECT
public:
    CRouteEditDialog(const CRoute& route, const CFlowGroup& group, int flowPrecision,
                     QWidget* parent = nullptr);

    // What OK hands to the document.
    CRouteFlowEdit GetEdit() const { return RouteFlowEditOf(m_flow, m_coupled); }
    QLineEdit* FlowEdit() const { return m_flowEdit; }
    QTableWidget* CoupledList() const { return m_list; }
    QCheckBox* ShareEquallyBox() const { return m_shareEqually; }

    void accept() override;

private:
    QWidget* NewFlowPage();
    QWidget* NewCoupledPage();
    void FillCoupledList();
    void TakeProportion(int row);
    void Refuse(const std::string& message);

    CRouteFlowPageModel m_flow;
    CRouteCoupledFlowPageModel m_coupled;
    QLineEdit* m_flowEdit = nullptr;
    QTableWidget* m_list = nullptr;
    QCheckBox* m_shareEqually = nullptr;
    bool m_filling = false;
};
