#include "dxf/dxf_writer.h"

#include <array>
#include <cstdlib>
#include <limits>

namespace
{
// The colour index palette, 0xRRGGBB by index; index 0 is never written.
// clang-format off
constexpr std::array<std::uint32_t, 256> Palette = {
    0x000000, // unused
    0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0x000000, 0x868686, 0xBBBBBB,
    0xFF0000, 0xFF6666, 0x990000, 0x996666, 0x660000, 0x663333, 0x330000, 0x333333, 0x330000, 0x330000,
    0xFF3300, 0xFF9966, 0x993300, 0x996666, 0x663300, 0x666633, 0x330000, 0x333333, 0x330000, 0x330000,
    0xFF6600, 0xFFCC66, 0x996600, 0x996666, 0x663300, 0x666633, 0x333300, 0x333333, 0x330000, 0x333300,
    0xFFCC00, 0xFFCC66, 0x996600, 0x999966, 0x666600, 0x666633, 0x333300, 0x333333, 0x333300, 0x333300,
    0xFFFF00, 0xFFFF66, 0x999900, 0x999966, 0x666600, 0x666633, 0x333300, 0x333333, 0x333300, 0x333300,
    0xCCFF00, 0xCCFF66, 0x669900, 0x999966, 0x666600, 0x666633, 0x333300, 0x333333, 0x333300, 0x333300,
    0x66FF00, 0xCCFF66, 0x669900, 0x669966, 0x336600, 0x666633, 0x333300, 0x333333, 0x333300, 0x333300,
    0x33FF00, 0x99FF66, 0x339900, 0x669966, 0x336600, 0x666633, 0x003300, 0x333333, 0x003300, 0x003300,
    0x00FF00, 0x66FF66, 0x009900, 0x669966, 0x006600, 0x336633, 0x003300, 0x333333, 0x003300, 0x003300,
    0x00FF33, 0x66FF99, 0x009933, 0x669966, 0x006633, 0x336666, 0x003300, 0x333333, 0x003300, 0x003300,
    0x00FF66, 0x66FFCC, 0x009966, 0x669966, 0x006633, 0x336666, 0x003333, 0x333333, 0x003300, 0x003300,
    0x00FFCC, 0x66FFCC, 0x009966, 0x669999, 0x006666, 0x336666, 0x003333, 0x333333, 0x003300, 0x003333,
    0x00FFFF, 0x66FFFF, 0x009999, 0x669999, 0x006666, 0x336666, 0x003333, 0x333333, 0x003333, 0x003333,
    0x00CCCD, 0x66CCCD, 0x0066FD, 0x6699FD, 0x006666, 0x336666, 0x003333, 0x333333, 0x003333, 0x003333,
    0x0066FF, 0x66CCFF, 0x006699, 0x666699, 0x003366, 0x336666, 0x003333, 0x333333, 0x000033, 0x000033,
    0x0033FF, 0x6699FF, 0x003399, 0x666699, 0x003366, 0x336666, 0x000033, 0x333333, 0x000033, 0x000033,
    0x0000FF, 0x6666FF, 0x000099, 0x666699, 0x000066, 0x333366, 0x000033, 0x333333, 0x000033, 0x000033,
    0x3300FF, 0x9966FF, 0x330099, 0x666699, 0x330066, 0x663366, 0x000033, 0x333333, 0x000033, 0x000033,
    0x6600FF, 0xCC66FF, 0x660099, 0x666699, 0x330066, 0x663366, 0x330033, 0x333333, 0x000033, 0x000033,
    0xCC00FF, 0xCC66FF, 0x660099, 0x996699, 0x660066, 0x663366, 0x330033, 0x333333, 0x330033, 0x330033,
    0xFF00FF, 0xFF66FF, 0x990099, 0x996699, 0x660066, 0x663366, 0x330033, 0x333333, 0x330033, 0x330033,
    0xFF00CC, 0xFF66CC, 0x990066, 0x996699, 0x660066, 0x663366, 0x330033, 0x333333, 0x330033, 0x330033,
    0xFF0066, 0xFF66CC, 0x990066, 0x996666, 0x660033, 0x663366, 0x330033, 0x333333, 0x330000, 0x330000,
    0xFF0033, 0xFF66FD, 0x990033, 0x996666, 0x660033, 0x663366, 0x330000, 0x333333, 0x330000, 0x330000,
    0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xAEAEAE,
};
// clang-format on
} // namespace

