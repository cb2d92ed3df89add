// The "Edit Flow Group" dialog without its window.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>
#include <vector>

class CFlowGroup;

// "Flow Group Number :" (1..count, "%2d"), "Flow Group Title", "Flow Group Start Time" and
// "Flow Group End Time (Assumed to be next day if prior to start time)" ("%H:%M"). Times are
// whole minutes of one day, as the time boxes give them; OK refuses equal times, and a title
// with a line break. The title is kept as the network file gives it back: blanks trimmed,
// at most 80 characters.
class CDlgEditFlowGroupModel
{
public:
    static constexpr const char* Title = "Edit Flow Group";
    static constexpr const char* NumberCaption = "Flow Group Number :";
    static constexpr const char* TitleCaption = "Flow Group Title";
    static constexpr const char* StartCaption = "Flow Group Start Time";
    static constexpr const char* EndCaption =
        "Flow Group End Time (Assumed to be next day if prior to start time)";
    static constexpr std::size_t MaxTitleLength = 80;

    explicit CDlgEditFlowGroupModel(const CFlowGroup& group);

    const std::vector<std::string>& GetNumberChoices() const { return m_choices; }
    std::uint32_t GetNumber() const { return m_number; }
    bool SetNumber(std::uint32_t number);

    const std::string& GetTitleField() const { return m_title; }
    void SetTitleField(std::string title) { m_title = std::move(title); }

    // Seconds since midnight, taken to whole minutes within one day.
    std::int64_t GetStart() const { return m_start; }
    std::int64_t GetEnd() const { return m_end; }
    void SetStart(std::int64_t seconds) { m_start = TimeOfDay(seconds); }
    void SetEnd(std::int64_t seconds) { m_end = TimeOfDay(seconds); }
    std::string GetStartText() const;
    std::string GetEndText() const;

    CValidationResult Validate() const;
    // The description OK stores.
    std::string GetDescription() const;

private:
    static std::int64_t TimeOfDay(std::int64_t seconds);

    std::vector<std::string> m_choices;
    std::uint32_t m_number;
    std::string m_title;
    std::int64_t m_start;
    std::int64_t m_end;
};
