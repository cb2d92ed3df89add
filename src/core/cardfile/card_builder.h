// Checked formatting of card fields, so that no card is written that reads back different.
#pragma once

#include <concepts>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

// A value a card cannot hold: wider than its fixed field, negative for an unsigned field, not
// a finite number, or a text with a line break in it. Raised while writing, before anything
// of the card reaches the file; the message names the field and the value, and the network
// writer adds the object it belongs to.
class errCardFieldRefused : public std::runtime_error
{
public:
    errCardFieldRefused(std::string field, std::string value, const std::string& message)
        : std::runtime_error(message), m_field(std::move(field)), m_value(std::move(value))
    {}

    const std::string& Field() const { return m_field; }
    const std::string& Value() const { return m_value; }

private:
    std::string m_field;
    std::string m_value;
};

// Runs format (which yields a card) and prefixes a refusal's message with the object the card
// describes ("Zone 2: The colour ... does not fit"), so the user can find what to change.
template <typename Format> std::string FormatForObject(const std::string& object, Format&& format)
{
    try {
        return format();
    } catch (const errCardFieldRefused& e) {
        throw errCardFieldRefused(e.Field(), e.Value(), object + ": " + e.what());
    }
}

// One field in a printf conversion: "%5i", "%5d", "%10d", "%5u" for integers, "% 22.15f" or
// "%10.3f" for reals. The text is what printf gives (the digits come from snprintf, with a "."
// whatever the C locale says); a result wider than the field's width raises
// errCardFieldRefused naming field. A malformed conversion is a programming error
// (std::logic_error).
std::string FormatCardInt(std::string_view conversion, long long value, std::string_view field);
std::string FormatCardReal(std::string_view conversion, double value, std::string_view field);
// "%s", "%5s" (right-justified) or "%-50s" (left-justified); widths count characters as they
// lie on disk. A longer text is written in full: texts are the last field of their card.
std::string FormatCardText(std::string_view conversion, std::string_view text,
                           std::string_view field);

// Builds one card line from its keyword and fields, each checked as above, ending in "\n" as
// the card writers expect. Example: CCardBuilder("LANE ").Field("%5i", number, "lane
// number").Field("%5i", length, "lane length").Line().
class CCardBuilder
{
public:
    explicit CCardBuilder(std::string_view keyword); // exactly five characters

    template <std::integral T>
    CCardBuilder& Field(std::string_view conversion, T value, std::string_view field)
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(long long)) {
            if (value > static_cast<T>(std::numeric_limits<long long>::max())) {
                TooLarge(field);
            }
        }
        m_line += FormatCardInt(conversion, static_cast<long long>(value), field);
        return *this;
    }

    template <std::floating_point T>
    CCardBuilder& Field(std::string_view conversion, T value, std::string_view field)
    {
        m_line += FormatCardReal(conversion, static_cast<double>(value), field);
        return *this;
    }

    CCardBuilder& Text(std::string_view conversion, std::string_view text, std::string_view field);
    // Fixed text of the card shape itself, such as " LONG".
    CCardBuilder& Literal(std::string_view text);

    // The card with its "\n".
    std::string Line() const { return m_line + '\n'; }

private:
    [[noreturn]] static void TooLarge(std::string_view field);

    std::string m_line;
};
