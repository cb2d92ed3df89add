// Start-up and exit decisions.
#include "document/startup.h"

#include "settings/settings_persistence.h"

CStartupCommand ParseCommandLine(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (!argument.empty() && argument.front() != '-')
            return {CStartupCommand::Kind::FileOpen, argument};
    return {CStartupCommand::Kind::FileNew, {}};
}

CStartupCommand DecideStartup(const std::vector<std::string>& arguments,
                              const ProgramSettings& settings, CAutoSaveManager& autoSave,
                              CPrompt& prompt)
{
    CStartupCommand command = ParseCommandLine(arguments);
    if (command.kind == CStartupCommand::Kind::FileNew && !settings.DefCreateBlankFileOnStartup)
        command.kind = CStartupCommand::Kind::Nothing;
    autoSave.CheckAtStartup(command, prompt);
    return command;
}

bool ExitCleanup(CSettingsStore& store, const ProgramSettings& settings,
                 const CRecentFileList& recentFiles, CAutoSaveManager& autoSave)
{
    const bool settingsWritten = SaveSettings(store, settings);
    const bool recentWritten = recentFiles.Save(store);
    autoSave.CleanupAtExit();
    return settingsWritten && recentWritten;
}
