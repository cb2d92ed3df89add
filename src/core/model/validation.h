// The answer of a check on values the user typed: accepted, or refused with the message to show.
#pragma once

#include <string>
#include <utility>

// Result of validating user input. A refusal carries the exact text the program shows in its
// message box; an acceptance carries no text.
struct CValidationResult
{
    bool accepted = true;
    std::string message;

    static CValidationResult Accept() { return {}; }
    static CValidationResult Refuse(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return accepted; }
};
