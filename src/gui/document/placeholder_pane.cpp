// Empty panes.
#include "document/placeholder_pane.h"

#include <QPainter>

CPlaceholderPane::CPlaceholderPane(const QString& name, QSize preferredSize, QWidget* parent)
    : QWidget(parent), m_preferredSize(preferredSize)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CPlaceholderPane::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, objectName());
}
