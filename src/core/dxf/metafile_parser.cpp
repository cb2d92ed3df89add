#include "dxf/metafile_parser.h"

#include "platform/emf_format.h"

namespace
{
CLogFont StockFont(std::uint32_t index)
{
    CLogFont f;
    f.faceName = "System";
    f.height = index == Emf::OemFixedFont ? 12 : index == Emf::SystemFixedFont ? 15 : 16;
    f.weight = index == Emf::SystemFont || index == Emf::SystemFixedFont ? 700 : 400;
    return f;
}
} // namespace

bool CMetafileGdiObjects::Add(std::int64_t index, CMetaObject object)
{
    if (index <= 0 || index >= static_cast<std::int64_t>(m_objects.size())) {
        return false;
    }
    m_objects[static_cast<std::size_t>(index)] = std::move(object);
    return true;
}

void CMetafileGdiObjects::Remove(std::int64_t index)
{
    if (index >= 0 && index < static_cast<std::int64_t>(m_objects.size())) {
        m_objects[static_cast<std::size_t>(index)].reset();
    }
}

const CMetaObject* CMetafileGdiObjects::Get(std::int64_t index) const
{
    if (index < 0 || index >= static_cast<std::int64_t>(m_objects.size()) ||
        !m_objects[static_cast<std::size_t>(index)]) {
        return nullptr;
    }
    return &*m_objects[static_cast<std::size_t>(index)];
}

CMetaFileParser::CMetaFileParser(std::span<const std::uint8_t> metafile,
                                 const CTextMeasurer& referenceDevice)
    : m_metafile(metafile), m_reference(referenceDevice)
{
    Reset();
}

void CMetaFileParser::Reset()
{
    m_position = {};
    m_pen = CMetaPen{0, 1, 0, {}};
    m_brush = CMetaBrush{0, 0xFFFFFF, 0};
    SelectFont(StockFont(Emf::SystemFont));
    m_textAlign = 0;
    m_bkColor = 0xFFFFFF;
    m_bkMode = 0;
    m_textColor = 0;
}

void CMetaFileParser::SelectFont(const CLogFont& font)
{
    m_font = font;
    m_textMetrics = m_reference.GetTextMetrics(font);
}

void CMetaFileParser::Parse()
{
    CEmfReader reader(m_metafile);
    m_objects.Resize(reader.GetHeader().handles);
    CEmfRecord record;
    while (reader.Next(record)) {
        if (record.GetType() == Emf::Header) {
            OnHeader(reader.GetHeader());
        } else {
            Dispatch(record);
        }
    }
}

std::vector<CPoint> CMetaFileParser::ReadPoints(const CEmfRecord& record, bool wide)
{
    const std::uint32_t count = record.U32(24);
    const std::size_t item = wide ? 8 : 4;
    const auto bytes = record.Bytes(28, count, item);
    std::vector<CPoint> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 28 + i * item;
        if (wide) {
            points.push_back({record.I32(at), record.I32(at + 4)});
        } else {
            points.push_back({record.I16(at), record.I16(at + 2)});
        }
    }
    (void)bytes;
    return points;
}

CMetaText CMetaFileParser::ReadText(const CEmfRecord& record)
{
    CMetaText text;
    text.reference = {record.I32(36), record.I32(40)};
    text.options = record.U32(52);
    text.rect = record.Rect(56);
    return text;
}

void CMetaFileParser::SelectObject(std::uint32_t index)
{
    if ((index & Emf::StockFlag) != 0) {
        const std::uint32_t stock = index & ~Emf::StockFlag;
        static constexpr ColorRef BrushColors[] = {0xFFFFFF, 0xC0C0C0, 0x808080,
                                                   0x404040, 0x000000, 0x000000};
        if (stock <= Emf::NullBrush) {
            m_brush = CMetaBrush{stock == Emf::NullBrush ? 1u : 0u, BrushColors[stock], 0};
        } else if (stock <= Emf::NullPen) {
            m_pen = CMetaPen{
                stock == Emf::NullPen ? 5u : 0u, 1, stock == Emf::WhitePen ? 0xFFFFFFu : 0u, {}};
        } else if ((stock >= Emf::OemFixedFont && stock <= Emf::DeviceDefaultFont) ||
                   stock == Emf::SystemFixedFont) {
            SelectFont(StockFont(stock));
        }
        return;
    }
    const CMetaObject* object = m_objects.Get(index);
    if (object == nullptr) {
        return;
    }
    if (const auto* pen = std::get_if<CMetaPen>(object)) {
        m_pen = *pen;
    } else if (const auto* brush = std::get_if<CMetaBrush>(object)) {
        m_brush = *brush;
    } else if (const auto* font = std::get_if<CLogFont>(object)) {
        SelectFont(*font);
    }
}

