// The DXF drawing writer: the fixed header, tables, blocks and objects of a release 2000
// drawing and the entities the metafile converter asks for.
#pragma once

#include "dxf/dxf_syntax_writer.h"
#include "platform/geometry.h"

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

struct CDxfPoint
{
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CDxfPoint&, const CDxfPoint&) = default;
};

// The colour number of a colour: the first entry of the 255-entry colour index palette
// nearest by the sum of absolute red, green and blue differences (so pure red is 1, black 7).
int DxfColorIndex(ColorRef color);
// The palette entry of a colour number (1 to 255) as 0xRRGGBB.
std::uint32_t DxfPaletteEntry(int index);

// The line type name of a pen: by style 1 to 4, or for a user style (7) by its dash
// entries; empty for solid and unclassed pens.
std::string DxfLineTypeOf(std::uint32_t penStyle, std::span<const std::uint32_t> entries);

// Writes one DXF file. Entity handles come from a counter starting at 0x2000; the Text and
// Graphics layers take the first two, so entities start at 0x2002.
class CDxfWriter
{
public:
    static constexpr int FirstHandle = 0x2000;
    static constexpr const char* TextLayer = "Text";
    static constexpr const char* GraphicsLayer = "Graphics";

    CDxfWriter(std::ostream& out, double scaleX, double scaleY, double offsetX, double offsetY);

    CDxfSyntaxWriter& Syntax() { return m_syntax; }
    int GetNextHandle() const { return m_nextHandle; }

    // bounds: the metafile's inclusive bounds, for the active viewport.
    void WriteHeader();
    void WriteTables(const CRect& bounds);
    void WriteBlocks();
    void BeginEntities();
    void EndEntities();
    void WriteObjects();
    void WriteEof();

    void WritePolyline(const std::string& layer, std::span<const CDxfPoint> points, bool closed,
                       const std::string& lineType, int color, int width, int bulge);
    // The SOLIDs that fill a polygon, as (n - 1) / 2 strips from both ends inwards.
    void WriteSolids(const std::string& layer, std::span<const CDxfPoint> points, int color);
    void WriteCircle(const std::string& layer, const std::string& lineType, int color,
                     CDxfPoint centre, double radius);
    void WriteText(CDxfPoint reference, int color, int height, const std::string& text,
                   double rotation, int horizontal, int vertical);

private:
    void BeginTable(const char* name, const char* handle, int count);
    void BeginRecord(const char* type, const char* handle, const char* table,
                     const char* recordClass);
    void WriteLineType(const char* handle, const char* name, const char* description, double length,
                       std::span<const double> elements);
    void WriteLayer(const char* name);
    void WriteStyle(const char* handle, const char* name, const char* file);

    CDxfSyntaxWriter m_syntax;
    int m_nextHandle = FirstHandle;
};
