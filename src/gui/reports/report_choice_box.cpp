// Combo boxes over the report builder's choice lists.
#include "reports/report_choice_box.h"

#include <QComboBox>

namespace
{
bool Holds(const QComboBox& box, const std::vector<CReportChoice>& choices)
{
    if (box.count() != static_cast<int>(choices.size()))
        return false;
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i) != QString::fromStdString(choices[i].text) ||
            box.itemData(i).toLongLong() != choices[i].value)
            return false;
    }
    return true;
}
} // namespace

void SetChoices(QComboBox& box, const std::vector<CReportChoice>& choices)
{
    if (Holds(box, choices))
        return;
    box.clear();
    for (const CReportChoice& choice : choices)
        box.addItem(QString::fromStdString(choice.text), QVariant::fromValue(choice.value));
}

void SelectChoice(QComboBox& box, long long value)
{
    box.setCurrentIndex(box.findData(QVariant::fromValue(value)));
}

std::optional<long long> ChoiceValue(const QComboBox& box, int index)
{
    if (index < 0 || index >= box.count())
        return std::nullopt;
    return box.itemData(index).toLongLong();
}
