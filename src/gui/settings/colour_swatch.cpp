#include "settings/colour_swatch.h"

#include "platform/qt_colour.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

CColourSwatch::CColourSwatch(ColorRef colour, QString purpose, QWidget* parent)
    : QWidget(parent), m_colour(colour), m_purpose(std::move(purpose))
{
    auto* swatch = new QFrame(this);
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(48, 20);
    swatch->setAutoFillBackground(true);
    m_swatch = swatch;
    m_change = new QPushButton(tr("Change..."), this);
    m_change->setAccessibleName(m_purpose + tr(" colour"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_swatch);
    layout->addWidget(m_change);
    setFocusProxy(m_change);
    SetColour(colour);
    connect(m_change, &QPushButton::clicked, this, &CColourSwatch::Choose);
}

void CColourSwatch::SetColour(ColorRef colour)
{
    m_colour = colour & 0xFFFFFF;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, QColorOf(m_colour));
    m_swatch->setPalette(palette);
    m_swatch->setToolTip(QColorOf(m_colour).name());
}

void CColourSwatch::Choose()
{
    const QColor chosen = QColorDialog::getColor(QColorOf(m_colour), this, m_purpose);
    if (chosen.isValid())
        SetColour(ColorRefOf(chosen));
}
