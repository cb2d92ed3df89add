// The "Edit Flow Group" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

class CDlgEditFlowGroupModel;
class QComboBox;
class QLineEdit;
class QTimeEdit;

// The group's number, title, start and end time ("HH:mm"); OK refuses equal times.
class CFlowGroupEditDialog : public CEditDialog
{
    Q_OBJECT

public:
    CFlowGroupEditDialog(CDlgEditFlowGroupModel& model, QWidget* parent = nullptr);
    QComboBox* NumberList() const { return m_number; }
    QLineEdit* TitleBox() const { return m_title; }
    QTimeEdit* StartBox() const { return m_start; }
    QTimeEdit* EndBox() const { return m_end; }

protected:
    CValidationResult TakeValues() override;

private:
    CDlgEditFlowGroupModel& m_model;
    QComboBox* m_number;
    QLineEdit* m_title;
    QTimeEdit* m_start;
    QTimeEdit* m_end;
};
