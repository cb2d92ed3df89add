// The text heights, grid size and lane flow delimiter of a network, as the defaults for new
// networks and a network's own settings show them.
#pragma once

#include "settings/property_sheet.h"

#include <cstdint>
#include <optional>
#include <string>

class CMillimetreEdit;
class QLineEdit;

struct CGraphicalSettings
{
    std::int32_t armTextHeight = 0;
    std::int32_t zoneTextHeight = 0;
    std::int32_t odMatrixTextHeight = 0;
    std::int32_t capacityAssessorTextHeight = 0;
    std::optional<std::int32_t> labelTextHeight; // the defaults only: a network has none
    std::int32_t gridSize = 0;
    std::string laneFlowDelimiter;
};

// Two groups of rows: the text heights, then the grid size and the delimiter, their boxes in one
// column. Lengths are typed in millimetres and kept within 1.0 to 100.0 mm.
class CGraphicalSettingsBoxes : public QWidget
{
    Q_OBJECT

public:
    explicit CGraphicalSettingsBoxes(const CGraphicalSettings& settings, QWidget* parent = nullptr);

    // What the boxes hold, taking in what is still being typed.
    CGraphicalSettings Values();
    // A delimiter the network file could not hold.
    std::optional<CPageRefusal> Check() const;

private:
    CMillimetreEdit* m_armText;
    CMillimetreEdit* m_zoneText;
    CMillimetreEdit* m_odMatrixText;
    CMillimetreEdit* m_capacityAssessorText;
    CMillimetreEdit* m_labelText = nullptr;
    CMillimetreEdit* m_grid;
    QLineEdit* m_delimiter;
};
