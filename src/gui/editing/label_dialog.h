// The "Edit Label" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

class CColourSwatch;
class CDlgEditLabelModel;
class QLineEdit;

// "Label Text" with its note "(max 50 chars)", "Text Height" in millimetres and "Text Colour"
// with its swatch and "Change...".
class CLabelDialog : public CEditDialog
{
    Q_OBJECT

public:
    CLabelDialog(CDlgEditLabelModel& model, QWidget* parent = nullptr);
    QLineEdit* TextBox() const { return m_text; }
    QLineEdit* HeightBox() const { return m_height; }
    CColourSwatch* Colour() const { return m_colour; }

protected:
    CValidationResult TakeValues() override;

private:
    CDlgEditLabelModel& m_model;
    QLineEdit* m_text;
    QLineEdit* m_height;
    CColourSwatch* m_colour;
};
