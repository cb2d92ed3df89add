// Feeds arbitrary bytes through the card streams, the field readers and the shared card shapes,
// and checks that what the writers make of the result reads back the same.
#include "cardfile/card_builder.h"
#include "cardfile/card_checksum.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_line.h"
#include "cardfile/card_point.h"
#include "cardfile/card_schema.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_text.h"
#include "cardfile/card_vect.h"
#include "cardfile/card_writer_memory.h"
#include "platform/text_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace
{
void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::string WithoutEnd(std::string line)
{
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    return line;
}

void FuzzShapes(const std::string& line)
{
    const CCardLine card(line);
    for (std::size_t start : {0u, 5u, 10u, 15u, 20u, 30u, 40u, 65u, 70u}) {
        const int value = card.Int(start, 5);
        const double real = card.Real(start, 22);
        // A value read from a field goes back into a field of the same width when it fits.
        try {
            const std::string field = FormatCardInt("%5i", value, "field");
            Check(ParseCardInt(field) == value);
        } catch (const errCardFieldRefused&) {
            Check(value > 99999 || value < -9999);
        }
        try {
            FormatCardReal("% 22.15f", real, "field");
        } catch (const errCardFieldRefused&) {
        }
    }
    (void)card.Rest(5);
    (void)CardLineChecksum(Utf8ToWindows1252(line));

    try {
        const CCardText text = CCardText::FromLine(line);
        if (text.GetText().find('\r') == std::string::npos) {
            const std::string again = WithoutEnd(text.Format());
            Check(CCardText::FromLine(again).GetText() == text.GetText());
        }
    } catch (const errExpectedCardNotFound&) {
    } catch (const errCardFieldRefused&) {
        Check(Utf8CharCount(line) > CCardStream::kMaxCardLength); // a text no card can hold
    }
    try {
        const CCardPoint point = CCardPoint::FromLine(line);
        const CCardPoint again = CCardPoint::FromLine(WithoutEnd(point.Format()));
        Check(again.GetX() == point.GetX() && again.GetY() == point.GetY());
    } catch (const errExpectedCardNotFound&) {
    } catch (const errCardFieldRefused&) {
        // a coordinate below -999999999 read from a corrupt file
    }
    try {
        const CCardVect vect = CCardVect::FromLine(line);
        const CCardVect again = CCardVect::FromLine(WithoutEnd(vect.Format()));
        Check(again.GetX1() == vect.GetX1() && again.GetY2() == vect.GetY2());
    } catch (const errExpectedCardNotFound&) {
    } catch (const errCardFieldRefused&) {
    }
    try {
        const CCardSchema schema = CCardSchema::FromLine(line);
        schema.CheckReadableBy("1.3", "x");
    } catch (const errExpectedCardNotFound&) {
    } catch (const errIncompatibleSchema&) {
    }
    try {
        (void)CCardVersion::FromLine(line);
    } catch (const errExpectedCardNotFound&) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Any file survives the conversion to UTF-8 and back unchanged.
    const std::string utf8 = Windows1252ToUtf8(bytes);
    Check(Utf8ToWindows1252(utf8) == bytes);
    // Any UTF-8, valid or not, converts without growing and settles after one round.
    const std::string narrowed = Utf8ToWindows1252(bytes);
    Check(narrowed.size() == Utf8CharCount(bytes));
    Check(Utf8ToWindows1252(Windows1252ToUtf8(narrowed)) == narrowed);

    // The disk stream over the bytes as a file, the memory stream over them as a snapshot.
    std::istringstream file(bytes, std::ios::binary);
    CCardStreamFile fileStream(file);
    CCardWriterMemory rewritten;
    std::string line;
    try {
        while (fileStream.ReadLine(line)) {
            FuzzShapes(line);
            try {
                rewritten.WriteCard(line);
            } catch (const errCardFieldRefused&) {
                Check(line.find('\r') != std::string::npos);
            }
        }
    } catch (const errCorruptCardData&) {
        // A line longer than any card: the file stream gives up on it.
        Check(bytes.size() > CCardStream::kMaxCardLength);
    }
    CCardStreamMemory memoryStream(bytes);
    while (memoryStream.ReadLine(line)) {
        FuzzShapes(line);
    }
    memoryStream.Rewind();
    try {
        for (;;) {
            (void)memoryStream.ReadCard();
        }
    } catch (eFileError) {
    }
    return 0;
}
