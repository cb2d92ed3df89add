#include "settings/millimetre_edit.h"

#include "settings/program_settings.h"

CMillimetreEdit::CMillimetreEdit(std::int32_t tenths, std::int32_t minimum, std::int32_t maximum,
                                 QWidget* parent)
    : QLineEdit(parent), m_value(tenths), m_minimum(minimum), m_maximum(maximum)
{
    SetValue(tenths);
    // Room for "1000.0" and no more: the boxes line up in a narrow column.
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12);
    connect(this, &QLineEdit::editingFinished, this, &CMillimetreEdit::TakeTyped);
}

std::int32_t CMillimetreEdit::Value()
{
    TakeTyped();
    return m_value;
}

void CMillimetreEdit::SetValue(std::int32_t tenths)
{
    m_value = tenths;
    setText(QString::fromStdString(MillimetreText(tenths)));
    setModified(false);
}

void CMillimetreEdit::TakeTyped()
{
    if (isModified())
        SetValue(TenthsOfMillimetreFromText(text().toStdString(), m_minimum, m_maximum));
}
