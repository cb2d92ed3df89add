// Checked formatting of card fields, so that no card is written that reads back different.
#pragma once

#include <concepts>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

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
// describes ("Zone 2: The colour ... does not fit"), so the user can find what to change. object
// is the name or a callable that makes it, so that the name is built only for a refusal.
template <typename Object, typename Format>
std::string FormatForObject(const Object& object, Format&& format)
{
    try {
        return format();
    } catch (const errCardFieldRefused& e) {
        std::string name;
        if constexpr (std::is_invocable_v<const Object&>) {
            name = object();
        } else {
            name = object;
        }
        throw errCardFieldRefused(e.Field(), e.Value(), name + ": " + e.what());
    }
}

// One field in a printf conversion: "%5i", "%5d", "%10d", "%5u" for integers, "% 22.15f" or
// "%10.3f" for reals, "%s", "%5s" (right-justified) or "%-50s" (left-justified) for texts.
struct CCardConversion
{
    bool left = false;  // '-'
    bool plus = false;  // '+'
    bool space = false; // ' '
    bool zero = false;  // '0'
    int width = 0;      // 0: no width, the field runs to the end of the card
    int precision = -1;
    char type = 0;

    // Reads text, whose type letter must be one of types; a malformed conversion (or a text
    // conversion with a precision or a flag other than '-') is a programming error
    // (std::logic_error).
    static constexpr CCardConversion Parse(std::string_view text, std::string_view types)
    {
        CCardConversion conv;
        std::size_t pos = 0;
        if (text.empty() || text[pos++] != '%') {
            Malformed(text);
        }
        for (bool flag = true; flag && pos < text.size(); pos += flag ? 1 : 0) {
            const char c = text[pos];
            conv.left = conv.left || c == '-';
            conv.plus = conv.plus || c == '+';
            conv.space = conv.space || c == ' ';
            conv.zero = conv.zero || c == '0';
            flag = c == '-' || c == '+' || c == ' ' || c == '0';
        }
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && conv.width < 1000) {
            conv.width = conv.width * 10 + (text[pos++] - '0');
        }
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            conv.precision = 0;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' &&
                   conv.precision < 100) {
                conv.precision = conv.precision * 10 + (text[pos++] - '0');
            }
        }
        bool known = false;
        for (std::size_t t = 0; pos + 1 == text.size() && t < types.size(); ++t) {
            known = known || types[t] == text[pos];
        }
        if (!known) {
            Malformed(text);
        }
        conv.type = text[pos];
        if (conv.type == 's' && (conv.precision >= 0 || conv.plus || conv.space || conv.zero)) {
            Malformed(text);
        }
        return conv;
    }

private:
    [[noreturn]] static void Malformed(std::string_view text)
    {
        throw std::logic_error("bad card field conversion: " + std::string(text));
    }
};

// A conversion written into the code. The constructor is inline and its text a literal, so the
// compiler parses it away: a card builder formats half a million fields for one undo checkpoint
// of a large network.
template <char... Types> struct CCardFixedConversion : CCardConversion
{
    constexpr CCardFixedConversion(const char* text)
        : CCardConversion(Parse(text, std::string_view(kTypes, sizeof...(Types))))
    {}

private:
    static constexpr char kTypes[] = {Types...};
};
using CCardIntConversion = CCardFixedConversion<'d', 'i', 'u'>;
using CCardRealConversion = CCardFixedConversion<'f'>;
using CCardTextConversion = CCardFixedConversion<'s'>;

// The text of one field as printf gives it in the "C" locale, so the point is a "." whatever
// locale a GUI has set; a result wider than the field's width raises errCardFieldRefused naming
// field. Texts: widths count characters as they lie on disk, and a longer text is written in
// full, texts being the last field of their card.
std::string FormatCardInt(std::string_view conversion, long long value, std::string_view field);
std::string FormatCardReal(std::string_view conversion, double value, std::string_view field);
std::string FormatCardText(std::string_view conversion, std::string_view text,
                           std::string_view field);
// The same with a parsed conversion, appended to out; a refused field leaves out as it was.
void AppendCardInt(std::string& out, const CCardConversion& conv, long long value,
                   std::string_view field);
void AppendCardReal(std::string& out, const CCardConversion& conv, double value,
                    std::string_view field);
void AppendCardText(std::string& out, const CCardConversion& conv, std::string_view text,
                    std::string_view field);

// Builds one card line from its keyword and fields, each checked as above, ending in "\n" as
// the card writers expect. Example: CCardBuilder("LANE ").Field("%5i", number, "lane
// number").Field("%5i", length, "lane length").Line().
class CCardBuilder
{
public:
    explicit CCardBuilder(std::string_view keyword); // exactly five characters

    template <std::integral T>
    CCardBuilder& Field(CCardIntConversion conversion, T value, std::string_view field)
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(long long)) {
            if (value > static_cast<T>(std::numeric_limits<long long>::max())) {
                TooLarge(field);
            }
        }
        AppendCardInt(m_line, conversion, static_cast<long long>(value), field);
        return *this;
    }

    template <std::floating_point T>
    CCardBuilder& Field(CCardRealConversion conversion, T value, std::string_view field)
    {
        AppendCardReal(m_line, conversion, static_cast<double>(value), field);
        return *this;
    }

    CCardBuilder& Text(CCardTextConversion conversion, std::string_view text,
                       std::string_view field);
    // Fixed text of the card shape itself, such as " LONG".
    CCardBuilder& Literal(std::string_view text);

    // The card with its "\n", moved out of the builder, which is left empty.
    std::string Line()
    {
        m_line += '\n';
        return std::move(m_line);
    }

private:
    [[noreturn]] static void TooLarge(std::string_view field);

    std::string m_line;
};
