// The "Create Capacity Assessor" / "Edit Capacity Assessor" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

class CDlgCapacityAssessorModel;
class QComboBox;
class QLineEdit;

// "Entry Arm" and "Circulatory Arm" by arm label (a fixed arm shown in a disabled list) and
// "Capacity Threshold". OK is enabled once both arms are chosen; the focus starts where the
// model says.
class CCapacityAssessorDialog : public CEditDialog
{
    Q_OBJECT

public:
    CCapacityAssessorDialog(CDlgCapacityAssessorModel& model, QWidget* parent = nullptr);
    QComboBox* EntryList() const { return m_entry; }
    QComboBox* CirculatoryList() const { return m_circulatory; }
    QLineEdit* ThresholdBox() const { return m_threshold; }
    // The control that has the focus when the dialog opens.
    QWidget* InitialFocus() const;

protected:
    CValidationResult TakeValues() override;
    void showEvent(QShowEvent* event) override;

private:
    void ArmsChosen();

    CDlgCapacityAssessorModel& m_model;
    QComboBox* m_entry;
    QComboBox* m_circulatory;
    QLineEdit* m_threshold;
};
