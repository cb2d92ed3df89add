// A colour setting: its swatch and the "Change..." button that opens the colour chooser.
#pragma once

#include "platform/geometry.h"

#include <QWidget>

class QPushButton;

// The swatch shows the colour; "Change..." opens the colour chooser preset to it, titled with
// what the colour is for, and on OK the swatch takes the chosen colour. Any colour may be
// chosen; its alpha is dropped.
class CColourSwatch : public QWidget
{
    Q_OBJECT

public:
    CColourSwatch(ColorRef colour, QString purpose, QWidget* parent = nullptr);

    ColorRef Colour() const { return m_colour; }
    void SetColour(ColorRef colour);
    QPushButton* ChangeButton() const { return m_change; }

private:
    void Choose();

    ColorRef m_colour;
    QString m_purpose;
    QWidget* m_swatch;
    QPushButton* m_change;
};
