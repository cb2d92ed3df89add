// The "Create Arm" and "Edit Arm" dialogs over their models.
#pragma once

#include "editing/edit_dialog.h"

class CDlgArmCreateModel;
class CDlgEditArmModel;
class QComboBox;
class QLineEdit;

// "Number" (the place the new arm takes) and "Number of lanes", which takes digits only.
class CArmCreateDialog : public CEditDialog
{
    Q_OBJECT

public:
    CArmCreateDialog(CDlgArmCreateModel& model, QWidget* parent = nullptr);
    QComboBox* NumberList() const { return m_number; }
    QLineEdit* LaneCountBox() const { return m_laneCount; }

protected:
    CValidationResult TakeValues() override;

private:
    CDlgArmCreateModel& m_model;
    QComboBox* m_number;
    QLineEdit* m_laneCount;
};

// "Arm Number": the arm's place among the arms.
class CEditArmDialog : public CEditDialog
{
    Q_OBJECT

public:
    CEditArmDialog(CDlgEditArmModel& model, QWidget* parent = nullptr);
    QComboBox* NumberList() const { return m_number; }

protected:
    CValidationResult TakeValues() override;

private:
    CDlgEditArmModel& m_model;
    QComboBox* m_number;
};
