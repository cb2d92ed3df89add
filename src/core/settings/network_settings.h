// The settings of the network being edited, which travel with the network file.
#pragma once

#include <cstdint>
#include <string>

struct ProgramSettings;

// Text heights and the grid size are whole tenths of a millimetre. One process-wide instance,
// Instance(), describes the open network: it is refreshed from the program's "Def" values at
// start-up and for every new network, and overwritten when a network file is opened. A
// default-constructed record holds the same values as a refresh from default ProgramSettings.
struct NetworkSettings
{
    std::string LaneFlowDelimiter = ", ";
    std::int32_t ArmTextHeight = 30; // arms and lanes
    std::int32_t ZoneTextHeight = 40;
    std::int32_t CapacityAssessorTextHeight = 40;
    std::int32_t ODMatrixTextHeight = 40;
    std::int32_t GridSize = 100;
    std::string Author;
    std::string Company;
    std::string Address;

    // Copies the matching "Def" values; the label text height and the capacity assessor
    // threshold are the program's alone and are not part of a network.
    void RefreshFromDefaults(const ProgramSettings& defaults);

    bool operator==(const NetworkSettings&) const = default;

    static NetworkSettings& Instance();
};
