// The "Edit Flow Group" dialog.
#include "tables/flow_group_edit_dialog.h"

#include "tables/flow_group_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimeEdit>

namespace
{
QTimeEdit* NewTimeBox(std::int64_t seconds)
{
    auto* box = new QTimeEdit(QTime(0, 0).addSecs(static_cast<int>(seconds)));
    box->setDisplayFormat("HH:mm");
    return box;
}

std::int64_t SecondsOf(const QTimeEdit& box)
{
    return QTime(0, 0).secsTo(box.time());
}
} // namespace

CFlowGroupEditDialog::CFlowGroupEditDialog(CDlgEditFlowGroupModel& model, QWidget* parent)
    : CEditDialog(tr(CDlgEditFlowGroupModel::Title), parent), m_model(model),
      m_number(NewNumberList(model.GetNumberChoices(), model.GetNumber())),
      m_title(new QLineEdit(QString::fromStdString(model.GetTitleField()))),
      m_start(NewTimeBox(model.GetStart())), m_end(NewTimeBox(model.GetEnd()))
{
    m_title->setMaxLength(static_cast<int>(CDlgEditFlowGroupModel::MaxTitleLength));
    m_title->setMinimumWidth(m_title->fontMetrics().averageCharWidth() * 40);
    AddRow(tr(CDlgEditFlowGroupModel::NumberCaption), m_number);
    AddRow(tr(CDlgEditFlowGroupModel::TitleCaption), m_title);
    AddRow(tr(CDlgEditFlowGroupModel::StartCaption), m_start);
    AddRow(tr(CDlgEditFlowGroupModel::EndCaption), m_end);
}

CValidationResult CFlowGroupEditDialog::TakeValues()
{
    m_model.SetNumber(static_cast<std::uint32_t>(m_number->currentIndex() + 1));
    m_model.SetTitleField(m_title->text().toStdString());
    m_model.SetStart(SecondsOf(*m_start));
    m_model.SetEnd(SecondsOf(*m_end));
    return m_model.Validate();
}
