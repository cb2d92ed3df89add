// The SCHEM and SVERS cards that open a network file.
#pragma once

#include <string>
#include <string_view>

// The schema version of a file ("1.3"), from column 5 to the end of the line. A wrong keyword
// raises errExpectedCardNotFound with an empty message, like the other network cards.
class CCardSchema
{
public:
    static constexpr std::string_view kKeyword = "SCHEM";

    explicit CCardSchema(std::string text) : m_text(std::move(text)) {}
    static CCardSchema FromLine(std::string_view line);

    const std::string& GetText() const { return m_text; }
    std::string Format() const;

    // True when this schema is later than ownVersion: a greater major number, or the same major
    // and a greater minor. Each part is read as a card integer ("1.10" is later than "1.3"); a
    // text without "." is all minor. An empty schema is never later.
    bool IsLaterThan(std::string_view ownVersion) const;
    // Raises errIncompatibleSchema naming writerVersion (the SVERS text) when IsLaterThan.
    void CheckReadableBy(std::string_view ownVersion, std::string_view writerVersion) const;

private:
    std::string m_text;
};

// The version text of the program that wrote the file; it only appears in messages.
class CCardVersion
{
public:
    static constexpr std::string_view kKeyword = "SVERS";

    explicit CCardVersion(std::string text) : m_text(std::move(text)) {}
    static CCardVersion FromLine(std::string_view line);

    const std::string& GetText() const { return m_text; }
    std::string Format() const;

private:
    std::string m_text;
};
