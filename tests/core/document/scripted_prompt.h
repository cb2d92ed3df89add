// A prompt that answers from a script and records what it was asked.
#pragma once

#include "document/prompt.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

class CScriptedPrompt : public CPrompt
{
public:
    CScriptedPrompt() = default;
    CScriptedPrompt(std::initializer_list<PromptAnswer> answers) : m_answers(answers) {}

    void Answer(PromptAnswer answer) { m_answers.push_back(answer); }

    PromptAnswer AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (m_answers.empty())
            throw std::logic_error("unexpected question: " + text);
        const PromptAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowMessageWithDetail(const std::string& text, const std::string& detail) override
    {
        messages.push_back(text);
        details.push_back(detail);
    }

    bool ScriptUsedUp() const { return m_answers.empty(); }

    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> details; // of the messages that came with detail text

private:
    std::deque<PromptAnswer> m_answers;
};
