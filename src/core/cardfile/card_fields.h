// The fields of a card declared once, as its column table, for one reader and one formatter.
#pragma once

#include "cardfile/card_builder.h"
#include "cardfile/card_line.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// Where the reader found a field: its first column and its width (0: to the end of the card).
struct CCardFieldPlace
{
    const CCardLine& card;
    std::size_t column;
    std::size_t width;
};

// One field of a card of Record: how it is written (a printf conversion whose width is also the
// width read), what a refusal calls it, and how it goes to and from the record. Fields follow
// one another from column 5, so a list of them is the card's column table.
template <typename Record> struct CCardField
{
    enum class Kind : unsigned char
    {
        Value,
        // Ten columns in the long form, five in a card without the " LONG" marker.
        Coordinate,
        // Fixed text of the card shape; name holds it and conversion.width its columns.
        Literal,
        // " LONG" written; read when the card has it there, and otherwise taking no columns.
        LongMarker,
    };

    using AppendFn = void (*)(std::string& out, const CCardField& field, const Record& record);
    using ReadFn = void (*)(const CCardFieldPlace& place, Record& record);
    using ValueFn = long long (*)(const Record& record);

    Kind kind = Kind::Value;
    CCardConversion conversion;
    std::string_view name;
    AppendFn append = nullptr;
    ReadFn read = nullptr; // none: the card's own code reads it, or nothing does
    ValueFn value = nullptr;
    std::size_t presentFrom = 0;

    // Read only from a card at least length characters long; a shorter card leaves the
    // member as it was.
    constexpr CCardField From(std::size_t length) const
    {
        CCardField field = *this;
        field.presentFrom = length;
        return field;
    }
    // Written from the list but read by the card's own code.
    constexpr CCardField WrittenOnly() const
    {
        CCardField field = *this;
        field.read = nullptr;
        return field;
    }
};

// Reads fields from column on into record and returns the column after them.
template <typename Record>
std::size_t ReadCardFields(const CCardLine& card,
                           std::type_identity_t<std::span<const CCardField<Record>>> fields,
                           Record& record, std::size_t column = 5)
{
    using Kind = typename CCardField<Record>::Kind;
    bool longForm = true;
    for (const CCardField<Record>& field : fields) {
        auto width = static_cast<std::size_t>(field.conversion.width);
        if (field.kind == Kind::LongMarker) {
            longForm = card.Field(column, 5) == " LONG";
            width = longForm ? 5 : 0;
        } else if (field.kind == Kind::Coordinate && !longForm) {
            width = 5;
        }
        if (field.read != nullptr && card.Length() >= field.presentFrom) {
            field.read({card, column, width}, record);
        }
        column += width;
    }
    return column;
}

// A record read from card, its members outside fields as the record's default constructor
// leaves them.
template <typename Record>
Record ReadCardRecord(const CCardLine& card,
                      std::type_identity_t<std::span<const CCardField<Record>>> fields)
{
    Record record;
    ReadCardFields<Record>(card, fields, record);
    return record;
}

// Appends the fields of record to out; a refused field raises errCardFieldRefused.
template <typename Record>
void AppendCardFields(std::string& out,
                      std::type_identity_t<std::span<const CCardField<Record>>> fields,
                      const Record& record)
{
    for (const CCardField<Record>& field : fields) {
        field.append(out, field, record);
    }
}

// The card: its keyword, the fields of record and "\n".
template <typename Record>
std::string FormatCardFields(std::string_view keyword,
                             std::type_identity_t<std::span<const CCardField<Record>>> fields,
                             const Record& record)
{
    std::string line(keyword);
    line.reserve(128);
    AppendCardFields<Record>(line, fields, record);
    line += '\n';
    return line;
}

// The field declarations: cardfield::Int<&CCardLane::length>("%5i", "lane length").
namespace cardfield
{
template <typename C, typename T> C RecordOf(T C::*);
template <auto Member> using RecordOfMember = decltype(RecordOf(Member));

template <typename Record>
constexpr CCardField<Record> Custom(CCardConversion conversion, std::string_view name,
                                    typename CCardField<Record>::AppendFn append,
                                    typename CCardField<Record>::ReadFn read)
{
    CCardField<Record> field;
    field.conversion = conversion;
    field.name = name;
    field.append = append;
    field.read = read;
    return field;
}

// How a value of a member goes into a field and comes out of one.
struct CIntCodec
{
    template <typename T>
    static void Append(std::string& out, const CCardConversion& conv, T value,
                       std::string_view name)
    {
        static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>);
        AppendCardInt(out, conv, static_cast<long long>(value), name);
    }
    template <typename T> static void Read(const CCardFieldPlace& p, T& value)
    {
        value = static_cast<T>(p.card.Int(p.column, p.width));
    }
};

