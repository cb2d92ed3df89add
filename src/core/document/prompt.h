// Questions and messages the document puts to the user, without knowing any window.
#pragma once

#include <string>
#include <vector>

struct CReadAdjustment;

enum class PromptAnswer
{
    Yes,
    No,
};

// The desktop program shows these as modal message boxes; tests answer from a script. A Yes/No
// question has No as its default button.
class CPrompt
{
public:
    virtual ~CPrompt() = default;
    virtual PromptAnswer AskYesNo(const std::string& text) = 0;
    // An OK message (an error or a refusal).
    virtual void ShowMessage(const std::string& text) = 0;
    // The same with detail text that the box keeps out of the way until asked for (where a
    // damaged file went wrong). Where there is no room for it, it follows on a line of its own.
    virtual void ShowMessageWithDetail(const std::string& text, const std::string& detail)
    {
        ShowMessage(detail.empty() ? text : text + "\n" + detail);
    }
    // What the reader of an opened file changed so that it can be saved again; by default one
    // message that lists the first of them.
    virtual void ShowReadAdjustments(const std::vector<CReadAdjustment>& adjustments);
};
