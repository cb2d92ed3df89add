#include "editing/label_dialog.h"

#include "model/label.h"
#include "settings/colour_swatch.h"
#include "settings/edit_text.h"
#include "tables/label_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CLabelDialog::CLabelDialog(CDlgEditLabelModel& model, QWidget* parent)
    : CEditDialog(CDlgEditLabelModel::Title, parent), m_model(model),
      m_text(new QLineEdit(EditText(model.GetTextField()))),
      m_height(new QLineEdit(QString::fromStdString(model.GetHeightText()))),
      m_colour(new CColourSwatch(model.GetColour(), CDlgEditLabelModel::ColourCaption))
{
    m_text->setMaxLength(static_cast<int>(CLabel::MaxTextLength));
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 36);
    auto* textRow = new QWidget;
    auto* textLayout = new QHBoxLayout(textRow);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->addWidget(m_text, 1);
    textLayout->addWidget(new QLabel(CDlgEditLabelModel::TextNote));
    textRow->setFocusProxy(m_text);
    AddRow(CDlgEditLabelModel::TextCaption, textRow, m_text);
    auto* heightRow = new QWidget;
    auto* heightLayout = new QHBoxLayout(heightRow);
    heightLayout->setContentsMargins(0, 0, 0, 0);
    m_height->setMaximumWidth(m_height->fontMetrics().averageCharWidth() * 10);
    heightLayout->addWidget(m_height);
    heightLayout->addWidget(new QLabel("mm"));
    heightLayout->addStretch();
    heightRow->setFocusProxy(m_height);
    AddRow(CDlgEditLabelModel::HeightCaption, heightRow, m_height);
    AddRow(CDlgEditLabelModel::ColourCaption, m_colour);
    m_text->setFocus();
    m_text->selectAll();
}

CValidationResult CLabelDialog::TakeValues()
{
    m_model.SetTextField(StoredText(m_text->text()));
    m_model.SetHeightText(m_height->text().toStdString());
    m_model.SetColour(m_colour->Colour());
    return m_model.Validate();
}
