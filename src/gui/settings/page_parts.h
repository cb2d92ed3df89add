// Pieces the settings pages share: their layout and their checks.
#pragma once

#include "cardfile/document_data.h"
#include "settings/network_settings.h"
#include "settings/property_sheet.h"

#include <cstdint>
#include <initializer_list>

class CMillimetreEdit;
class QFormLayout;
class QPlainTextEdit;
class QVBoxLayout;

// A group box of labelled rows added to the page; each label's buddy is its control.
QFormLayout* AddFormGroup(const QString& title, QVBoxLayout* page);

// Gives the labels of these forms one width, so that their controls start in one column.
void AlignLabelColumns(std::initializer_list<QFormLayout*> forms);

// A multi-line edit box of a stored text, in which Tab moves on to the next control.
QPlainTextEdit* NewMultiLineEdit(const std::string& text);

// An edit box for a text height or a grid size: 1.0 to 100.0 mm.
CMillimetreEdit* NewTextHeightEdit(std::int32_t tenths, QWidget* parent);

// A refusal naming what the network file could not hold, after the prefix; none when
// it can hold the texts.
std::optional<CPageRefusal> UnstorableTextRefusal(const CProjectInformation& project,
                                                  const NetworkSettings& settings, QWidget* control,
                                                  const QString& prefix = {});

// The refusal of a lane flow delimiter the network file could not hold.
std::optional<CPageRefusal> UnstorableDelimiterRefusal(const QString& delimiter, QWidget* control);
