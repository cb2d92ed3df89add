// Answers the document's questions with a set answer and records them and its messages.
#pragma once

#include "document/prompt.h"

#include <string>
#include <vector>

class CRecordingPrompt : public CPrompt
{
public:
    PromptAnswer AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        return answer;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    PromptAnswer answer = PromptAnswer::Yes;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};
