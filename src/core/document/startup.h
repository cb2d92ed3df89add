// The decisions of start-up and exit, as steps the application calls.
#pragma once

#include "document/auto_save_manager.h"
#include "settings/program_settings.h"
#include "document/prompt.h"
#include "document/recent_file_list.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

// The command line as the desktop framework reads it: the first argument that is not an option
// (does not start with "-") names a file to open; without one a new document is asked for.
CStartupCommand ParseCommandLine(const std::vector<std::string>& arguments);

// Steps 6 and 7 of start-up: parse the command line; a new document without a file becomes
// nothing when DefCreateBlankFileOnStartup is off; then the recovery check, which may turn the
// command into opening the recovered file. The caller carries out the command and then calls
// autoSave.TakeLock().
CStartupCommand DecideStartup(const std::vector<std::string>& arguments,
                              const ProgramSettings& settings, CAutoSaveManager& autoSave,
                              CPrompt& prompt);

// A normal exit: settings back to the store, then the auto-save file goes. False when the store
// refused a value; the auto-save file is deleted anyway.
bool ExitCleanup(CSettingsStore& store, const ProgramSettings& settings,
                 const CRecentFileList& recentFiles, CAutoSaveManager& autoSave);
