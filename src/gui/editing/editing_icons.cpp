#include "editing/editing_icons.h"

#include <QIconEngine>
#include <QPainter>

namespace
{
// Draws the picture at whatever size and ratio the toolbar asks for.
class CEditingIconEngine : public QIconEngine
{
public:
    explicit CEditingIconEngine(ECommand command) : m_command(command) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QColor ink = mode == QIcon::Disabled ? QColor(160, 160, 160) : QColor(30, 30, 30);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        painter->setPen(QPen(ink, 1.2));
        QFont font = painter->font();
        font.setPixelSize(11);
        font.setBold(true);
        painter->setFont(font);
        switch (m_command) {
        case ECommand::AddArm:
            // Two lanes and the arm's line with its arrow.
            painter->drawRect(QRectF(2.5, 2.5, 7, 11));
            painter->drawLine(QPointF(6, 2.5), QPointF(6, 13.5));
            painter->drawLine(QPointF(12.5, 13.5), QPointF(12.5, 3));
            painter->drawLine(QPointF(12.5, 3), QPointF(10.5, 6));
            painter->drawLine(QPointF(12.5, 3), QPointF(14.5, 6));
            break;
        case ECommand::AddZone:
            painter->drawRect(QRectF(1.5, 2.5, 13, 11));
            painter->drawText(QRectF(1.5, 2.5, 13, 11), Qt::AlignCenter, "Z");
            break;
        case ECommand::AddLabel:
            painter->drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "Ab");
            break;
        case ECommand::AddCapacityAssessor:
            painter->drawEllipse(QRectF(1.5, 1.5, 13, 13));
            painter->drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, "C");
            break;
        default:
            break;
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new CEditingIconEngine(m_command); }

private:
    ECommand m_command;
};
} // namespace

QIcon EditingIcon(ECommand command)
{
    switch (command) {
    case ECommand::AddArm:
    case ECommand::AddZone:
    case ECommand::AddLabel:
    case ECommand::AddCapacityAssessor:
        return QIcon(new CEditingIconEngine(command));
    default:
        return {};
    }
}
