#include "editing/capacity_assessor_dialog.h"

#include "tables/capacity_assessor_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace
{
// The arms by label, each carrying its id; none chosen while the model has none.
QComboBox* NewArmList(const std::vector<CArmLabelChoice>& choices, std::uint32_t chosen,
                      bool enabled)
{
    auto* list = new QComboBox;
    for (const CArmLabelChoice& choice : choices) {
        list->addItem(QString::fromStdString(choice.text), choice.armId);
    }
    list->setCurrentIndex(list->findData(chosen));
    list->setEnabled(enabled);
    return list;
}

std::uint32_t ChosenArm(const QComboBox& list)
{
    return list.currentIndex() < 0 ? 0 : list.currentData().toUInt();
}
} // namespace

CCapacityAssessorDialog::CCapacityAssessorDialog(CDlgCapacityAssessorModel& model, QWidget* parent)
    : CEditDialog(model.GetTitle(), parent), m_model(model),
      m_entry(
          NewArmList(model.GetEntryChoices(), model.GetEntryArmId(), model.IsEntryListEnabled())),
      m_circulatory(NewArmList(model.GetCirculatoryChoices(), model.GetCirculatoryArmId(),
                               model.IsCirculatoryListEnabled())),
      m_threshold(new QLineEdit(QString::fromStdString(model.GetThresholdText())))
{
    AddRow(CDlgCapacityAssessorModel::EntryArmCaption, m_entry);
    AddRow(CDlgCapacityAssessorModel::CirculatoryArmCaption, m_circulatory);
    AddRow(CDlgCapacityAssessorModel::ThresholdCaption, m_threshold);
    connect(m_entry, &QComboBox::currentIndexChanged, this, &CCapacityAssessorDialog::ArmsChosen);
    connect(m_circulatory, &QComboBox::currentIndexChanged, this,
            &CCapacityAssessorDialog::ArmsChosen);
    ArmsChosen();
}

QWidget* CCapacityAssessorDialog::InitialFocus() const
{
    switch (m_model.GetInitialFocus()) {
    case CDlgCapacityAssessorModel::EFocus::EntryList:
        return m_entry;
    case CDlgCapacityAssessorModel::EFocus::Threshold:
        return m_threshold;
    case CDlgCapacityAssessorModel::EFocus::CirculatoryList:
        break;
    }
    return m_circulatory;
}

void CCapacityAssessorDialog::showEvent(QShowEvent* event)
{
    CEditDialog::showEvent(event);
    InitialFocus()->setFocus();
}

void CCapacityAssessorDialog::ArmsChosen()
{
    m_model.SetEntryArmId(ChosenArm(*m_entry));
    m_model.SetCirculatoryArmId(ChosenArm(*m_circulatory));
    OkButton()->setEnabled(m_model.IsOkEnabled());
}

CValidationResult CCapacityAssessorDialog::TakeValues()
{
    ArmsChosen();
    m_model.SetThresholdText(m_threshold->text().toStdString());
    return m_model.Validate();
}
