// The update file reader.
#include "update/update_file.h"

#include "cardfile/card_line.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_text.h"
#include "platform/text_encoding.h"

namespace
{
constexpr int ReadableSchema = 1;
constexpr int IgnoredCondition = -1;

// The five-letter keywords of this file name themselves in their message.
void ExpectCard(const CCardLine& card, std::string_view keyword)
{
    card.ExpectKeyword(keyword, "Cannot find " + std::string(keyword) + " Card");
}

CProgramVersion ReadVersion(const CCardLine& card, std::size_t start)
{
    CProgramVersion version{};
    for (std::size_t part = 0; part < version.size(); ++part) {
        version[part] = card.Int(start + 5 * part, 5);
    }
    return version;
}

bool ConditionHolds(int condition, bool property)
{
    return condition == IgnoredCondition || condition == (property ? 1 : 0);
}

bool EntryApplies(const CCardLine& apply, const CRunningProgram& program)
{
    return apply.Int(5, 5) == program.productCode && ReadVersion(apply, 10) <= program.version &&
           program.version <= ReadVersion(apply, 30) &&
           ConditionHolds(apply.Int(50, 5), program.releaseBuild) &&
           ConditionHolds(apply.Int(55, 5), program.onWindows);
}

// Reads cards of one keyword until one passes the test; false when the file ends first.
template <class Test> bool SeekCard(CCardStream& stream, std::string_view keyword, Test passes)
{
    std::string line;
    while (stream.ReadLine(line)) {
        const CCardLine card(line);
        ExpectCard(card, keyword);
        if (passes(card)) {
            return true;
        }
    }
    return false;
}

std::string ReadExpectedCard(CCardStream& stream, std::string_view keyword)
{
    std::string line = stream.ReadCard();
    ExpectCard(CCardLine(line), keyword);
    return line;
}
} // namespace

std::optional<CUpdateAnnouncement> ReadUpdateFile(std::string_view bytes,
                                                  const CRunningProgram& program)
{
    const std::string text = Windows1252ToUtf8(bytes);
    CCardStreamMemory stream(text);
    if (!SeekCard(stream, "UPSCM",
                  [](const CCardLine& card) { return card.Int(5, 5) == ReadableSchema; })) {
        return std::nullopt;
    }
    ReadExpectedCard(stream, "APPLH");
    if (!SeekCard(stream, "APPLY",
                  [&](const CCardLine& card) { return EntryApplies(card, program); })) {
        return std::nullopt;
    }
    // The entry that applies need not be the last of the list, and the announcement follows
    // the whole list.
    std::string line;
    do {
        line = stream.ReadCard();
    } while (CCardLine(line).HasKeyword("APPLY"));

    CUpdateAnnouncement announcement;
    const CCardLine updateId(line);
    ExpectCard(updateId, "UPDID");
    announcement.updateId = updateId.Int(5, 10);

    const std::string latestVersion = ReadExpectedCard(stream, "LATVR");
    announcement.latestVersion = ReadVersion(CCardLine(latestVersion), 5);

    const std::string header = ReadExpectedCard(stream, "MSGHD");
    const CCardLine messageHeader(header);
    const int textCards = messageHeader.Int(5, 5);
    announcement.heading = messageHeader.Rest(10);

    for (int card = 0; card < textCards; ++card) {
        if (card > 0) {
            announcement.text += "\r\n";
        }
        announcement.text += CCardText::FromLine(stream.ReadCard()).GetText();
    }
    return announcement;
}
