#include "platform/emf_recorder.h"

#include "platform/emf_format.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace
{
// Address space held for the bytes from the start. Untouched pages cost nothing, while growing
// a large recording copies it and faults in fresh pages again at every step.
constexpr std::size_t ReservedBytes = std::size_t{4} << 20;
} // namespace

// One record written in place at the end of a byte buffer; Close() pads it to a multiple of
// four and sets its size. Records are written one after another, never interleaved, so a
// drawing call costs no allocation of its own.
class CEmfRecorder::CRecord
{
public:
    CRecord(std::vector<std::uint8_t>& bytes, std::uint32_t type)
        : m_bytes(bytes), m_start(bytes.size())
    {
        U32(type);
        U32(0);
    }
    CRecord& U32(std::uint32_t v)
    {
        const std::uint8_t le[] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 24)};
        m_bytes.insert(m_bytes.end(), le, le + 4);
        return *this;
    }
    CRecord& I32(int v) { return U32(static_cast<std::uint32_t>(v)); }
    CRecord& I16(int v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        const std::uint8_t le[] = {static_cast<std::uint8_t>(u & 0xFF),
                                   static_cast<std::uint8_t>(u >> 8)};
        m_bytes.insert(m_bytes.end(), le, le + 2);
        return *this;
    }
    CRecord& U8(int v)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    CRecord& F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }
    CRecord& Rect(const CRect& r) { return I32(r.left).I32(r.top).I32(r.right).I32(r.bottom); }
    // A UTF-16 string in a fixed field of chars units, zero filled.
    CRecord& FixedString(std::u16string_view s, std::size_t chars)
    {
        for (std::size_t i = 0; i < chars; ++i) {
            I16(i < s.size() && i + 1 < chars ? s[i] : 0);
        }
        return *this;
    }
    CRecord& Pad()
    {
        while (Size() % 4 != 0) {
            m_bytes.push_back(0);
        }
        return *this;
    }
    std::size_t Size() const { return m_bytes.size() - m_start; }
    void Patch(std::size_t offset, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            m_bytes[m_start + offset + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(v >> (8 * i));
        }
    }
    void Close()
    {
        Pad();
        Patch(4, static_cast<std::uint32_t>(Size()));
    }

private:
    std::vector<std::uint8_t>& m_bytes;
    std::size_t m_start;
};

CEmfRecorder::CEmfRecorder(const CTextMeasurer& measurer, std::string description)
    : m_measurer(measurer), m_description(Utf8ToUtf16(description))
{
    // The header's size depends only on the description: hold its place now and fill it in at
    // Finish(), when bounds and counts are known, so the bytes are never copied.
    m_bytes = HeaderRecord();
    m_bytes.reserve(ReservedBytes);
    m_records = 1;
}

void CEmfRecorder::CheckOpen() const
{
    if (m_finished) {
        throw std::logic_error("drawing on a finished metafile");
    }
}

void CEmfRecorder::Append(CRecord& record)
{
    record.Close();
    ++m_records;
}

std::uint32_t CEmfRecorder::AllocateSlot()
{
    const auto free = std::find(m_slots.begin() + 1, m_slots.end(), false);
    std::uint32_t slot = 0;
    if (free == m_slots.end()) {
        slot = static_cast<std::uint32_t>(m_slots.size());
        m_slots.push_back(true);
    } else {
        slot = static_cast<std::uint32_t>(free - m_slots.begin());
        *free = true;
    }
    m_handles = std::max(m_handles, slot + 1);
    return slot;
}

void CEmfRecorder::FreeSlot(std::uint32_t slot)
{
    CRecord del(m_bytes, Emf::DeleteObject);
    del.U32(slot);
    Append(del);
    m_slots[slot] = false;
}

void CEmfRecorder::SelectAndRelease(std::uint32_t handle, std::optional<std::uint32_t>& current)
{
    CRecord sel(m_bytes, Emf::SelectObject);
    sel.U32(handle);
    Append(sel);
    if (current) {
        FreeSlot(*current);
    }
    if ((handle & Emf::StockFlag) != 0) {
        current.reset();
    } else {
        current = handle;
    }
}

