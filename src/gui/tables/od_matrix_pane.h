// The OD matrix pane: the kind bar above the grid.
#pragma once

#include "document/document_view.h"
#include "tables/od_matrix_grid_data_provider.h"

#include <QWidget>

class CCarouselDoc;
class CGridTableModel;
class CODMatrixView;
class QButtonGroup;
class QLabel;

// "Desired Flows", "Actual Flows", "Difference" and "GEH" above the grid. The first three set the
// document's kind (the plan's table follows); GEH is the grid's own, and then the bar counts the
// movements whose GEH is below 5. The pane reads the document again at every update.
class CODMatrixPane : public QWidget, public CDocumentView
{
    Q_OBJECT
public:
    explicit CODMatrixPane(CCarouselDoc& document, QWidget* parent = nullptr);
    ~CODMatrixPane() override;

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return 0; }
    bool IsResizeable() const override { return false; }

    CODMatrixView& GetView() const { return *m_view; }
    CGridTableModel& GetModel() const { return *m_model; }
    CODMatrixGridDataProvider& GetProvider() { return m_provider; }
    // Presses a kind's button, as a click does.
    void ChooseKind(ODMatrixGridKind kind);

private:
    void ShowKind();

    CCarouselDoc& m_document;
    CODMatrixGridDataProvider m_provider;
    CGridTableModel* m_model;
    CODMatrixView* m_view;
    QButtonGroup* m_kinds;
    QLabel* m_gehSummary;
};
