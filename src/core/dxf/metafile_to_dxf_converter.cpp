#include "dxf/metafile_to_dxf_converter.h"

#include "platform/atomic_file.h"
#include "platform/text_encoding.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace
{
constexpr std::uint32_t NullPenStyle = 5;
constexpr std::uint32_t NullBrushStyle = 1;
constexpr ColorRef White = 0xFFFFFF;
constexpr std::uint32_t PatCopy = 0x00F00021;
constexpr std::uint32_t OpaqueOption = 2;

std::vector<CDxfPoint> ToDxf(std::span<const CPoint> points)
{
    std::vector<CDxfPoint> out;
    out.reserve(points.size());
    for (const CPoint& p : points) {
        out.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    }
    return out;
}
} // namespace

CMetaFileToDxfConverter::CMetaFileToDxfConverter(std::ostream& file,
                                                 std::span<const std::uint8_t> metafile,
                                                 const CTextMeasurer& referenceDevice)
    : CMetaFileParser(metafile, referenceDevice), m_writer(file, 1.0, -1.0, 0.0, 0.0)
{}

void CMetaFileToDxfConverter::OnHeader(const CEmfHeader& header)
{
    const CRect& b = header.bounds;
    m_writer.Syntax().SetTransform(1.0, -1.0, -static_cast<double>(b.left),
                                   static_cast<double>(b.bottom));
    m_writer.WriteHeader();
    m_writer.WriteTables(b);
    m_writer.WriteBlocks();
    m_writer.BeginEntities();
}

void CMetaFileToDxfConverter::OnEof()
{
    m_writer.EndEntities();
    m_writer.WriteObjects();
    m_writer.WriteEof();
}

bool CMetaFileToDxfConverter::PenVisible() const
{
    return GetPen().style != NullPenStyle && GetPen().color != White;
}

bool CMetaFileToDxfConverter::BrushVisible() const
{
    return GetBrush().style != NullBrushStyle && GetBrush().color != White;
}

std::string CMetaFileToDxfConverter::LineType() const
{
    return DxfLineTypeOf(GetPen().style, GetPen().entries);
}

void CMetaFileToDxfConverter::Outline(std::span<const CPoint> points, bool closed)
{
    // A figure of fewer than two points has no outline to draw.
    if (!PenVisible() || points.size() < 2) {
        return;
    }
    const auto dxf = ToDxf(points);
    m_writer.WritePolyline(CDxfWriter::GraphicsLayer, dxf, closed, LineType(),
                           DxfColorIndex(GetPen().color), GetPen().width, 0);
}

void CMetaFileToDxfConverter::Fill(std::span<const CPoint> points, ColorRef color)
{
    const auto dxf = ToDxf(points);
    m_writer.WriteSolids(CDxfWriter::GraphicsLayer, dxf, DxfColorIndex(color));
}

void CMetaFileToDxfConverter::OnPolygon16(std::span<const CPoint> points)
{
    if (BrushVisible()) {
        Fill(points, GetBrush().color);
    }
    Outline(points, true);
}

void CMetaFileToDxfConverter::OnPolygon(std::span<const CPoint> points)
{
    OnPolygon16(points);
}

void CMetaFileToDxfConverter::OnPolyline16(std::span<const CPoint> points)
{
    Outline(points, false);
}

void CMetaFileToDxfConverter::OnPolyline(std::span<const CPoint> points)
{
    Outline(points, false);
}

void CMetaFileToDxfConverter::OnRectangle(const CRect& box)
{
    const CPoint corners[] = {
        {box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}};
    OnPolygon16(corners);
}

void CMetaFileToDxfConverter::OnLineTo(CPoint to)
{
    const CPoint ends[] = {GetPosition(), to};
    Outline(ends, false);
}

void CMetaFileToDxfConverter::OnBitBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    if (rop != PatCopy || !BrushVisible()) {
        return;
    }
    const int right = ClampToInt(static_cast<long long>(x) + width - 1);
    const int bottom = ClampToInt(static_cast<long long>(y) + height - 1);
    const CPoint corners[] = {{x, y}, {right, y}, {right, bottom}, {x, bottom}};
    Fill(corners, GetBrush().color);
}

void CMetaFileToDxfConverter::OnEllipse(const CRect& box)
{
    const CDxfPoint centre{(static_cast<double>(box.left) + box.right) * 0.5,
                           (static_cast<double>(box.top) + box.bottom) * 0.5};
    const double width = static_cast<double>(box.right) - box.left;
    const double height = static_cast<double>(box.bottom) - box.top;
    const double r = std::min(width, height) * 0.5;
    const bool brush = BrushVisible();
    if (brush) {
        // A closed polyline of two half-circle arcs as wide as the radius fills the disc.
        const CDxfPoint ends[] = {{centre.x - r / 2, centre.y}, {centre.x + r / 2, centre.y}};
        m_writer.WritePolyline(CDxfWriter::GraphicsLayer, ends, true, "",
                               DxfColorIndex(GetBrush().color), static_cast<int>(r), 1);
    }
    if (PenVisible() && (!brush || GetPen().color != GetBrush().color)) {
        m_writer.WriteCircle(CDxfWriter::GraphicsLayer, LineType(), DxfColorIndex(GetPen().color),
                             centre, r);
    }
}

void CMetaFileToDxfConverter::OnTextA(const CMetaText& text, std::string_view ansi)
{
    Text(text, std::string(ansi));
}

void CMetaFileToDxfConverter::OnTextW(const CMetaText& text, std::u16string_view utf16)
{
    Text(text, Utf8ToWindows1252(Utf16ToUtf8(utf16)));
}

void CMetaFileToDxfConverter::Text(const CMetaText& text, const std::string& ansi)
{
    if ((text.options & OpaqueOption) != 0 && GetBkColor() != White) {
        const CRect& r = text.rect;
        const CPoint corners[] = {
            {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        Fill(corners, GetBkColor());
    }
    if (ansi.empty()) {
        return;
    }
    // A control character would end the value's line and break the file's structure.
    std::string value = ansi;
    std::replace_if(
        value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; },
        '?');
    const double escapement = GetFont().escapement;
    const double theta = escapement * 3.1416 / 1800.0;
    const double leading = GetTextMetrics().internalLeading;
    const double dx = std::sin(theta) * leading * 0.5;
    const double dy = std::cos(theta) * leading * 0.5;
    const std::uint32_t align = GetTextAlign();
    int horizontal = 0;
    if ((align & 6) == 2) {
        horizontal = 2;
    } else if ((align & 6) == 6) {
        horizontal = 1;
    }
    CDxfPoint at{static_cast<double>(text.reference.x), static_cast<double>(text.reference.y)};
    int vertical = 0;
    if ((align & 24) == 0) {
        vertical = 3;
        at = {at.x + dx, at.y + dy};
    } else if ((align & 24) == 8) {
        vertical = 1;
        at = {at.x - dx, at.y - dy};
    }
    const int height = GetTextMetrics().height - GetTextMetrics().internalLeading;
    m_writer.WriteText(at, DxfColorIndex(GetTextColor()), height, value, escapement * 0.1,
                       horizontal, vertical);
}

void WriteDxfFile(const std::filesystem::path& path, std::span<const std::uint8_t> metafile,
                  const CTextMeasurer& referenceDevice)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CMetaFileToDxfConverter converter(out, metafile, referenceDevice);
        converter.Parse();
    });
}
