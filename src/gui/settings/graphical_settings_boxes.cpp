#include "settings/graphical_settings_boxes.h"

#include "settings/edit_text.h"
#include "settings/millimetre_edit.h"
#include "settings/page_parts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CGraphicalSettingsBoxes::CGraphicalSettingsBoxes(const CGraphicalSettings& settings,
                                                 QWidget* parent)
    : QWidget(parent), m_armText(NewTextHeightEdit(settings.armTextHeight, this)),
      m_zoneText(NewTextHeightEdit(settings.zoneTextHeight, this)),
      m_odMatrixText(NewTextHeightEdit(settings.odMatrixTextHeight, this)),
      m_capacityAssessorText(NewTextHeightEdit(settings.capacityAssessorTextHeight, this)),
      m_grid(NewTextHeightEdit(settings.gridSize, this)),
      m_delimiter(new QLineEdit(EditText(settings.laneFlowDelimiter)))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QFormLayout* heights = AddFormGroup(tr("Text Heights"), layout);
    heights->addRow(tr("Arm/Lane Text Height (mm)"), m_armText);
    heights->addRow(tr("Zone Text Height (mm)"), m_zoneText);
    heights->addRow(tr("OD Matrix Text Height (mm)"), m_odMatrixText);
    heights->addRow(tr("Capacity Assessor Text Height (mm)"), m_capacityAssessorText);
    if (settings.labelTextHeight) {
        m_labelText = NewTextHeightEdit(*settings.labelTextHeight, this);
        heights->addRow(tr("Label Text Height (mm)"), m_labelText);
    }
    QFormLayout* other = AddFormGroup(tr("Grid and Lane Flows"), layout);
    other->addRow(tr("Grid Size (mm)"), m_grid);
    other->addRow(tr("Lane Flow Delimiter"), m_delimiter);
    m_delimiter->setMaximumWidth(m_grid->maximumWidth());
    AlignLabelColumns({heights, other});
}

CGraphicalSettings CGraphicalSettingsBoxes::Values()
{
    CGraphicalSettings values;
    values.armTextHeight = m_armText->Value();
    values.zoneTextHeight = m_zoneText->Value();
    values.odMatrixTextHeight = m_odMatrixText->Value();
    values.capacityAssessorTextHeight = m_capacityAssessorText->Value();
    if (m_labelText != nullptr)
        values.labelTextHeight = m_labelText->Value();
    values.gridSize = m_grid->Value();
    values.laneFlowDelimiter = StoredText(m_delimiter->text());
    return values;
}

std::optional<CPageRefusal> CGraphicalSettingsBoxes::Check() const
{
    return UnstorableDelimiterRefusal(m_delimiter->text(), m_delimiter);
}
