// The "Create Zone" / "Edit Zone" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

class CColourSwatch;
class CDlgEditZoneModel;
class QComboBox;

// "Zone" by letter, "Entry arm no." and "Exit arm no." ("(none)" first) and the zone's colour
// with its swatch and "Change...".
class CZoneDialog : public CEditDialog
{
    Q_OBJECT

public:
    CZoneDialog(CDlgEditZoneModel& model, QWidget* parent = nullptr);
    QComboBox* ZoneList() const { return m_zone; }
    QComboBox* EntryList() const { return m_entry; }
    QComboBox* ExitList() const { return m_exit; }
    CColourSwatch* Colour() const { return m_colour; }

protected:
    CValidationResult TakeValues() override;

private:
    CDlgEditZoneModel& m_model;
    QComboBox* m_zone;
    QComboBox* m_entry;
    QComboBox* m_exit;
    CColourSwatch* m_colour;
};
