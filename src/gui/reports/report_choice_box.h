// Combo boxes over the report builder's choice lists.
#pragma once

#include "reports/report_choices.h"

#include <optional>
#include <vector>

class QComboBox;

// Puts the choices in the box, each with its value, unless it holds exactly these already (so a
// box is not rebuilt under the user's hand).
void SetChoices(QComboBox& box, const std::vector<CReportChoice>& choices);
// Shows the choice of that value; none when the value is not among them (a flow group that was
// never chosen, a scale no list offers).
void SelectChoice(QComboBox& box, long long value);
// The value of the choice at that index, none for an index outside the box.
std::optional<long long> ChoiceValue(const QComboBox& box, int index);
