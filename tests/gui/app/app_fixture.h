// The desktop program driven offscreen: an in-memory store, scripted answers and file choices.
#pragma once

#include "carousel_app.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

// Answers from a script and records every question and message; an unscripted question fails
// the test rather than blocking it.
class CScriptedAppPrompt : public CAppPrompt
{
public:
    PromptAnswer AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (yesNo.empty())
            throw std::logic_error("unexpected question: " + text);
        const PromptAnswer answer = yesNo.front();
        yesNo.pop_front();
        return answer;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    SaveChangesAnswer AskSaveChanges(const std::string& title) override
    {
        questions.push_back(SaveChangesText(title));
        if (saveChanges.empty())
            throw std::logic_error("unexpected save question for " + title);
        const SaveChangesAnswer answer = saveChanges.front();
        saveChanges.pop_front();
        return answer;
    }

    std::deque<PromptAnswer> yesNo;
    std::deque<SaveChangesAnswer> saveChanges;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

// Each dialog takes the next scripted path (none: cancelled) and records what it proposed.
class CScriptedFileChooser : public CFileChooser
{
public:
    std::optional<std::string> ChooseNetworkToOpen() override
    {
        asked.push_back("open");
        return Next();
    }
    std::optional<std::string> ChooseNetworkSaveAs(const std::string& proposal) override
    {
        asked.push_back("save as " + proposal);
        return Next();
    }
    std::optional<std::string> ChooseDxfExport(const std::string& proposal) override
    {
        asked.push_back("dxf " + proposal);
        return Next();
    }
    std::optional<std::string> ChooseReportSaveAs(const std::string& proposal) override
    {
        asked.push_back("report " + proposal);
        return Next();
    }
    std::optional<std::string> ChooseReportPdfSaveAs(const std::string& proposal) override
    {
        asked.push_back("report pdf " + proposal);
        return Next();
    }
    std::optional<std::string> ChooseTemplateSaveAs(const std::string& proposal) override
    {
        asked.push_back("template " + proposal);
        return Next();
    }
    std::optional<std::string> ChooseTemplateToOpen() override
    {
        asked.push_back("open template");
        return Next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked;

private:
    std::optional<std::string> Next()
    {
        if (answers.empty())
            throw std::logic_error("unexpected file dialog: " + asked.back());
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class CNoDownloads : public CUpdateDownloader
{
public:
    CUpdateDownload Download(const std::string&) override { return {}; }
};

class CNoAnnouncements : public CAnnouncementDisplay
{
public:
    void ShowAnnouncement(const CUpdateAnnouncement&) override {}
};

// A fresh folder per test: the auto-save directory and the networks the test writes.
class CAppTempDir
{
public:
    CAppTempDir()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("gyrolith-app-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~CAppTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CAppTempDir(const CAppTempDir&) = delete;
    CAppTempDir& operator=(const CAppTempDir&) = delete;

    std::string Dir() const { return m_path.string() + "/"; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// One application per test over its own store, settings records and clock. The store is set up
// so that start-up asks nothing about updates and auto-saves into the test's folder.
class AppFixture
{
public:
    AppFixture()
    {
        store.WriteProfileString("AutoSave", "AutoSaveDirectory", dir.Dir());
        store.WriteProfileString("Settings", "NotificationFrequency", "0");
        store.WriteProfileString("Settings", "NextNotificationTime", "010130000000");
    }
    ~AppFixture() { app.reset(); }

    CCarouselApp& Make()
    {
        app = std::make_unique<CCarouselApp>(CAppEnvironment{
            store, prompt, files, downloader, announcements, program, network, [this] {
                return now;
            }});
        return *app;
    }
    CCarouselApp& Start(const std::vector<std::string>& arguments = {})
    {
        Make();
        if (!app->InitInstance(arguments))
            throw std::logic_error("start-up failed");
        // Offscreen, nothing activates a window unless asked: the user's window is the active one.
        QApplication::setActiveWindow(app->GetMainFrame());
        QApplication::processEvents();
        return *app;
    }
    static std::string Example(const char* name)
    {
        return std::string(GYROLITH_SOURCE_DIR) + "/examples/" + name;
    }

    CAppTempDir dir;
    CMemorySettingsStore store;
    CScriptedAppPrompt prompt;
    CScriptedFileChooser files;
    CNoDownloads downloader;
    CNoAnnouncements announcements;
    ProgramSettings program;
    NetworkSettings network;
    std::int64_t now = 1'800'000'000;
    std::unique_ptr<CCarouselApp> app;
};
