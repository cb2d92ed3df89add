#include "editing/edit_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
CEditDialog::RefusalSink& Sink()
{
    static CEditDialog::RefusalSink sink;
    return sink;
}
} // namespace

void CEditDialog::SetRefusalSink(RefusalSink sink)
{
    Sink() = std::move(sink);
}

CEditDialog::CEditDialog(const QString& title, QWidget* parent)
    : QDialog(parent), m_form(new QFormLayout),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(title);
    // Lists and buttons keep their natural width: a "Change..." button is no wider than its text.
    m_form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CEditDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CEditDialog::reject);
}

QPushButton* CEditDialog::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

void CEditDialog::AddRow(const QString& label, QWidget* control, QWidget* buddy)
{
    auto* caption = new QLabel(label);
    caption->setBuddy(buddy != nullptr ? buddy : control);
    m_form->addRow(caption, control);
}

void CEditDialog::accept()
{
    const CValidationResult result = TakeValues();
    if (!result) {
        ShowRefusal(*this, QString::fromStdString(result.message));
        return;
    }
    QDialog::accept();
}

void CEditDialog::ShowRefusal(QWidget& dialog, const QString& message)
{
    if (Sink()) {
        Sink()(dialog, message);
    } else {
        QMessageBox::warning(&dialog, dialog.windowTitle(), message);
    }
}

QComboBox* NewNumberList(const std::vector<std::string>& choices, std::uint32_t chosen)
{
    auto* list = new QComboBox;
    for (const std::string& choice : choices) {
        list->addItem(QString::fromStdString(choice));
    }
    list->setCurrentIndex(static_cast<int>(chosen) - 1);
    return list;
}
