// The desktop program driven offscreen: an in-memory store, scripted answers and file choices.
#pragma once

#include "carousel_app.h"
#include "settings/settings_store.h"
#include "temp_dir.h"

#include <QApplication>
#include <deque>
#include <memory>
#include <optional>
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
    std::optional<std::string> ChooseNetworkToOpen() override { return Next("open"); }
    std::optional<std::string> ChooseNetworkSaveAs(const std::string& proposal) override
    {
        return Next("save as " + proposal);
    }
    std::optional<std::string> ChooseDxfExport(const std::string& proposal) override
    {
        return Next("dxf " + proposal);
    }
    std::optional<std::string> ChooseReportSaveAs(const std::string& proposal) override
    {
        return Next("report " + proposal);
    }
    std::optional<std::string> ChooseReportPdfSaveAs(const std::string& proposal) override
    {
        return Next("report pdf " + proposal);
    }
    std::optional<std::string> ChooseTemplateSaveAs(const std::string& proposal) override
    {
        return Next("template " + proposal);
    }
    std::optional<std::string> ChooseTemplateToOpen() override { return Next("open template"); }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked;

private:
    std::optional<std::string> Next(const std::string& question)
    {
        asked.push_back(question);
        if (answers.empty())
            throw std::logic_error("unexpected file dialog: " + question);
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

    CTempDir dir; // the auto-save directory and the networks the test writes
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
