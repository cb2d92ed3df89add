// The recorder's header and object table as the reader sees them, and the reader's and
// parser's refusal of bytes that lie about sizes, counts and offsets.
#include "dxf/metafile_to_dxf_converter.h"
#include "platform/emf_format.h"
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
using CBytes = std::vector<std::uint8_t>;

std::uint32_t GetU32(const CBytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16)) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void PutU32(CBytes& b, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// Offset of the first record of a type, walking the sizes.
std::size_t FindRecord(const CBytes& b, std::uint32_t type)
{
    for (std::size_t at = 0; at + 8 <= b.size(); at += GetU32(b, at + 4)) {
        if (GetU32(b, at) == type) {
            return at;
        }
    }
    ADD_FAILURE() << "no record of type " << type;
    return 0;
}

struct CObjectRecord
{
    std::uint32_t type;
    std::uint32_t slot;
    friend bool operator==(const CObjectRecord&, const CObjectRecord&) = default;
};

class EmfRecorded : public testing::Test
{
protected:
    CFixedWidthTextMeasurer m_measurer;
    CEmfRecorder m_recorder{m_measurer, "DXFMetafile"};
};

TEST_F(EmfRecorded, HeaderDescribesTheDrawing)
{
    m_recorder.SelectPen(CPenExt::Null());
    m_recorder.SelectBrush(CBrush(0x00FF00));
    m_recorder.Rectangle({100, 200, 300, 400});
    m_recorder.Ellipse({50, 250, 150, 450});
    const CBytes emf = m_recorder.Finish();
    CEmfReader reader(emf);
    const CEmfHeader& h = reader.GetHeader();
    EXPECT_EQ(h.bounds, (CRect{50, 200, 299, 449}));
    EXPECT_EQ(h.frame, (CRect{500, 2000, 2999, 4499}));
    EXPECT_EQ(h.bytes, emf.size());
    EXPECT_EQ(h.device, (CSize{2100, 2970}));
    EXPECT_EQ(h.millimetres, (CSize{210, 297}));
    EXPECT_EQ(h.handles, 2); // the metafile and one brush
    std::uint32_t records = 0;
    CEmfRecord r;
    std::uint32_t last = 0;
    while (reader.Next(r)) {
        ++records;
        last = r.GetType();
    }
    EXPECT_EQ(records, h.records);
    EXPECT_EQ(last, Emf::Eof);
}

TEST_F(EmfRecorded, EmptyDrawingIsAValidMetafile)
{
    const CBytes emf = m_recorder.Finish();
    CEmfReader reader(emf);
    EXPECT_EQ(reader.GetHeader().records, 2u);
    EXPECT_EQ(reader.GetHeader().handles, 1);
    EXPECT_GT(reader.GetHeader().millimetres.cx, 0);
    EXPECT_THROW(m_recorder.MoveTo({0, 0}), std::logic_error);
}

TEST_F(EmfRecorded, FreedSlotsAreReusedLowestFirst)
{
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 1, 0x0000FF)); // 1
    m_recorder.SelectBrush(CBrush(0x00FF00));                     // 2
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 1, 0x00FF00)); // 3, then 1 freed
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 1, 0xFF0000)); // 1, then 3 freed
    m_recorder.SelectBrush(CBrush(0xFF0000));                     // 3, then 2 freed
    const CBytes emf = m_recorder.Finish();
    std::vector<CObjectRecord> objects;
    CEmfReader reader(emf);
    CEmfRecord r;
    while (reader.Next(r)) {
        if (r.GetType() == Emf::CreatePen || r.GetType() == Emf::ExtCreatePen ||
            r.GetType() == Emf::CreateBrushIndirect || r.GetType() == Emf::DeleteObject) {
            objects.push_back({r.GetType(), r.U32(8)});
        }
    }
    const std::vector<CObjectRecord> expected = {
        {Emf::CreatePen, 1},           {Emf::CreateBrushIndirect, 2}, {Emf::CreatePen, 3},
        {Emf::DeleteObject, 1},        {Emf::CreatePen, 1},           {Emf::DeleteObject, 3},
        {Emf::CreateBrushIndirect, 3}, {Emf::DeleteObject, 2},        {Emf::DeleteObject, 1},
        {Emf::DeleteObject, 3}, // at Finish
    };
    EXPECT_EQ(objects, expected);
    EXPECT_EQ(reader.GetHeader().handles, 4);
}

// A polyline, a text and a dashed pen: the records whose counts and offsets can lie.
CBytes SampleBytes()
{
    CFixedWidthTextMeasurer measurer;
    CEmfRecorder recorder(measurer);
    CPenExt dashed(EPenStyle::Dash, 3, 0x0000FF);
    recorder.SelectPen(dashed);
    const CPoint line[] = {{0, 0}, {40, 10}, {80, 0}};
    recorder.Polyline(line);
    recorder.SelectFont(CBearingFont(90.0, 20, false));
    recorder.TextOut({10, 30}, "A1");
    return recorder.Finish();
}

const std::size_t PolyAt = FindRecord(SampleBytes(), Emf::Polyline16);
const std::size_t TextAt = FindRecord(SampleBytes(), Emf::ExtTextOutW);
const std::size_t PenAt = FindRecord(SampleBytes(), Emf::ExtCreatePen);
const std::size_t EofAt = FindRecord(SampleBytes(), Emf::Eof);
const std::size_t SampleSize = SampleBytes().size();

std::string Str(std::size_t n)
{
    return std::to_string(n);
}

