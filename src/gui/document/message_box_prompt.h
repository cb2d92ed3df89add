// The program's questions and messages as modal message boxes.
#pragma once

#include "document/app_prompt.h"

#include <functional>

class QWidget;

// Message boxes titled with the program's name over the window the parent source gives at the
// time (none before the main window exists). Yes/No questions default to No, as deletions
// must; the save question defaults to Yes.
class CMessageBoxPrompt : public CAppPrompt
{
public:
    using ParentSource = std::function<QWidget*()>;
    explicit CMessageBoxPrompt(ParentSource parent = {}) : m_parent(std::move(parent)) {}
    void SetParentSource(ParentSource parent) { m_parent = std::move(parent); }

    PromptAnswer AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowMessageWithDetail(const std::string& text, const std::string& detail) override;
    SaveChangesAnswer AskSaveChanges(const std::string& title) override;

private:
    QWidget* Parent() const;
    ParentSource m_parent;
};