CPenExt CEmfRecorder::SelectPen(const CPenExt& pen)
{
    CheckOpen();
    CPenExt previous = m_pen;
    if (pen == m_pen) {
        return previous;
    }
    if (pen.IsNull()) {
        SelectAndRelease(Emf::StockFlag | Emf::NullPen, m_penSlot);
    } else {
        const std::uint32_t slot = AllocateSlot();
        if (pen.IsGeometric()) {
            const auto& dashes = pen.GetDashes();
            CRecord rec(m_bytes, Emf::ExtCreatePen);
            const auto size = static_cast<std::uint32_t>(52 + 4 * dashes.size());
            rec.U32(slot).U32(size).U32(0).U32(size).U32(0);
            rec.U32(Emf::PenGeometric | Emf::PenEndCapFlat |
                    static_cast<std::uint32_t>(pen.GetStyle()));
            rec.U32(static_cast<std::uint32_t>(pen.GetWidth()));
            rec.U32(0).U32(pen.GetColor()).U32(0);
            rec.U32(static_cast<std::uint32_t>(dashes.size()));
            for (std::uint32_t d : dashes) {
                rec.U32(d);
            }
            Append(rec);
        } else {
            CRecord rec(m_bytes, Emf::CreatePen);
            rec.U32(slot).U32(static_cast<std::uint32_t>(pen.GetStyle()));
            rec.I32(pen.GetWidth()).I32(0).U32(pen.GetColor());
            Append(rec);
        }
        SelectAndRelease(slot, m_penSlot);
    }
    m_pen = pen;
    return previous;
}

CBrush CEmfRecorder::SelectBrush(const CBrush& brush)
{
    CheckOpen();
    CBrush previous = m_brush;
    if (brush == m_brush) {
        return previous;
    }
    if (brush.IsNull()) {
        SelectAndRelease(Emf::StockFlag | Emf::NullBrush, m_brushSlot);
    } else {
        const std::uint32_t slot = AllocateSlot();
        CRecord rec(m_bytes, Emf::CreateBrushIndirect);
        rec.U32(slot).U32(static_cast<std::uint32_t>(brush.GetStyle())).U32(brush.GetColor());
        rec.U32(static_cast<std::uint32_t>(brush.GetHatch()));
        Append(rec);
        SelectAndRelease(slot, m_brushSlot);
    }
    m_brush = brush;
    return previous;
}

CBearingFont CEmfRecorder::SelectFont(const CBearingFont& font)
{
    CheckOpen();
    CBearingFont previous = m_font;
    if (font == m_font && m_fontSlot) {
        return previous;
    }
    const CLogFont& lf = font.GetLogFont();
    const std::uint32_t slot = AllocateSlot();
    CRecord rec(m_bytes, Emf::ExtCreateFontIndirectW);
    rec.U32(slot);
    rec.I32(lf.height).I32(lf.width).I32(lf.escapement).I32(lf.orientation).I32(lf.weight);
    rec.U8(lf.italic ? 1 : 0).U8(lf.underline ? 1 : 0).U8(lf.strikeOut ? 1 : 0);
    rec.U8(lf.charSet).U8(0).U8(0).U8(0).U8(0);
    const std::u16string face = Utf8ToUtf16(lf.faceName);
    rec.FixedString(face, 32);
    // The rest of a LogFontPanose: full name, style, version fields and panose, all empty.
    rec.FixedString(face, 64).FixedString(u"", 32);
    for (int i = 0; i < 6; ++i) {
        rec.U32(0);
    }
    for (int i = 0; i < 12; ++i) {
        rec.U8(0);
    }
    Append(rec);
    SelectAndRelease(slot, m_fontSlot);
    m_font = font;
    return previous;
}

ColorRef CEmfRecorder::SetTextColor(ColorRef color)
{
    CheckOpen();
    const ColorRef previous = m_textColor;
    CRecord rec(m_bytes, Emf::SetTextColor);
    rec.U32(color);
    Append(rec);
    m_textColor = color;
    return previous;
}

ColorRef CEmfRecorder::SetBkColor(ColorRef color)
{
    CheckOpen();
    const ColorRef previous = m_bkColor;
    CRecord rec(m_bytes, Emf::SetBkColor);
    rec.U32(color);
    Append(rec);
    m_bkColor = color;
    return previous;
}

EBkMode CEmfRecorder::SetBkMode(EBkMode mode)
{
    CheckOpen();
    const EBkMode previous = m_bkMode;
    CRecord rec(m_bytes, Emf::SetBkMode);
    rec.U32(static_cast<std::uint32_t>(mode));
    Append(rec);
    m_bkMode = mode;
    return previous;
}