std::uint32_t DxfPaletteEntry(int index)
{
    return index >= 1 && index <= 255 ? Palette[static_cast<std::size_t>(index)] : 0;
}

int DxfColorIndex(ColorRef color)
{
    int best = 1;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 1; i <= 255; ++i) {
        const std::uint32_t e = Palette[static_cast<std::size_t>(i)];
        const int d = std::abs(RedOf(color) - static_cast<int>(e >> 16)) +
                      std::abs(GreenOf(color) - static_cast<int>((e >> 8) & 0xFF)) +
                      std::abs(BlueOf(color) - static_cast<int>(e & 0xFF));
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::string DxfLineTypeOf(std::uint32_t penStyle, std::span<const std::uint32_t> entries)
{
    static const char* const Names[] = {"", "Dashed", "Dotted", "Dash Dotted", "Dash Dot Dotted"};
    int kind = -1;
    if (penStyle >= 1 && penStyle <= 4) {
        kind = static_cast<int>(penStyle);
    } else if (penStyle == 7) {
        using V = std::vector<std::uint32_t>;
        const V e(entries.begin(), entries.end());
        if (e.empty()) {
            kind = 0;
        } else if (e == V{40, 10}) {
            kind = 1;
        } else if (e == V{10, 10}) {
            kind = 2;
        } else if (e == V{40, 10, 10, 10}) {
            kind = 3;
        } else if (e == V{40, 10, 10, 10, 10, 10}) {
            kind = 4;
        }
    }
    return kind > 0 ? Names[kind] : "";
}

CDxfWriter::CDxfWriter(std::ostream& out, double scaleX, double scaleY, double offsetX,
                       double offsetY)
    : m_syntax(out, scaleX, scaleY, offsetX, offsetY)
{}

void CDxfWriter::WriteHeader()
{
    auto& s = m_syntax;
    s.String(0, "SECTION");
    s.String(2, "HEADER");
    s.String(9, "$ACADVER");
    s.String(1, "AC1015");
    s.String(9, "$HANDSEED");
    s.String(5, "16000");
    s.String(0, "ENDSEC");
}

void CDxfWriter::BeginTable(const char* name, const char* handle, int count)
{
    auto& s = m_syntax;
    s.String(0, "TABLE");
    s.String(2, name);
    s.String(5, handle);
    s.String(330, "0");
    s.String(100, "AcDbSymbolTable");
    s.Int(70, count);
}

void CDxfWriter::BeginRecord(const char* type, const char* handle, const char* table,
                             const char* recordClass)
{
    auto& s = m_syntax;
    s.String(0, type);
    if (handle != nullptr) {
        s.String(5, handle);
    } else {
        s.WriteHandle(m_nextHandle);
    }
    s.String(330, table);
    s.String(100, "AcDbSymbolTableRecord");
    s.String(100, recordClass);
}

void CDxfWriter::WriteLineType(const char* handle, const char* name, const char* description,
                               double length, std::span<const double> elements)
{
    auto& s = m_syntax;
    BeginRecord("LTYPE", handle, "5", "AcDbLinetypeTableRecord");
    s.String(2, name);
    s.Int(70, 0);
    s.String(3, description);
    s.Int(72, 65);
    s.Int(73, static_cast<long>(elements.size()));
    if (elements.empty()) {
        s.Int(40, 0);
        return;
    }
    s.Real(40, length);
    for (double e : elements) {
        s.Real(49, e);
        s.Int(74, 0);
    }
}

void CDxfWriter::WriteLayer(const char* name)
{
    auto& s = m_syntax;
    BeginRecord("LAYER", std::string_view(name) == "0" ? "10" : nullptr, "2",
                "AcDbLayerTableRecord");
    s.String(2, name);
    s.Int(70, 0);
    s.Int(62, 7);
    s.String(6, "Continuous");
    s.Int(370, -3);
    s.String(390, "F");
}

void CDxfWriter::WriteStyle(const char* handle, const char* name, const char* file)
{
    auto& s = m_syntax;
    BeginRecord("STYLE", handle, "3", "AcDbTextStyleTableRecord");
    s.String(2, name);
    s.Int(70, 0);
    s.Int(40, 0);
    s.Int(41, 1);
    s.Int(50, 0);
    s.Int(71, 0);
    s.Real(42, 0.2);
    s.String(3, file);
    s.String(4, "");
}

void CDxfWriter::WriteTables(const CRect& bounds)
{
    auto& s = m_syntax;
    s.String(0, "SECTION");
    s.String(2, "TABLES");

    BeginTable("VPORT", "8", 3);
    BeginRecord("VPORT", "2C", "8", "AcDbViewportTableRecord");
    s.String(2, "*Active");
    s.Int(70, 0);
    s.Int(10, 0);
    s.Int(20, 0);
    s.Int(11, 1);
    s.Int(21, 1);
    // Summed as reals: the bounds come from the metafile and may be anywhere in 32 bits.
    s.Real(12, (static_cast<double>(bounds.left) + bounds.right) * 0.5);
    s.Real(22, (static_cast<double>(bounds.top) + bounds.bottom) * 0.5);
    s.Int(13, 0);
    s.Int(23, 0);
    s.Real(14, 0.5);
    s.Real(24, 0.5);
    s.Real(15, 0.5);
    s.Real(25, 0.5);
    s.Int(16, 0);
    s.Int(26, 0);
    s.Int(36, 1);
    s.Int(17, 0);
    s.Int(27, 0);
    s.Int(37, 0);
    // A drawing of no height (one horizontal line, or nothing) would give a view of height 0
    // and an aspect ratio of infinity; both are kept at least 1.
    const long height = std::max(static_cast<long>(bounds.bottom) - bounds.top, 1L);
    const long width = std::max(static_cast<long>(bounds.right) - bounds.left, 1L);
    s.Int(40, height);
    s.Real(41, static_cast<double>(width) / static_cast<double>(height));
    s.Int(42, 50);
    for (int code : {43, 44, 50, 51, 71}) {
        s.Int(code, 0);
    }
    s.Int(72, 100);
    s.Int(73, 1);
    s.Int(74, 3);
    for (int code : {75, 76, 77, 78, 281}) {
        s.Int(code, 0);
    }
    s.Int(65, 1);
    s.Int(110, 0);
    s.Int(120, 0);
    s.Int(130, 0);
    s.Int(111, 1);
    s.Int(121, 0);
    s.Int(131, 0);
    s.Int(112, 0);
    s.Int(122, 1);
    s.Int(132, 0);
    s.Int(79, 0);
    s.Int(146, 0);
    s.String(0, "ENDTAB");

    BeginTable("LTYPE", "5", 1);
    WriteLineType("14", "ByBlock", "", 0, {});
    WriteLineType("15", "ByLayer", "", 0, {});
    WriteLineType("16", "Continuous", "Solid line", 0, {});
    static constexpr double Dashed[] = {30.0, -10.0};
    static constexpr double Dotted[] = {10.0, -10.0};
    static constexpr double DashDotted[] = {30.0, -10.0, 10.0, -10.0};
    static constexpr double DashDotDotted[] = {30.0, -10.0, 10.0, -10.0, 10.0, -10.0};
    WriteLineType("2E", "Dashed", "Dashed line", 40.0, Dashed);
    WriteLineType("2F", "Dotted", "Dotted line", 20.0, Dotted);
    WriteLineType("30", "Dash Dotted", "Dash-Dotted line", 60.0, DashDotted);
    WriteLineType("31", "Dash Dot Dotted", "Dash-Dot-Dotted line", 80.0, DashDotDotted);
    s.String(0, "ENDTAB");

    BeginTable("LAYER", "2", 1);
    WriteLayer("0");
    WriteLayer(TextLayer);
    WriteLayer(GraphicsLayer);
    s.String(0, "ENDTAB");

    BeginTable("STYLE", "3", 1);
    WriteStyle("11", "Standard", "txt");
    WriteStyle("2D", "Arial", "ARIAL.TTF");
    s.String(0, "ENDTAB");

    BeginTable("VIEW", "6", 0);
    s.String(0, "ENDTAB");
    BeginTable("UCS", "7", 0);
    s.String(0, "ENDTAB");

    BeginTable("APPID", "9", 1);
    BeginRecord("APPID", "12", "9", "AcDbRegAppTableRecord");
    s.String(2, "ACAD");
    s.Int(70, 0);
    s.String(0, "ENDTAB");

    BeginTable("DIMSTYLE", "A", 1);
    s.String(100, "AcDbDimStyleTable");
    s.Int(71, 0);
    s.String(0, "DIMSTYLE");
    s.String(105, "27");
    s.String(330, "A");
    s.String(100, "AcDbSymbolTableRecord");
    s.String(100, "AcDbDimStyleTableRecord");
    s.String(2, "Standard");
    s.Int(70, 0);
    s.String(340, "11");
    s.String(0, "ENDTAB");

    BeginTable("BLOCK_RECORD", "1", 1);
    BeginRecord("BLOCK_RECORD", "1F", "1", "AcDbBlockTableRecord");
    s.String(2, "*Model_Space");
    s.String(340, "22");
    BeginRecord("BLOCK_RECORD", "1B", "1", "AcDbBlockTableRecord");
    s.String(2, "*Paper_Space");
    s.String(340, "22");
    s.String(0, "ENDTAB");

    s.String(0, "ENDSEC");
}

void CDxfWriter::WriteBlocks()
{
    auto& s = m_syntax;
    s.String(0, "SECTION");
    s.String(2, "BLOCKS");
    struct CBlock
    {
        const char* begin;
        const char* end;
        const char* owner;
        const char* name;
        bool paper;
    };
    for (const CBlock& b : {CBlock{"20", "21", "1F", "*Model_Space", false},
                            CBlock{"1C", "1D", "1B", "*Paper_Space", true}}) {
        s.String(0, "BLOCK");
        s.String(5, b.begin);
        s.String(330, b.owner);
        s.String(100, "AcDbEntity");
        if (b.paper) {
            s.Int(67, 1);
        }
        s.Int(8, 0);
        s.String(100, "AcDbBlockBegin");
        s.String(2, b.name);
        s.Int(70, 0);
        s.Int(10, 0);
        s.Int(20, 0);
        s.Int(30, 0);
        s.String(3, b.name);
        s.String(1, "");
        s.String(0, "ENDBLK");
        s.String(5, b.end);
        s.String(330, b.owner);
        s.String(100, "AcDbEntity");
        if (b.paper) {
            s.Int(67, 1);
        }
        s.Int(8, 0);
        s.String(100, "AcDbBlockEnd");
    }
    s.String(0, "ENDSEC");
}

void CDxfWriter::BeginEntities()
{
    m_syntax.String(0, "SECTION");
    m_syntax.String(2, "ENTITIES");
}

void CDxfWriter::EndEntities()
{
    m_syntax.String(0, "ENDSEC");
}

void CDxfWriter::WriteObjects()
{
    auto& s = m_syntax;
    s.String(0, "SECTION");
    s.String(2, "OBJECTS");
    auto dictionary = [&](const char* handle, const char* owner) {
        s.String(0, "DICTIONARY");
        s.String(5, handle);
        s.String(330, owner);
        s.String(100, "AcDbDictionary");
        s.Int(281, 1);
    };
    dictionary("C", "0");
    for (auto [name, handle] :
         {std::pair{"ACAD_GROUP", "D"}, std::pair{"ACAD_LAYOUT", "1A"},
          std::pair{"ACAD_MLINESTYLE", "17"}, std::pair{"ACAD_PLOTSETTINGS", "19"},
          std::pair{"ACAD_PLOTSTYLENAME", "E"}}) {
        s.String(3, name);
        s.String(350, handle);
    }
    dictionary("D", "C");
    dictionary("1A", "C");
    s.String(3, "Model");
    s.String(350, "22");
    dictionary("17", "C");
    s.String(3, "Standard");
    s.String(350, "18");
    dictionary("19", "C");

    s.String(0, "ACDBDICTIONARYWDFLT");
    s.String(5, "E");
    s.String(330, "C");
    s.String(100, "AcDbDictionary");
    s.Int(281, 1);
    s.String(3, "Normal");
    s.String(350, "F");
    s.String(100, "AcDbDictionaryWithDefault");
    s.String(340, "F");

    s.String(0, "LAYOUT");
    s.String(5, "22");
    s.String(330, "1A");
    s.String(100, "AcDbPlotSettings");
    s.String(1, "");
    s.String(4, "");
    s.String(6, "");
    for (int code = 40; code <= 49; ++code) {
        s.Int(code, 0);
    }
    s.Int(140, 0);
    s.Int(141, 0);
    s.Int(142, 1);
    s.Int(143, 1);
    s.Int(70, 1712);
    s.Int(72, 0);
    s.Int(73, 0);
    s.Int(74, 0);
    s.String(7, "");
    s.Int(75, 0);
    s.Int(147, 1);
    s.Int(148, 0);
    s.Int(149, 0);
    s.String(100, "AcDbLayout");
    s.String(1, "Model");
    s.Int(70, 1);
    s.Int(71, 0);
    s.Int(10, 0);
    s.Int(20, 0);
    s.Int(11, 12);
    s.Int(21, 9);
    for (int code : {12, 22, 32, 14, 24, 34, 15, 25, 35, 146, 13, 23, 33}) {
        s.Int(code, 0);
    }
    s.Int(16, 1);
    s.Int(26, 0);
    s.Int(36, 0);
    s.Int(17, 0);
    s.Int(27, 1);
    s.Int(37, 0);
    s.Int(76, 0);
    s.String(330, "1F");

    s.String(0, "MLINESTYLE");
    s.String(5, "18");
    s.String(330, "17");
    s.String(100, "AcDbMlineStyle");
    s.String(2, "STANDARD");
    s.Int(70, 0);
    s.String(3, "");
    s.Int(62, 256);
    s.Int(51, 90);
    s.Int(52, 90);
    s.Int(71, 2);
    s.Real(49, 0.5);
    s.Int(62, 256);
    s.String(6, "BYLAYER");
    s.Real(49, -0.5);
    s.Int(62, 256);
    s.String(6, "BYLAYER");

    s.String(0, "ACDBPLACEHOLDER");
    s.String(5, "F");
    s.String(330, "E");
    s.String(0, "ENDSEC");
}

void CDxfWriter::WriteEof()
{
    m_syntax.String(0, "EOF");
}

void CDxfWriter::WritePolyline(const std::string& layer, std::span<const CDxfPoint> points,
                               bool closed, const std::string& lineType, int color, int width,
                               int bulge)
{
    auto& s = m_syntax;
    s.String(0, "LWPOLYLINE");
    s.WriteHandle(m_nextHandle);
    s.String(100, "AcDbEntity");
    s.String(8, layer);
    if (!lineType.empty()) {
        s.String(6, lineType);
    }
    s.Int(62, color);
    s.String(100, "AcDbPolyline");
    s.Int(90, static_cast<long>(points.size()));
    s.Int(70, closed ? 1 : 0);
    s.Int(43, width);
    for (const CDxfPoint& p : points) {
        s.WriteGroupCode(10);
        s.WriteX(p.x);
        s.WriteGroupCode(20);
        s.WriteY(p.y);
        s.Int(42, bulge);
    }
}

void CDxfWriter::WriteSolids(const std::string& layer, std::span<const CDxfPoint> points, int color)
{
    auto& s = m_syntax;
    const std::size_t n = points.size();
    for (std::size_t k = 0; n >= 3 && k < (n - 1) / 2; ++k) {
        s.String(0, "SOLID");
        s.WriteHandle(m_nextHandle);
        s.String(100, "AcDbEntity");
        s.String(8, layer);
        s.Int(62, color);
        s.String(100, "AcDbTrace");
        const CDxfPoint corners[] = {points[n - 1 - k], points[k], points[n - 2 - k],
                                     points[k + 1]};
        for (int c = 0; c < 4; ++c) {
            s.WritePoint(10 + c, corners[c].x, corners[c].y);
        }
    }
}

void CDxfWriter::WriteCircle(const std::string& layer, const std::string& lineType, int color,
                             CDxfPoint centre, double radius)
{
    auto& s = m_syntax;
    s.String(0, "CIRCLE");
    s.WriteHandle(m_nextHandle);
    s.String(100, "AcDbEntity");
    s.String(8, layer);
    if (!lineType.empty()) {
        s.String(6, lineType);
    }
    s.Int(62, color);
    s.String(100, "AcDbCircle");
    s.WritePoint(10, centre.x, centre.y);
    s.Real(40, radius);
}

void CDxfWriter::WriteText(CDxfPoint reference, int color, int height, const std::string& text,
                           double rotation, int horizontal, int vertical)
{
    auto& s = m_syntax;
    s.String(0, "TEXT");
    s.WriteHandle(m_nextHandle);
    s.String(100, "AcDbEntity");
    s.String(8, TextLayer);
    s.Int(62, color);
    s.String(100, "AcDbText");
    s.WritePoint(10, reference.x, reference.y);
    s.Int(40, height);
    s.String(1, text);
    s.Real(50, rotation);
    s.String(7, "Arial");
    s.Int(72, horizontal);
    s.WritePoint(11, reference.x, reference.y);
    s.String(100, "AcDbText");
    s.Int(73, vertical);
}
