// What the desktop program asks the user beyond the document's own questions.
#pragma once

#include "document/prompt.h"

#include <string>

enum class SaveChangesAnswer
{
    Yes,
    No,
    Cancel,
};

// The document's prompt plus the three-way question put before a modified network is closed.
// The desktop program shows message boxes; tests answer from a script.
class CAppPrompt : public CPrompt
{
public:
    // "Save changes to <title>?" with Yes, No and Cancel.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& title) = 0;

    static std::string SaveChangesText(const std::string& title)
    {
        return "Save changes to " + title + "?";
    }
};
