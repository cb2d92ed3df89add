#include "editing/zone_dialog.h"

#include "settings/colour_swatch.h"
#include "tables/edit_zone_dialog.h"

#include <QComboBox>

namespace
{
// The arms a list offers, each carrying its number, the current one chosen.
QComboBox* NewArmList(const std::vector<CArmNumberChoice>& choices, std::uint32_t chosen)
{
    auto* list = new QComboBox;
    for (const CArmNumberChoice& choice : choices) {
        list->addItem(QString::fromStdString(choice.text), choice.armNumber);
        if (choice.armNumber == chosen) {
            list->setCurrentIndex(list->count() - 1);
        }
    }
    return list;
}

std::uint32_t ChosenArm(const QComboBox& list)
{
    return list.currentData().toUInt();
}
} // namespace

CZoneDialog::CZoneDialog(CDlgEditZoneModel& model, QWidget* parent)
    : CEditDialog(model.GetTitle(), parent), m_model(model),
      m_zone(NewNumberList(model.GetZoneChoices(), model.GetZoneNumber())),
      m_entry(NewArmList(model.GetEntryChoices(), model.GetEntryArmNumber())),
      m_exit(NewArmList(model.GetExitChoices(), model.GetExitArmNumber())),
      m_colour(new CColourSwatch(model.GetColour(), CDlgEditZoneModel::ColourCaption))
{
    AddRow(CDlgEditZoneModel::ZoneCaption, m_zone);
    AddRow(CDlgEditZoneModel::EntryArmCaption, m_entry);
    AddRow(CDlgEditZoneModel::ExitArmCaption, m_exit);
    AddRow(CDlgEditZoneModel::ColourCaption, m_colour);
}

CValidationResult CZoneDialog::TakeValues()
{
    m_model.SetZoneNumber(static_cast<std::uint32_t>(m_zone->currentIndex() + 1));
    m_model.SetEntryArmNumber(ChosenArm(*m_entry));
    m_model.SetExitArmNumber(ChosenArm(*m_exit));
    m_model.SetColour(m_colour->Colour());
    return m_model.Validate();
}