unsigned CEmfRecorder::SetTextAlign(unsigned flags)
{
    CheckOpen();
    const unsigned previous = m_textAlign;
    CRecord rec(m_bytes, Emf::SetTextAlign);
    rec.U32(flags);
    Append(rec);
    m_textAlign = flags;
    return previous;
}

int CEmfRecorder::SetRop2(int mode)
{
    CheckOpen();
    const int previous = m_rop2;
    CRecord rec(m_bytes, Emf::SetRop2);
    rec.U32(static_cast<std::uint32_t>(mode));
    Append(rec);
    m_rop2 = mode;
    return previous;
}

int CEmfRecorder::PenMargin() const
{
    return m_pen.IsNull() ? 0 : (std::max(m_pen.GetWidth(), 1) + 1) / 2;
}

void CEmfRecorder::AddBounds(int left, int top, int right, int bottom)
{
    if (!m_hasBounds) {
        m_bounds = {left, top, right, bottom};
        m_hasBounds = true;
        return;
    }
    m_bounds.left = std::min(m_bounds.left, left);
    m_bounds.top = std::min(m_bounds.top, top);
    m_bounds.right = std::max(m_bounds.right, right);
    m_bounds.bottom = std::max(m_bounds.bottom, bottom);
}

void CEmfRecorder::AddPointBounds(std::span<const CPoint> points)
{
    const int m = PenMargin();
    for (const CPoint& p : points) {
        AddBounds(ClampToInt(static_cast<long long>(p.x) - m),
                  ClampToInt(static_cast<long long>(p.y) - m),
                  ClampToInt(static_cast<long long>(p.x) + m),
                  ClampToInt(static_cast<long long>(p.y) + m));
    }
}

void CEmfRecorder::MoveTo(CPoint p)
{
    CheckOpen();
    CRecord rec(m_bytes, Emf::MoveToEx);
    rec.I32(p.x).I32(p.y);
    Append(rec);
    m_position = p;
}

void CEmfRecorder::LineTo(CPoint p)
{
    CheckOpen();
    CRecord rec(m_bytes, Emf::LineTo);
    rec.I32(p.x).I32(p.y);
    Append(rec);
    const CPoint ends[] = {m_position, p};
    AddPointBounds(ends);
    m_position = p;
}

void CEmfRecorder::WritePolyRecord(std::uint32_t type16, std::uint32_t type32,
                                   std::span<const CPoint> points)
{
    CheckOpen();
    if (points.empty()) {
        return;
    }
    constexpr int Lo = std::numeric_limits<std::int16_t>::min();
    constexpr int Hi = std::numeric_limits<std::int16_t>::max();
    const bool fits16 = std::all_of(points.begin(), points.end(), [](const CPoint& p) {
        return p.x >= Lo && p.x <= Hi && p.y >= Lo && p.y <= Hi;
    });
    CRect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const CPoint& p : points) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
               std::max(box.bottom, p.y)};
    }
    CRecord rec(m_bytes, fits16 ? type16 : type32);
    rec.Rect(box).U32(static_cast<std::uint32_t>(points.size()));
    for (const CPoint& p : points) {
        if (fits16) {
            rec.I16(p.x).I16(p.y);
        } else {
            rec.I32(p.x).I32(p.y);
        }
    }
    Append(rec);
    AddPointBounds(points);
}

void CEmfRecorder::Polyline(std::span<const CPoint> points)
{
    WritePolyRecord(Emf::Polyline16, Emf::Polyline, points);
}

void CEmfRecorder::Polygon(std::span<const CPoint> points)
{
    WritePolyRecord(Emf::Polygon16, Emf::Polygon, points);
}

void CEmfRecorder::Rectangle(const CRect& box)
{
    CheckOpen();
    CRecord rec(m_bytes, Emf::Rectangle);
    rec.Rect(box);
    Append(rec);
    AddBounds(box.left, box.top, box.right - 1, box.bottom - 1);
}

void CEmfRecorder::Ellipse(const CRect& box)
{
    CheckOpen();
    CRecord rec(m_bytes, Emf::Ellipse);
    rec.Rect(box);
    Append(rec);
    AddBounds(box.left, box.top, box.right - 1, box.bottom - 1);
}

