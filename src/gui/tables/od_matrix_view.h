// The OD matrix grid of the traffic flows window.
#pragma once

#include "tables/grid_view.h"

class CODMatrixGridDataProvider;

// The grid over the OD matrix provider: Ctrl+V pastes desired flows at the current cell, and
// with no flow group the view says why it is empty.
class CODMatrixView : public CGridView
{
    Q_OBJECT
public:
    static constexpr const char* NoMatrixLine = "The OD Matrix cannot be shown as:";
    static constexpr const char* NoFlowGroupLine = "There are currently no Flow Groups defined.";

    CODMatrixView(CGridTableModel& model, CODMatrixGridDataProvider& provider,
                  QWidget* parent = nullptr);

protected:
    bool PasteAt(int row, int column, const std::string& text) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CODMatrixGridDataProvider* m_provider;
};
