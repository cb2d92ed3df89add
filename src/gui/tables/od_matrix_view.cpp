// The OD matrix grid: pasting and the empty grid's message.
#include "tables/od_matrix_view.h"

#include "tables/grid_table_model.h"
#include "tables/od_matrix_grid_data_provider.h"

#include <QPainter>

CODMatrixView::CODMatrixView(CGridTableModel& model, CODMatrixGridDataProvider& provider,
                             QWidget* parent)
    : CGridView(model, parent), m_provider(&provider)
{}

bool CODMatrixView::PasteAt(int row, int column, const std::string& text)
{
    return m_provider->Paste(row, column, text);
}

void CODMatrixView::paintEvent(QPaintEvent* event)
{
    CGridView::paintEvent(event);
    if (model()->rowCount() > 0 || m_provider->GetTable().HasFlowGroup())
        return;
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    const int lineHeight = painter.fontMetrics().height();
    const int centre = area.center().y();
    painter.drawText(
        QRect(area.left(), centre - lineHeight - lineHeight / 2, area.width(), lineHeight),
        Qt::AlignHCenter | Qt::AlignVCenter, tr(NoMatrixLine));
    painter.drawText(QRect(area.left(), centre - lineHeight / 2, area.width(), lineHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, tr(NoFlowGroupLine));
}
