#include "editing/short_lane_dialog.h"

#include "tables/edit_lane_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CShortLaneDialog::CShortLaneDialog(CDlgEditLaneModel& model, QWidget* parent)
    : CEditDialog(CDlgEditLaneModel::Title, parent), m_model(model),
      m_left(new QRadioButton(CDlgEditLaneModel::ParentToLeftCaption)),
      m_right(new QRadioButton(CDlgEditLaneModel::ParentToRightCaption)),
      m_length(new QLineEdit(QString::fromStdString(model.GetLengthText()))), m_max(new QLabel),
      m_min(new QLabel)
{
    auto* frame = new QGroupBox(CDlgEditLaneModel::ParentFrame);
    auto* sides = new QVBoxLayout(frame);
    sides->addWidget(m_left);
    sides->addWidget(m_right);
    m_left->setEnabled(model.IsLeftEnabled());
    m_right->setEnabled(model.IsRightEnabled());
    (model.IsParentToLeft() ? m_left : m_right)->setChecked(true);
    Form()->addRow(frame);
    AddRow(CDlgEditLaneModel::LengthCaption, m_length);
    AddRow(CDlgEditLaneModel::MaxCaption, m_max);
    AddRow(CDlgEditLaneModel::MinCaption, m_min);
    ShowRange();
    connect(m_left, &QRadioButton::toggled, this, [this](bool toLeft) {
        m_model.SetParentToLeft(toLeft);
        ShowRange();
    });
    m_length->setFocus();
    m_length->selectAll();
}

void CShortLaneDialog::ShowRange()
{
    m_max->setText(QString::fromStdString(m_model.GetMaxText()));
    m_min->setText(QString::fromStdString(m_model.GetMinText()));
}

CValidationResult CShortLaneDialog::TakeValues()
{
    m_model.SetLengthText(m_length->text().toStdString());
    return m_model.Validate();
}