// Each damage names its reason; "" when the bytes are still read to the end without error.
TEST(EmfDamage, IsRefusedWithItsReason)
{
    const struct
    {
        const char* name;
        std::function<void(CBytes&)> damage;
        std::string message;
    } cases[] = {
        {"Intact", [](CBytes&) {}, ""},
        {"Empty", [](CBytes& b) { b.clear(); }, "EMF too short for a header: 0 bytes"},
        {"CutInTheHeader", [](CBytes& b) { b.resize(87); }, "EMF too short for a header: 87 bytes"},
        {"NotAHeader", [](CBytes& b) { PutU32(b, 0, Emf::Eof); },
         "EMF does not start with a header record"},
        {"NoSignature", [](CBytes& b) { b[40] = 'X'; }, "EMF header lacks the signature"},
        {"HeaderSizeOdd", [](CBytes& b) { PutU32(b, 4, 110); }, "EMF header size 110 is invalid"},
        {"HeaderSizePastTheEnd", [](CBytes& b) { PutU32(b, 4, 0xFFFFFFFC); },
         "EMF header size 4294967292 is invalid"},
        {"ByteCountBelowHeader", [](CBytes& b) { PutU32(b, 48, 8); },
         "EMF header byte count 8 is invalid"},
        {"ByteCountPastTheEnd", [](CBytes& b) { PutU32(b, 48, GetU32(b, 48) + 4); },
         "EMF truncated: header says " + Str(SampleSize + 4) + " bytes, " + Str(SampleSize) +
             " given"},
        {"FileCut",
         [](CBytes& b) {
             b.resize(b.size() - 4);
             PutU32(b, 48, static_cast<std::uint32_t>(b.size()));
         },
         "EMF record of 20 bytes runs past the end at byte " + Str(EofAt)},
        {"CutBeforeTheEnd",
         [](CBytes& b) {
             b.resize(EofAt);
             PutU32(b, 48, static_cast<std::uint32_t>(b.size()));
         },
         "EMF ends without an end-of-file record"},
        {"CutInARecordHeader",
         [](CBytes& b) {
             b.resize(EofAt + 4);
             PutU32(b, 48, static_cast<std::uint32_t>(b.size()));
         },
         "EMF record header cut short at byte " + Str(EofAt)},
        {"RecordCountOne", [](CBytes& b) { PutU32(b, 52, 1); },
         "EMF header record count 1 is invalid"},
        {"RecordCountTooSmall", [](CBytes& b) { PutU32(b, 52, 2); },
         "EMF has more records than its header's count of 2"},
        {"RecordCountTooLargeStopsAtEof", [](CBytes& b) { PutU32(b, 52, 1000); }, ""},
        {"NoHandles",
         [](CBytes& b) {
             b[56] = 0;
             b[57] = 0;
         },
         "EMF header handle count is 0"},
        {"RecordSizeZero", [](CBytes& b) { PutU32(b, PolyAt + 4, 0); },
         "EMF record size 0 is invalid at byte " + Str(PolyAt)},
        {"RecordSizeUnaligned", [](CBytes& b) { PutU32(b, PolyAt + 4, 13); },
         "EMF record size 13 is invalid at byte " + Str(PolyAt)},
        {"RecordSizePastTheEnd", [](CBytes& b) { PutU32(b, PolyAt + 4, 0x7FFFFFF0); },
         "EMF record of 2147483632 bytes runs past the end at byte " + Str(PolyAt)},
        {"SecondHeader", [](CBytes& b) { PutU32(b, PolyAt, Emf::Header); },
         "EMF has a second header record at byte " + Str(PolyAt)},
        {"PointCountLies", [](CBytes& b) { PutU32(b, PolyAt + 24, 4); },
         "EMF record 87: field runs past the record's end (offset 28, record size 40)"},
        {"PointCountHuge", [](CBytes& b) { PutU32(b, PolyAt + 24, 0xFFFFFFFF); },
         "EMF record 87: field runs past the record's end (offset 28, record size 40)"},
        {"PenDashCountLies", [](CBytes& b) { PutU32(b, PenAt + 48, 0x40000000); },
         "EMF record 95: field runs past the record's end (offset 52, record size " +
             Str(GetU32(SampleBytes(), PenAt + 4)) + ")"},
        {"TextOffsetLies", [](CBytes& b) { PutU32(b, TextAt + 48, 0xFFFFFFF0); },
         "EMF record 84: field runs past the record's end (offset 4294967280, "
         "record size " +
             Str(GetU32(SampleBytes(), TextAt + 4)) + ")"},
        {"TextCountLies", [](CBytes& b) { PutU32(b, TextAt + 44, 0x80000000); },
         "EMF record 84: field runs past the record's end (offset " +
             Str(GetU32(SampleBytes(), TextAt + 48)) + ", record size " +
             Str(GetU32(SampleBytes(), TextAt + 4)) + ")"},
        {"RecordTooShortForItsFields",
         [](CBytes& b) {
             // An 8-byte polyline, then an unknown record over the rest of it.
             PutU32(b, PolyAt + 4, 8);
             PutU32(b, PolyAt + 8, 0);
             PutU32(b, PolyAt + 12, 32);
         },
         "EMF record 87: field runs past the record's end (offset 24, record size 8)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBytes bytes = SampleBytes();
        c.damage(bytes);
        const CFixedWidthTextMeasurer measurer;
        std::ostringstream out;
        CMetaFileToDxfConverter converter(out, bytes, measurer);
        if (c.message.empty()) {
            EXPECT_NO_THROW(converter.Parse());
        } else {
            EXPECT_THAT([&] { converter.Parse(); },
                        testing::ThrowsMessage<CEmfFormatError>(testing::StrEq(c.message)));
        }
    }
}
} // namespace