// A colour 0x00BBGGRR stored as the signed 32-bit value, so that every value fits ten columns.
struct CColourCodec
{
    static void Append(std::string& out, const CCardConversion& conv, std::uint32_t value,
                       std::string_view name)
    {
        AppendCardInt(out, conv, static_cast<std::int32_t>(value), name);
    }
    static void Read(const CCardFieldPlace& p, std::uint32_t& value)
    {
        value = static_cast<std::uint32_t>(p.card.Int(p.column, p.width));
    }
};

// A bool written as 1 or 0 and read as true for any number but 0, or with Positive only for a
// number above 0.
template <bool Positive> struct CFlagCodec
{
    static void Append(std::string& out, const CCardConversion& conv, bool value,
                       std::string_view name)
    {
        AppendCardInt(out, conv, value ? 1 : 0, name);
    }
    static void Read(const CCardFieldPlace& p, bool& value)
    {
        const int number = p.card.Int(p.column, p.width);
        value = Positive ? number > 0 : number != 0;
    }
};

struct CRealCodec
{
    static void Append(std::string& out, const CCardConversion& conv, double value,
                       std::string_view name)
    {
        AppendCardReal(out, conv, value, name);
    }
    static void Read(const CCardFieldPlace& p, double& value)
    {
        value = p.card.Real(p.column, p.width);
    }
};

// A text without a width in its conversion runs to the end of the card.
struct CTextCodec
{
    static void Append(std::string& out, const CCardConversion& conv, std::string_view value,
                       std::string_view name)
    {
        AppendCardText(out, conv, value, name);
    }
    static void Read(const CCardFieldPlace& p, std::string& value)
    {
        value = std::string(p.width > 0 ? p.card.Field(p.column, p.width) : p.card.Rest(p.column));
    }
};

template <auto Member, typename Codec>
constexpr CCardField<RecordOfMember<Member>> MemberField(CCardConversion conversion,
                                                         std::string_view name)
{
    using Record = RecordOfMember<Member>;
    return Custom<Record>(
        conversion, name,
        [](std::string& out, const CCardField<Record>& f, const Record& r) {
            Codec::Append(out, f.conversion, r.*Member, f.name);
        },
        [](const CCardFieldPlace& p, Record& r) { Codec::Read(p, r.*Member); });
}

// Makes the field of a member with Codec: Int<&CCardLane::length>("%5i", "lane length").
template <auto Member, typename Codec, typename Conversion, bool IsCoordinate = false>
struct CMemberFieldMaker
{
    constexpr CCardField<RecordOfMember<Member>> operator()(Conversion conversion,
                                                            std::string_view name) const
    {
        auto field = MemberField<Member, Codec>(conversion, name);
        if (IsCoordinate) {
            field.kind = CCardField<RecordOfMember<Member>>::Kind::Coordinate;
        }
        return field;
    }
};

// A whole number of any integral member but bool.
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CIntCodec, CCardIntConversion> Int{};
// A plan coordinate: see CCardField::Kind::Coordinate.
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CIntCodec, CCardIntConversion, true> Coordinate{};
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CColourCodec, CCardIntConversion> Colour{};
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CFlagCodec<false>, CCardIntConversion> Flag{};
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CFlagCodec<true>, CCardIntConversion> PositiveFlag{};
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CRealCodec, CCardRealConversion> Real{};
template <auto Member>
inline constexpr CMemberFieldMaker<Member, CTextCodec, CCardTextConversion> Text{};

// A whole number the record does not hold as it is written (a count, a reserved value);
// reading skips it.
template <typename Record>
constexpr CCardField<Record> Written(CCardIntConversion conversion, std::string_view name,
                                     typename CCardField<Record>::ValueFn value)
{
    auto field = Custom<Record>(
        conversion, name,
        [](std::string& out, const CCardField<Record>& f, const Record& r) {
            AppendCardInt(out, f.conversion, f.value(r), f.name);
        },
        nullptr);
    field.value = value;
    return field;
}

template <typename Record> constexpr CCardField<Record> Literal(std::string_view text)
{
    CCardField<Record> field;
    field.kind = CCardField<Record>::Kind::Literal;
    field.name = text;
    // Columns count characters: UTF-8 continuation bytes take none.
    for (const char c : text) {
        field.conversion.width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    field.append = [](std::string& out, const CCardField<Record>& f, const Record&) {
        out += f.name;
    };
    return field;
}

template <typename Record> constexpr CCardField<Record> LongMarker()
{
    auto field = Literal<Record>(" LONG");
    field.kind = CCardField<Record>::Kind::LongMarker;
    return field;
}
} // namespace cardfield
