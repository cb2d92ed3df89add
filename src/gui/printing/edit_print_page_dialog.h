// The "Print Page Layout" dialog over its model.
#pragma once

#include "editing/edit_dialog.h"

#include <QButtonGroup>

class CDlgEditPrintPageModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The page number, scale to fit or a specific scale (its box enabled only for the latter and
// clamped to 0.10..5.00 when left), cropping, orientation, the title block's position ("No
// Title Block", "Right", "Bottom", "Left", "Top"), the page title and whether the title block
// shows the scale. OK refuses a page title of more than one line.
class CDlgEditPrintPage : public CEditDialog
{
    Q_OBJECT

public:
    CDlgEditPrintPage(CDlgEditPrintPageModel& model, QWidget* parent = nullptr);

    QComboBox* PageNumber() const { return m_pageNumber; }
    QRadioButton* ScaleToFit() const { return m_scaleToFit; }
    QRadioButton* SpecificScale() const { return m_specificScale; }
    QLineEdit* Scale() const { return m_scale; }
    QCheckBox* Crop() const { return m_crop; }
    QRadioButton* Portrait() const { return m_portrait; }
    QRadioButton* Landscape() const { return m_landscape; }
    // The position radios, each with its index in the model's choices as id.
    QButtonGroup& Positions() { return m_positions; }
    QLineEdit* PageTitle() const { return m_pageTitle; }
    QCheckBox* IndicateScale() const { return m_indicateScale; }

protected:
    CValidationResult TakeValues() override;

private:
    void LeaveScaleBox();

    CDlgEditPrintPageModel& m_model;
    QComboBox* m_pageNumber;
    QRadioButton* m_scaleToFit;
    QRadioButton* m_specificScale;
    QLineEdit* m_scale;
    QCheckBox* m_crop;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
    QButtonGroup m_positions;
    QLineEdit* m_pageTitle;
    QCheckBox* m_indicateScale;
};
