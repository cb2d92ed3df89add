#include "editing/arm_dialogs.h"

#include "tables/arm_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CArmCreateDialog::CArmCreateDialog(CDlgArmCreateModel& model, QWidget* parent)
    : CEditDialog(CDlgArmCreateModel::Title, parent), m_model(model),
      m_number(NewNumberList(model.GetNumberChoices(), model.GetNumber())),
      m_laneCount(new QLineEdit(QString::fromStdString(model.GetLaneCountText())))
{
    // Digits only, as the model takes them; the count itself is checked at OK.
    m_laneCount->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), m_laneCount));
    AddRow(CDlgArmCreateModel::NumberCaption, m_number);
    AddRow(CDlgArmCreateModel::LaneCountCaption, m_laneCount);
    m_laneCount->setFocus();
    m_laneCount->selectAll();
}

CValidationResult CArmCreateDialog::TakeValues()
{
    m_model.SetNumber(static_cast<std::uint32_t>(m_number->currentIndex() + 1));
    if (!m_model.SetLaneCountText(m_laneCount->text().toStdString())) {
        return CValidationResult::Refuse("The Number of lanes must be a whole number");
    }
    return m_model.Validate();
}

CEditArmDialog::CEditArmDialog(CDlgEditArmModel& model, QWidget* parent)
    : CEditDialog(CDlgEditArmModel::Title, parent), m_model(model),
      m_number(NewNumberList(model.GetNumberChoices(), model.GetNumber()))
{
    AddRow(CDlgEditArmModel::NumberCaption, m_number);
}

CValidationResult CEditArmDialog::TakeValues()
{
    m_model.SetNumber(static_cast<std::uint32_t>(m_number->currentIndex() + 1));
    return CValidationResult::Accept();
}
