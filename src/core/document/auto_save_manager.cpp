// Auto-save file choice, idle saving, the lock between running copies and the recovery offer.
#include "document/auto_save_manager.h"

#include "settings/program_settings.h"
#include "settings/settings_persistence.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace
{

std::int64_t SystemSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

std::string FormatLongDateTime(std::int64_t secondsSince1970)
{
    const auto time = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!::localtime_r(&time, &local))
        return {};
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%A, %d %B %Y %H:%M:%S", &local);
    return std::string(text, length);
}

CAutoSaveManager::CAutoSaveManager(const ProgramSettings& settings)
    : CAutoSaveManager(
          [&settings] {
              const std::string& directory = settings.AutoSaveDirectory;
              return directory.empty() ? DefaultAutoSaveDirectory() : directory;
          },
          SystemSeconds)
{}

CAutoSaveManager::CAutoSaveManager(DirectorySource directory, Clock clock)
    : m_directory(std::move(directory)), m_clock(std::move(clock))
{}

CAutoSaveManager::~CAutoSaveManager()
{
    ReleaseLock();
}

std::string CAutoSaveManager::GetAutoSaveDirectory() const
{
    std::string directory = m_directory();
    if (directory.empty())
        directory = DefaultAutoSaveDirectory();
    if (directory.back() != '/')
        directory += '/';
    return directory;
}

std::string CAutoSaveManager::PreparedDirectory() const
{
    const std::string directory = GetAutoSaveDirectory();
    std::error_code ignored;
    if (std::filesystem::create_directories(directory, ignored))
        // A directory we made holds networks: only the user may look in.
        std::filesystem::permissions(directory, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ignored);
    return directory;
}

const std::string& CAutoSaveManager::ChooseFileName()
{
    if (m_fileNameChosen)
        return m_fileName;
    const std::string directory = PreparedDirectory();
    for (int i = 0; i < MaxFileNumber; ++i) {
        std::string candidate = directory + GetAutoSaveFileStem() + std::to_string(i) + "." +
                                GetAutoSaveFileExtension();
        std::error_code error;
        if (!std::filesystem::exists(candidate, error) && !error) {
            m_fileName = std::move(candidate);
            m_fileNameChosen = true;
            break;
        }
    }
    return m_fileName;
}

void CAutoSaveManager::TakeLock()
{
    if (m_lock.IsHeld() || m_fileName.empty())
        return;
    m_lock = CFileLock::TryExclusive(m_fileName);
}

void CAutoSaveManager::ReleaseLock()
{
    m_lock.Release();
}

void CAutoSaveManager::IdleTick(CAutoSaveDocument* activeDocument)
{
    if (!activeDocument)
        return;
    const std::int64_t now = m_clock();
    if (now <= m_nextCheckTime)
        return;
    if (activeDocument->IsModified()) {
        const std::string path = ChooseFileName();
        if (!path.empty()) {
            ReleaseLock();
            // The next try follows after the interval; the user hears of a failure once.
            try {
                activeDocument->SaveToPath(path);
                m_lastAutoSaveFailed = false;
            } catch (const std::exception& error) {
                if (!m_lastAutoSaveFailed)
                    activeDocument->OnAutoSaveFailed(error.what());
                m_lastAutoSaveFailed = true;
            }
            activeDocument->SetModifiedFlag(true);
            TakeLock();
        }
    }
    m_nextCheckTime = now + AutoSaveInterval;
}

void CAutoSaveManager::CleanupAtExit()
{
    ReleaseLock();
    const std::string& path = ChooseFileName();
    if (!path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

std::string CAutoSaveManager::RecoveryMessage(std::optional<std::int64_t> lastSaved)
{
    std::string message = "An AutoRecovered file has been found.  This has most likely occurred "
                          "because  your last session crashed or closed improperly.\n\n";
    if (lastSaved)
        message +=
            "The AutoRecovered file was last saved on " + FormatLongDateTime(*lastSaved) + "\n\n";
    message += "Would you like to open the AutoRecovered file so that you can resave it ?";
    return message;
}

bool CAutoSaveManager::CheckAtStartup(CStartupCommand& command, CPrompt& prompt)
{
    const std::string directory = PreparedDirectory();
    const std::string stem = GetAutoSaveFileStem();
    const std::string suffix = "." + GetAutoSaveFileExtension();

    std::vector<std::string> matches;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(directory, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= stem.size() + suffix.size() && name.starts_with(stem) &&
            name.ends_with(suffix))
            matches.push_back(directory + name);
    }
    // The directory's own order is arbitrary here; by name is what a user would expect.
    std::sort(matches.begin(), matches.end());

    for (const std::string& path : matches) {
        std::optional<std::int64_t> lastSaved;
        {
            const CFileLock lock = CFileLock::TryExclusive(path);
            if (!lock.IsHeld())
                continue; // a running copy holds it
            lastSaved = lock.LastModified();
        }

        const bool open = prompt.AskYesNo(RecoveryMessage(lastSaved)) == PromptAnswer::Yes;
        if (open)
            command = {CStartupCommand::Kind::FileOpen, path};
        m_fileName = path;
        m_fileNameChosen = true;
        return open;
    }
    return false;
}
