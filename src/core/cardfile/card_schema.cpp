// SCHEM and SVERS cards and the schema version rule.
#include "cardfile/card_schema.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_line.h"

#include <utility>

namespace
{
std::pair<int, int> SplitVersion(std::string_view text)
{
    const auto dot = text.find('.');
    if (dot == std::string_view::npos) {
        return {0, ParseCardInt(text)};
    }
    return {ParseCardInt(text.substr(0, dot)), ParseCardInt(text.substr(dot + 1))};
}
} // namespace

CCardSchema CCardSchema::FromLine(std::string_view line)
{
    const CCardLine card(line);
    card.ExpectKeyword(kKeyword, std::string());
    return CCardSchema(std::string(card.Rest(5)));
}

std::string CCardSchema::Format() const
{
    return CCardBuilder(kKeyword).Text("%s", m_text, "schema version").Line();
}

bool CCardSchema::IsLaterThan(std::string_view ownVersion) const
{
    if (m_text.empty()) {
        return false;
    }
    const auto [major, minor] = SplitVersion(m_text);
    const auto [ownMajor, ownMinor] = SplitVersion(ownVersion);
    return major > ownMajor || (major == ownMajor && minor > ownMinor);
}

void CCardSchema::CheckReadableBy(std::string_view ownVersion, std::string_view writerVersion) const
{
    if (IsLaterThan(ownVersion)) {
        throw errIncompatibleSchema::ForWriterVersion(writerVersion);
    }
}

CCardVersion CCardVersion::FromLine(std::string_view line)
{
    const CCardLine card(line);
    card.ExpectKeyword(kKeyword, std::string());
    return CCardVersion(std::string(card.Rest(5)));
}

std::string CCardVersion::Format() const
{
    return CCardBuilder(kKeyword).Text("%s", m_text, "program version").Line();
}
