#include "printing/edit_print_page_dialog.h"

#include "cardfile/field_ranges.h"
#include "printing/print_page_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
using Model = CDlgEditPrintPageModel;

QRadioButton* NewRadio(const char* text, bool checked)
{
    auto* radio = new QRadioButton(QString::fromUtf8(text));
    radio->setChecked(checked);
    return radio;
}

// Radios side by side in a row of their own; the row's own group keeps them exclusive.
QWidget* RadioRow(std::initializer_list<QRadioButton*> radios)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* radio : radios)
        layout->addWidget(radio);
    layout->addStretch();
    return row;
}
} // namespace

CDlgEditPrintPage::CDlgEditPrintPage(CDlgEditPrintPageModel& model, QWidget* parent)
    : CEditDialog(Model::Title, parent), m_model(model),
      m_pageNumber(NewNumberList(model.GetPageNumberChoices(),
                                 static_cast<std::uint32_t>(model.GetPageNumber()))),
      m_scaleToFit(NewRadio(Model::ScaleToFitCaption, model.GetScaleToFit())),
      m_specificScale(NewRadio(Model::SpecificScaleCaption, !model.GetScaleToFit())),
      m_scale(new QLineEdit(QString::fromStdString(model.GetScaleText()))),
      m_crop(new QCheckBox(QString::fromUtf8(Model::CropCaption))),
      m_portrait(NewRadio(Model::PortraitCaption, !model.IsLandscape())),
      m_landscape(NewRadio(Model::LandscapeCaption, model.IsLandscape())),
      m_pageTitle(new QLineEdit(QString::fromStdString(model.GetPageTitle()))),
      m_indicateScale(new QCheckBox(QString::fromUtf8(Model::IndicateScaleCaption)))
{
    AddRow(Model::PageNumberCaption, m_pageNumber);

    m_scale->setMaximumWidth(m_scale->fontMetrics().averageCharWidth() * 10);
    m_scale->setEnabled(model.IsScaleBoxEnabled());
    auto* scaleRow = new QWidget;
    auto* scaleLayout = new QHBoxLayout(scaleRow);
    scaleLayout->setContentsMargins(0, 0, 0, 0);
    scaleLayout->addWidget(m_specificScale);
    scaleLayout->addWidget(m_scale);
    scaleLayout->addStretch();
    auto* scaling = new QWidget;
    auto* scalingLayout = new QVBoxLayout(scaling);
    scalingLayout->setContentsMargins(0, 0, 0, 0);
    scalingLayout->addWidget(m_scaleToFit);
    scalingLayout->addWidget(scaleRow);
    m_crop->setChecked(model.GetCropToPrintZone());
    scalingLayout->addWidget(m_crop);
    // The two scale radios sit in different rows: a group keeps them exclusive.
    auto* scaleChoice = new QButtonGroup(this);
    scaleChoice->addButton(m_scaleToFit);
    scaleChoice->addButton(m_specificScale);
    AddRow("Scale", scaling, m_scaleToFit);
    AddRow("Orientation", RadioRow({m_portrait, m_landscape}), m_portrait);

    auto* positions = new QGroupBox(QString::fromUtf8(Model::PositionCaption));
    auto* positionLayout = new QHBoxLayout(positions);
    for (std::size_t i = 0; i < Model::PositionChoices.size(); ++i) {
        auto* radio = NewRadio(Model::PositionChoices[i].caption,
                               static_cast<int>(i) == model.GetPositionIndex());
        m_positions.addButton(radio, static_cast<int>(i));
        positionLayout->addWidget(radio);
    }
    m_pageTitle->setMinimumWidth(m_pageTitle->fontMetrics().averageCharWidth() * 36);
    m_indicateScale->setChecked(model.GetIndicateScale());
    auto* titleBlock = new QWidget;
    auto* titleLayout = new QVBoxLayout(titleBlock);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(positions);
    titleLayout->addWidget(m_indicateScale);
    AddRow("Title Block", titleBlock, positions);
    AddRow(Model::PageTitleCaption, m_pageTitle);

    connect(m_specificScale, &QRadioButton::toggled, m_scale, &QLineEdit::setEnabled);
    connect(m_scale, &QLineEdit::editingFinished, this, &CDlgEditPrintPage::LeaveScaleBox);
}

void CDlgEditPrintPage::LeaveScaleBox()
{
    m_model.SetScaleText(m_scale->text().toStdString());
    m_model.LeaveScaleBox();
    m_scale->setText(QString::fromStdString(m_model.GetScaleText()));
}

CValidationResult CDlgEditPrintPage::TakeValues()
{
    m_model.SetPageNumber(m_pageNumber->currentIndex() + 1);
    m_model.SetScaleToFit(m_scaleToFit->isChecked());
    LeaveScaleBox();
    m_model.SetCropToPrintZone(m_crop->isChecked());
    m_model.SetLandscape(m_landscape->isChecked());
    m_model.SetPositionIndex(m_positions.checkedId());
    m_model.SetPageTitle(m_pageTitle->text().toStdString());
    m_model.SetIndicateScale(m_indicateScale->isChecked());
    return CheckSingleLine("page title", m_model.GetPageTitle());
}