CRect CEmfRecorder::TextBounds(CPoint reference, std::string_view text) const
{
    const CSize extent = GetTextExtent(text);
    const CTextMetrics tm = GetTextMetrics();
    double u0 = 0;
    if ((m_textAlign & TextAlign::Center) == TextAlign::Center) {
        u0 = -extent.cx / 2.0;
    } else if ((m_textAlign & TextAlign::Center) == TextAlign::Right) {
        u0 = -extent.cx;
    }
    double v0 = 0;
    if ((m_textAlign & TextAlign::Baseline) == TextAlign::Baseline) {
        v0 = -tm.ascent;
    } else if ((m_textAlign & TextAlign::Baseline) == TextAlign::Bottom) {
        v0 = -tm.height;
    }
    const double theta = m_font.GetEscapement() * 3.14159265358979 / 1800.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (double u : {u0, u0 + extent.cx}) {
        for (double v : {v0, v0 + tm.height}) {
            // Escapement turns anticlockwise on the page, which is clockwise in y-down terms.
            const double x = reference.x + u * c + v * s;
            const double y = reference.y - u * s + v * c;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    return {ClampToInt(std::floor(minX)), ClampToInt(std::floor(minY)), ClampToInt(std::ceil(maxX)),
            ClampToInt(std::ceil(maxY))};
}

void CEmfRecorder::TextOut(CPoint reference, std::string_view text)
{
    ExtTextOut(reference, 0, CRect{0, 0, -1, -1}, text);
}

void CEmfRecorder::ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                              std::string_view text)
{
    CheckOpen();
    const std::u16string units = Utf8ToUtf16(text);
    const std::vector<int> advances = m_measurer.GetCharAdvances(m_font.GetLogFont(), text);
    CRect box = TextBounds(reference, text);
    if ((options & TextOutOption::Opaque) != 0) {
        box = {std::min(box.left, rect.left), std::min(box.top, rect.top),
               std::max(box.right, rect.right - 1), std::max(box.bottom, rect.bottom - 1)};
    }
    const auto chars = static_cast<std::uint32_t>(units.size());
    const std::uint32_t offString = 76;
    const std::uint32_t offDx = offString + (chars * 2 + 3) / 4 * 4;
    CRecord rec(m_bytes, Emf::ExtTextOutW);
    rec.Rect(box).U32(Emf::GraphicsModeCompatible).F32(10.0f).F32(10.0f);
    rec.I32(reference.x).I32(reference.y).U32(chars).U32(offString).U32(options).Rect(rect);
    rec.U32(offDx);
    for (char16_t u : units) {
        rec.I16(u);
    }
    rec.Pad();
    // One advance per UTF-16 unit; the second half of a surrogate pair takes none.
    std::size_t cp = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool low = units[i] >= 0xDC00 && units[i] < 0xE000 && i > 0 &&
                         units[i - 1] >= 0xD800 && units[i - 1] < 0xDC00;
        rec.I32(low || cp >= advances.size() ? 0 : advances[cp]);
        if (!low) {
            ++cp;
        }
    }
    Append(rec);
    if (!units.empty() || (options & TextOutOption::Opaque) != 0) {
        AddBounds(box.left, box.top, box.right, box.bottom);
    }
}

