// Reading the update file: which announcement, if any, is meant for the running program.
#pragma once

#include "update/running_program.h"

#include <optional>
#include <string>
#include <string_view>

// What an update file announces to the program it applies to.
struct CUpdateAnnouncement
{
    int updateId = 0;
    CProgramVersion latestVersion{};
    std::string heading;
    std::string text; // lines separated by CR LF, as every multi-line text of the card files
};

// Reads an update file held in memory (Windows-1252 cards with CR LF or LF line ends):
//   UPSCM cards until one has schema 1 (columns 5-9), then APPLH, then APPLY cards until one
//   applies to program; the APPLY cards after it are passed over; then UPDID (columns 5-14),
//   LATVR (four 5-column parts from column 5), MSGHD (TEXT card count in 5-9, heading from 10)
//   and that many TEXT cards.
// An APPLY card applies when its product code (5-9) is the program's, the program's version is
// neither below the lowest (four parts from column 10) nor above the highest (from column 30),
// and conditions A (50-54) and B (55-59) are -1 or equal to the program's property (0 or 1).
// Returns nothing when the file ends while UPSCM or APPLY cards are sought. A card with another
// keyword raises errExpectedCardNotFound ("Cannot find UPSCM Card", ... "Cannot find TEXT Card");
// the end of the file anywhere else raises eFileError::Corrupt.
std::optional<CUpdateAnnouncement> ReadUpdateFile(std::string_view bytes,
                                                  const CRunningProgram& program);
