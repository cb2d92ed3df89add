// Converts the records of a network drawing's metafile into a DXF drawing.
#pragma once

#include "dxf/dxf_writer.h"
#include "dxf/metafile_parser.h"

#include <filesystem>
#include <ostream>

// Writes the DXF file while the parser replays the metafile: the header record sets the
// transform (X = x - left, Y = bottom - y, from the header's bounds) and writes the header,
// tables and blocks; the end-of-file record closes the entities and writes the objects.
// Drawing records become LWPOLYLINE, SOLID, CIRCLE and TEXT entities on the layers
// Graphics and Text; white or null pens and brushes produce nothing.
class CMetaFileToDxfConverter : public CMetaFileParser
{
public:
    CMetaFileToDxfConverter(std::ostream& file, std::span<const std::uint8_t> metafile,
                            const CTextMeasurer& referenceDevice);

protected:
    void OnHeader(const CEmfHeader& header) override;
    void OnTextA(const CMetaText& text, std::string_view ansi) override;
    void OnTextW(const CMetaText& text, std::u16string_view utf16) override;
    void OnPolyline16(std::span<const CPoint> points) override;
    void OnPolygon16(std::span<const CPoint> points) override;
    void OnEllipse(const CRect& box) override;
    void OnBitBlt(int x, int y, int width, int height, std::uint32_t rop) override;
    void OnLineTo(CPoint to) override;
    void OnPolygon(std::span<const CPoint> points) override;
    void OnPolyline(std::span<const CPoint> points) override;
    void OnRectangle(const CRect& box) override;
    void OnEof() override;

private:
    bool PenVisible() const;
    bool BrushVisible() const;
    std::string LineType() const;
    void Outline(std::span<const CPoint> points, bool closed);
    void Fill(std::span<const CPoint> points, ColorRef color);
    void Text(const CMetaText& text, const std::string& ansi);

    CDxfWriter m_writer;
};

// Converts metafile bytes into a DXF file at path, written beside it first and renamed over
// it, so a failure leaves any earlier file untouched. Throws CEmfFormatError for bad bytes
// and errFileWrite (naming the path) when the file cannot be written.
void WriteDxfFile(const std::filesystem::path& path, std::span<const std::uint8_t> metafile,
                  const CTextMeasurer& referenceDevice);