void CEmfRecorder::IntersectClipRect(const CRect& rect)
{
    CheckOpen();
    CRecord rec(m_bytes, Emf::IntersectClipRect);
    rec.Rect(rect);
    Append(rec);
    CRect inclusive{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    if (m_clip) {
        inclusive = {std::max(inclusive.left, m_clip->left), std::max(inclusive.top, m_clip->top),
                     std::min(inclusive.right, m_clip->right),
                     std::min(inclusive.bottom, m_clip->bottom)};
    }
    m_clip = inclusive;
    m_clipBox = {inclusive.left, inclusive.top, inclusive.right + 1, inclusive.bottom + 1};
}

void CEmfRecorder::IncludeInPicture(const CRect& rect)
{
    if (!rect.IsEmpty()) {
        AddBounds(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    }
}

std::optional<CRect> CEmfRecorder::VisibleBounds() const
{
    if (!m_hasBounds) {
        return std::nullopt;
    }
    if (!m_clip) {
        return m_bounds;
    }
    const CRect cut{std::max(m_bounds.left, m_clip->left), std::max(m_bounds.top, m_clip->top),
                    std::min(m_bounds.right, m_clip->right),
                    std::min(m_bounds.bottom, m_clip->bottom)};
    if (cut.right < cut.left || cut.bottom < cut.top) {
        return std::nullopt;
    }
    return cut;
}

void CEmfRecorder::PatBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    CheckOpen();
    const CRect box{x, y, x + width - 1, y + height - 1};
    CRecord rec(m_bytes, Emf::BitBlt);
    rec.Rect(box).I32(x).I32(y).I32(width).I32(height).U32(rop).I32(0).I32(0);
    rec.F32(1.0f).F32(0.0f).F32(0.0f).F32(1.0f).F32(0.0f).F32(0.0f);
    rec.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    Append(rec);
    if (width > 0 && height > 0) {
        AddBounds(box.left, box.top, box.right, box.bottom);
    }
}

CSize CEmfRecorder::GetTextExtent(std::string_view text) const
{
    return m_measurer.GetTextExtent(m_font.GetLogFont(), text);
}

CTextMetrics CEmfRecorder::GetTextMetrics() const
{
    return m_measurer.GetTextMetrics(m_font.GetLogFont());
}

CSize CEmfRecorder::GetTextExtent(const CBearingFont& font, std::string_view text) const
{
    return m_measurer.GetTextExtent(font.GetLogFont(), text);
}

CTextMetrics CEmfRecorder::GetTextMetrics(const CBearingFont& font) const
{
    return m_measurer.GetTextMetrics(font.GetLogFont());
}

std::vector<std::uint8_t> CEmfRecorder::Finish()
{
    CheckOpen();
    // Put the stock objects back so that every object made here is deleted before the end.
    if (m_penSlot) {
        SelectAndRelease(Emf::StockFlag | Emf::BlackPen, m_penSlot);
    }
    if (m_brushSlot) {
        SelectAndRelease(Emf::StockFlag | Emf::WhiteBrush, m_brushSlot);
    }
    if (m_fontSlot) {
        SelectAndRelease(Emf::StockFlag | Emf::SystemFont, m_fontSlot);
    }
    CRecord eof(m_bytes, Emf::Eof);
    eof.U32(0).U32(16).U32(20);
    Append(eof);

    const std::vector<std::uint8_t> header = HeaderRecord();
    std::copy(header.begin(), header.end(), m_bytes.begin());
    m_finished = true;
    return std::move(m_bytes);
}

std::vector<std::uint8_t> CEmfRecorder::HeaderRecord() const
{
    const auto descChars =
        m_description.empty() ? 0u : static_cast<std::uint32_t>(m_description.size() + 2);
    std::vector<std::uint8_t> out;
    CRecord header(out, Emf::Header);
    const std::optional<CRect> visible = VisibleBounds();
    const CRect b = visible.value_or(CRect{0, 0, -1, -1});
    // The frame is in 0.01 mm, ten times the bounds: computed wide and held to what its
    // 32-bit fields take.
    const auto hundredths = [](int value, int add) {
        return ClampToInt(static_cast<long long>(value) * 10 + add);
    };
    const CRect frame = visible ? CRect{hundredths(b.left, 0), hundredths(b.top, 0),
                                        hundredths(b.right, 9), hundredths(b.bottom, 9)}
                                : CRect{0, 0, -1, -1};
    header.Rect(b).Rect(frame).U32(Emf::Signature).U32(Emf::Version);
    const std::size_t nBytesAt = header.Size();
    header.U32(0).U32(m_records).I16(static_cast<int>(m_handles)).I16(0);
    header.U32(descChars).U32(descChars == 0 ? 0 : Emf::HeaderSize).U32(0);
    header.I32(DeviceSize.cx).I32(DeviceSize.cy);
    header.I32(DeviceMillimetres.cx).I32(DeviceMillimetres.cy);
    header.U32(0).U32(0).U32(0);
    header.I32(DeviceMillimetres.cx * 1000).I32(DeviceMillimetres.cy * 1000);
    if (descChars != 0) {
        for (char16_t c : m_description) {
            header.I16(c);
        }
        header.I16(0).I16(0);
    }
    header.Close();
    // m_bytes starts with the header's place, so its size is the whole metafile's.
    header.Patch(nBytesAt, static_cast<std::uint32_t>(m_bytes.size()));
    return out;
}
