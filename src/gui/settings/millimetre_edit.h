// An edit box for a length typed in millimetres and kept in tenths of a millimetre.
#pragma once

#include <QLineEdit>
#include <cstdint>

// Shows its value in millimetres with one decimal ("25.0"). What the user types is taken in when
// the box loses focus or Return is pressed, and when Value() is asked for (OK pressed without
// leaving the box): read as millimetres, times ten, truncated and clamped to the box's range,
// then shown again. A value set from a record is kept as it is until the user changes the text.
class CMillimetreEdit : public QLineEdit
{
    Q_OBJECT

public:
    CMillimetreEdit(std::int32_t tenths, std::int32_t minimum, std::int32_t maximum,
                    QWidget* parent = nullptr);

    std::int32_t Value();
    void SetValue(std::int32_t tenths);

private:
    void TakeTyped();

    std::int32_t m_value;
    std::int32_t m_minimum;
    std::int32_t m_maximum;
};
