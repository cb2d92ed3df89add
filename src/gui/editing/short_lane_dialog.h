// The "Edit Short Lane" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

class CDlgEditLaneModel;
class QLabel;
class QLineEdit;
class QRadioButton;

// The "Parent lane" frame with its two sides (enabled as the command decided), "Lane Length
// (PCU)" and the "Max:" and "Min:" the chosen side allows, recomputed when the side changes.
class CShortLaneDialog : public CEditDialog
{
    Q_OBJECT

public:
    CShortLaneDialog(CDlgEditLaneModel& model, QWidget* parent = nullptr);
    QRadioButton* ParentToLeft() const { return m_left; }
    QRadioButton* ParentToRight() const { return m_right; }
    QLineEdit* LengthBox() const { return m_length; }
    QLabel* MaxText() const { return m_max; }
    QLabel* MinText() const { return m_min; }

protected:
    CValidationResult TakeValues() override;

private:
    void ShowRange();

    CDlgEditLaneModel& m_model;
    QRadioButton* m_left;
    QRadioButton* m_right;
    QLineEdit* m_length;
    QLabel* m_max;
    QLabel* m_min;
};
