// Labels: the text rule, the segment and the numbered collection.
#include "model/label.h"

#include <cmath>
#include <numbers>

namespace
{

// 180 / pi exactly: a rounder constant puts a segment pointing straight down at 359.99999999
// degrees instead of 0, which flips its text to the other side.
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

} // namespace

std::string LabelText(const std::string& text)
{
    const char* blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "(blank)";
    }
    const std::size_t last = text.find_last_not_of(blanks);
    std::string trimmed = text.substr(first, last - first + 1);
    if (trimmed.size() > CLabel::MaxTextLength) {
        // Cut on a character boundary: core strings are UTF-8.
        std::size_t cut = 0;
        std::size_t characters = 0;
        while (cut < trimmed.size() && characters < CLabel::MaxTextLength) {
            ++cut;
            while (cut < trimmed.size() &&
                   (static_cast<unsigned char>(trimmed[cut]) & 0xC0) == 0x80) {
                ++cut;
            }
            ++characters;
        }
        trimmed.resize(cut);
    }
    return trimmed;
}

CLabel::CLabel(CLabels* owner, std::uint32_t number, std::uint32_t id, std::int32_t textHeight)
    : m_owner(owner), m_number(number), m_id(id), m_textHeight(textHeight)
{
    SetBearing(45.0);
}

void CLabel::SetText(const std::string& text)
{
    m_text = LabelText(text);
}

void CLabel::SetSegment(const CLabelPoint& first, const CLabelPoint& second)
{
    m_first = first;
    m_second = second;
}

void CLabel::Move(double dx, double dy)
{
    m_first.x += dx;
    m_first.y += dy;
    m_second.x += dx;
    m_second.y += dy;
}

void CLabel::SetBearing(double degrees)
{
    const double length = std::hypot(m_second.x - m_first.x, m_second.y - m_first.y);
    const double radians = degrees / DegreesPerRadian;
    m_second.x = m_first.x - std::sin(radians) * length;
    m_second.y = m_first.y + std::cos(radians) * length;
}

double CLabel::GetBearing() const
{
    double bearing =
        std::atan2(m_first.y - m_second.y, m_first.x - m_second.x) * DegreesPerRadian + 90.0;
    bearing = std::fmod(bearing, 360.0);
    return bearing < 0.0 ? bearing + 360.0 : bearing;
}

CLabels::CLabels(std::int32_t defaultTextHeight) : m_defaultTextHeight(defaultTextHeight) {}

CLabels::~CLabels() = default;

CLabel* CLabels::InsertLabel(std::uint32_t number)
{
    if (number < 1 || number > MaxLabels || GetCount() >= MaxLabels) {
        return nullptr;
    }
    while (GetCount() + 1 < number) {
        InsertLabel(GetCount() + 1);
    }
    auto label = std::make_unique<CLabel>(this, number, m_nextId++, m_defaultTextHeight);
    CLabel* raw = label.get();
    m_labels.insert(m_labels.begin() + (number - 1), std::move(label));
    m_byId[raw->GetId()] = raw;
    Renumber();
    return raw;
}

bool CLabels::RemoveLabel(std::uint32_t number)
{
    CLabel* label = GetLabel(number);
    if (!label) {
        return false;
    }
    m_byId.erase(label->GetId());
    std::unique_ptr<CLabel> doomed = std::move(m_labels[number - 1]);
    m_labels.erase(m_labels.begin() + (number - 1));
    Renumber();
    return true;
}

CLabel* CLabels::GetLabel(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_labels[number - 1].get() : nullptr;
}

CLabel* CLabels::GetLabelById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CLabels::Renumber()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}
