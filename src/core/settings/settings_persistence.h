// Loading the program settings from the per-user store and saving them back.
#pragma once

#include "settings/network_settings.h"
#include "settings/program_settings.h"
#include "settings/settings_store.h"

inline constexpr const char* SettingsSection = "Settings";
inline constexpr const char* AutoSaveSection = "AutoSave";
inline constexpr const char* RouteListColumnWidthsSection = "RouteListColumnWidths";
inline constexpr const char* AutoSaveDirectoryKey = "AutoSaveDirectory";

// The per-user directory that auto-save files go to when none is set: $XDG_STATE_HOME (or
// ~/.local/state) followed by "Gyrolith/", never the shared temporary directory, where another
// user could read the network or plant a file for the recovery check. Falls back to the
// temporary directory only when the process has no home. Ends in a separator.
std::string DefaultAutoSaveDirectory();

// Reads every key of the "Settings" section with the value currently in `settings` as its
// default (so a missing key keeps it), then refreshes `network` from the "Def" values, then
// reads the route list's column widths from "RouteListColumnWidths" under the keys "0" to "8".
// Booleans are true for any non-zero integer. A stored text height, grid size, line thickness
// or flow precision outside what the settings pages allow is clamped into range, because the
// store can be edited by hand and a grid of 0 or a negative height would break the drawing;
// a negative column width reads as 0. When all nine widths are 0 they get their defaults.
// "AutoSaveDirectory" comes from the "AutoSave" section; when it is empty, defaultAutoSaveDirectory
// takes its place (and so is what SaveSettings writes back). The update check's three keys
// ("UpdateNotificationURL", "NextNotificationTime", "NotificationFrequency") are read last.
void LoadSettings(const CSettingsStore& store, ProgramSettings& settings, NetworkSettings& network,
                  const std::string& defaultAutoSaveDirectory);
// As above with DefaultAutoSaveDirectory().
void LoadSettings(const CSettingsStore& store, ProgramSettings& settings, NetworkSettings& network);

// Writes every key that LoadSettings reads: strings as strings, everything else as integers,
// booleans as 0 or 1, colours as their 32-bit pattern. False when any write failed; the other
// keys are still written.
bool SaveSettings(CSettingsStore& store, const ProgramSettings& settings);
