// Labels: lines of free text placed on the plan; the document owns them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CLabels;

// A point of a label's segment, in plan units.
struct CLabelPoint
{
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CLabelPoint&, const CLabelPoint&) = default;
};

// A label: 1..50 characters of text (blanks trimmed, "(blank)" for nothing), a text height in
// 0.1 mm, a colour 0x00BBGGRR and the segment the text runs along. A new label starts at
// (500, 500)-(600, 600) turned to bearing 45 degrees, which gives (500, 500)-(400, 600).
class CLabel
{
public:
    static constexpr std::size_t MaxTextLength = 50;
    // The text heights a stored label takes (the network file reader clamps into them).
    static constexpr std::int32_t MinTextHeight = 10;
    static constexpr std::int32_t MaxTextHeight = 1000;

    CLabel(CLabels* owner, std::uint32_t number, std::uint32_t id, std::int32_t textHeight);
    virtual ~CLabel() = default;
    CLabel(const CLabel&) = delete;
    CLabel& operator=(const CLabel&) = delete;

    CLabels* GetOwner() const { return m_owner; }
    std::uint32_t GetNumber() const { return m_number; }
    std::uint32_t GetId() const { return m_id; }

    // Applies the text rule (see LabelText).
    void SetText(const std::string& text);
    const std::string& GetText() const { return m_text; }
    std::int32_t GetTextHeight() const { return m_textHeight; }
    void SetTextHeight(std::int32_t height) { m_textHeight = height; }
    std::uint32_t GetColour() const { return m_colour; }
    void SetColour(std::uint32_t colour) { m_colour = colour; }

    const CLabelPoint& GetFirstPoint() const { return m_first; }
    const CLabelPoint& GetSecondPoint() const { return m_second; }
    void SetSegment(const CLabelPoint& first, const CLabelPoint& second);
    // Moves both points by (dx, dy).
    void Move(double dx, double dy);
    // Keeps the first point and the length; the second point goes to
    // (x0 - sin(b) * L, y0 + cos(b) * L).
    void SetBearing(double degrees);
    // (atan2(y0 - y1, x0 - x1) in degrees + 90) reduced into [0, 360).
    double GetBearing() const;

private:
    friend class CLabels;

    CLabels* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    std::string m_text = "(blank)";
    std::int32_t m_textHeight;
    std::uint32_t m_colour = 0;
    CLabelPoint m_first{500.0, 500.0};
    CLabelPoint m_second{600.0, 600.0};
};

// Blanks trimmed from both ends, "(blank)" when nothing is left, cut to 50 characters.
std::string LabelText(const std::string& text);

// The document's numbered labels (1..99; inserting beyond count + 1 creates the missing ones
// first). New labels take the text height given to the collection (DefLabelTextHeight).
class CLabels
{
public:
    static constexpr std::uint32_t MaxLabels = 99;
    static constexpr std::uint32_t FirstId = 1001;
    static constexpr std::int32_t DefaultTextHeight = 40;

    explicit CLabels(std::int32_t defaultTextHeight = DefaultTextHeight);
    virtual ~CLabels();
    CLabels(const CLabels&) = delete;
    CLabels& operator=(const CLabels&) = delete;

    std::int32_t GetDefaultTextHeight() const { return m_defaultTextHeight; }
    void SetDefaultTextHeight(std::int32_t height) { m_defaultTextHeight = height; }

    CLabel* InsertLabel(std::uint32_t number);
    bool RemoveLabel(std::uint32_t number);
    CLabel* GetLabel(std::uint32_t number) const;
    CLabel* GetLabelById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_labels.size()); }

private:
    void Renumber();

    std::int32_t m_defaultTextHeight;
    std::vector<std::unique_ptr<CLabel>> m_labels;
    std::map<std::uint32_t, CLabel*> m_byId;
    std::uint32_t m_nextId = FirstId;
};
