// A pane that a later part of the program fills, shown empty in its place meanwhile.
#pragma once

#include <QWidget>

// Named after the pane it stands for (its object name), with that name written faintly in its
// middle, at the size the pane asks for.
class CPlaceholderPane : public QWidget
{
    Q_OBJECT
public:
    CPlaceholderPane(const QString& name, QSize preferredSize, QWidget* parent = nullptr);

    QSize sizeHint() const override { return m_preferredSize; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_preferredSize;
};