void CMetaFileParser::Dispatch(const CEmfRecord& r)
{
    switch (r.GetType()) {
    case Emf::Polygon:
        OnPolygon(ReadPoints(r, true));
        break;
    case Emf::Polyline:
        OnPolyline(ReadPoints(r, true));
        break;
    case Emf::Eof:
        OnEof();
        break;
    case Emf::SetBkMode:
        m_bkMode = r.U32(8);
        break;
    case Emf::SetTextAlign:
        m_textAlign = r.U32(8);
        break;
    case Emf::SetTextColor:
        m_textColor = r.U32(8);
        break;
    case Emf::SetBkColor:
        m_bkColor = r.U32(8);
        break;
    case Emf::MoveToEx:
        m_position = {r.I32(8), r.I32(12)};
        break;
    case Emf::SelectObject:
        SelectObject(r.U32(8));
        break;
    case Emf::CreatePen:
        m_objects.Add(r.U32(8), CMetaPen{r.U32(12), r.I32(16), r.U32(24), {}});
        break;
    case Emf::CreateBrushIndirect:
        m_objects.Add(r.U32(8), CMetaBrush{r.U32(12), r.U32(16), r.U32(20)});
        break;
    case Emf::DeleteObject:
        m_objects.Remove(r.U32(8));
        break;
    case Emf::Ellipse:
        OnEllipse(r.Rect(8));
        break;
    case Emf::Rectangle:
        OnRectangle(r.Rect(8));
        break;
    case Emf::LineTo: {
        const CPoint to{r.I32(8), r.I32(12)};
        OnLineTo(to);
        m_position = to;
        break;
    }
    case Emf::BitBlt:
        OnBitBlt(r.I32(24), r.I32(28), r.I32(32), r.I32(36), r.U32(40));
        break;
    case Emf::ExtCreateFontIndirectW: {
        CLogFont f;
        f.height = r.I32(12);
        f.width = r.I32(16);
        f.escapement = r.I32(20);
        f.orientation = r.I32(24);
        f.weight = r.I32(28);
        f.italic = r.U8(32) != 0;
        f.underline = r.U8(33) != 0;
        f.strikeOut = r.U8(34) != 0;
        f.charSet = r.U8(35);
        std::u16string face;
        for (std::size_t i = 0; i < 32; ++i) {
            const char16_t c = static_cast<char16_t>(r.U16(40 + 2 * i));
            if (c == 0) {
                break;
            }
            face.push_back(c);
        }
        f.faceName = std::string(face.begin(), face.end());
        for (char& c : f.faceName) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                c = '?';
            }
        }
        m_objects.Add(r.U32(8), std::move(f));
        break;
    }
    case Emf::ExtTextOutA: {
        const CMetaText text = ReadText(r);
        const auto bytes = r.Bytes(r.U32(48), r.U32(44), 1);
        OnTextA(text, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        break;
    }
    case Emf::ExtTextOutW: {
        const CMetaText text = ReadText(r);
        const std::uint32_t chars = r.U32(44);
        const std::uint32_t offset = r.U32(48);
        r.Bytes(offset, chars, 2);
        std::u16string s;
        s.reserve(chars);
        for (std::size_t i = 0; i < chars; ++i) {
            s.push_back(static_cast<char16_t>(r.U16(offset + 2 * i)));
        }
        OnTextW(text, s);
        break;
    }
    case Emf::Polygon16:
        OnPolygon16(ReadPoints(r, false));
        break;
    case Emf::Polyline16:
        OnPolyline16(ReadPoints(r, false));
        break;
    case Emf::ExtCreatePen: {
        const std::uint32_t count = r.U32(48);
        r.Bytes(52, count, 4);
        CMetaPen pen{r.U32(28) & Emf::PenStyleMask, r.I32(32), r.U32(40), {}};
        pen.entries.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            pen.entries.push_back(r.U32(52 + 4 * i));
        }
        m_objects.Add(r.U32(8), std::move(pen));
        break;
    }
    default:
        break;
    }
}
