// Auto-saving the open network and offering what a crashed run left behind.
#pragma once

#include "document/prompt.h"
#include "platform/file_lock.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

struct ProgramSettings;

// What auto-save needs of a document.
class CAutoSaveDocument
{
public:
    virtual ~CAutoSaveDocument() = default;
    virtual bool IsModified() const = 0;
    virtual void SetModifiedFlag(bool modified) = 0;
    // Writes the whole document to path without making it the document's own path; throws on
    // failure.
    virtual void SaveToPath(const std::filesystem::path& path) = 0;
    // An auto-save failed with message; told once, until an auto-save succeeds again.
    virtual void OnAutoSaveFailed(const std::string& message) { (void)message; }
};

// What the program does once start-up is over: nothing, a blank network, or open a file.
struct CStartupCommand
{
    enum class Kind
    {
        Nothing,
        FileNew,
        FileOpen,
    };
    Kind kind = Kind::FileNew;
    std::string path;
    friend bool operator==(const CStartupCommand&, const CStartupCommand&) = default;
};

// Chooses this run's auto-save file (stem, a number 0..999 and the extension in the auto-save
// directory, the first that does not exist), writes a modified document there from idle ticks
// at most every AutoSaveInterval seconds, and holds an exclusive advisory lock (flock) on the
// file in between so that another running copy never offers it for recovery. The clock is
// seconds since 1970 and can be replaced for tests. The file is deleted at a normal exit; after
// a crash it stays behind and CheckAtStartup offers it.
class CAutoSaveManager
{
public:
    static constexpr std::int64_t AutoSaveInterval = 10;
    static constexpr int MaxFileNumber = 1000;

    using Clock = std::function<std::int64_t()>;
    using DirectorySource = std::function<std::string()>;

    // The directory is asked for each time it is needed: the settings' AutoSaveDirectory as it
    // is then, or the per-user default when that is empty. The settings must outlive this.
    explicit CAutoSaveManager(const ProgramSettings& settings);
    CAutoSaveManager(DirectorySource directory, Clock clock);
    virtual ~CAutoSaveManager();
    CAutoSaveManager(const CAutoSaveManager&) = delete;
    CAutoSaveManager& operator=(const CAutoSaveManager&) = delete;

    // Ends in a separator.
    virtual std::string GetAutoSaveDirectory() const;
    virtual std::string GetAutoSaveFileStem() const { return "GyrolithAutoRecover"; }
    virtual std::string GetAutoSaveFileExtension() const { return "crs"; }

    // Start-up: looks for auto-save files that no running copy holds and offers the first with
    // the recovery message. Yes turns command into opening it; Yes or No, it becomes this run's
    // auto-save file. True when the command was changed.
    bool CheckAtStartup(CStartupCommand& command, CPrompt& prompt);
    // Opens the chosen file (when one is chosen and exists) and locks it; failures are ignored.
    void TakeLock();
    void ReleaseLock();
    bool IsLocked() const { return m_lock.IsHeld(); }

    void IdleTick(CAutoSaveDocument* activeDocument);
    // Releases the lock and deletes this run's auto-save file.
    void CleanupAtExit();

    // The name stands once chosen; empty when all 1000 names are taken.
    const std::string& ChooseFileName();
    const std::string& GetAutoSaveFileName() const { return m_fileName; }
    bool IsFileNameChosen() const { return m_fileNameChosen; }
    std::int64_t GetNextCheckTime() const { return m_nextCheckTime; }

    // The recovery message for a file last saved at the given time (none when unknown).
    static std::string RecoveryMessage(std::optional<std::int64_t> lastSaved);

private:
    std::string PreparedDirectory() const;

    DirectorySource m_directory;
    Clock m_clock;
    std::int64_t m_nextCheckTime = 0;
    std::string m_fileName;
    bool m_fileNameChosen = false;
    CFileLock m_lock;
    bool m_lastAutoSaveFailed = false;
};

// A long local date and time, such as "Monday, 07 December 2026 08:03:50".
std::string FormatLongDateTime(std::int64_t secondsSince1970);
