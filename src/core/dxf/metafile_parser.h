// Replays the records of an enhanced metafile, keeping the graphics state, and hands each
// drawing record to a handler.
#pragma once

#include "platform/emf_reader.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/text_measurer.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// A logical pen as a metafile creates it; entries are the user dash pattern.
struct CMetaPen
{
    std::uint32_t style = 0;
    int width = 1;
    ColorRef color = 0;
    std::vector<std::uint32_t> entries;
};

struct CMetaBrush
{
    std::uint32_t style = 0;
    ColorRef color = 0xFFFFFF;
    std::uint32_t hatch = 0;
};

using CMetaObject = std::variant<CMetaPen, CMetaBrush, CLogFont>;

// The objects the records create, by metafile object number. The table has the header's
// handle count of slots; an index below 0 or past the end, or an empty slot, yields none.
class CMetafileGdiObjects
{
public:
    void Resize(std::size_t count) { m_objects.assign(count, std::nullopt); }
    std::size_t Size() const { return m_objects.size(); }
    // False (and nothing stored) for an index outside the table or slot 0.
    bool Add(std::int64_t index, CMetaObject object);
    void Remove(std::int64_t index);
    const CMetaObject* Get(std::int64_t index) const;

private:
    std::vector<std::optional<CMetaObject>> m_objects;
};

// A text record: reference point, options and rectangle.
struct CMetaText
{
    CPoint reference;
    std::uint32_t options = 0;
    CRect rect;
};

// Parses metafile bytes with CEmfReader. Text metrics of the current font are measured with
// the reference device's measurer. Format errors of the bytes propagate as CEmfFormatError
// from Parse(). The base handlers do nothing; a subclass overrides those it converts.
class CMetaFileParser
{
public:
    // Both must outlive the parser.
    CMetaFileParser(std::span<const std::uint8_t> metafile, const CTextMeasurer& referenceDevice);
    virtual ~CMetaFileParser() = default;
    CMetaFileParser(const CMetaFileParser&) = delete;
    CMetaFileParser& operator=(const CMetaFileParser&) = delete;

    // Back to the initial state: stock black pen, white brush, system font, background
    // 0xFFFFFF, everything else 0.
    virtual void Reset();

    void Parse();

protected:
    virtual void OnHeader(const CEmfHeader&) {}
    virtual void OnTextA(const CMetaText&, std::string_view) {}
    virtual void OnTextW(const CMetaText&, std::u16string_view) {}
    virtual void OnPolyline16(std::span<const CPoint>) {}
    virtual void OnPolygon16(std::span<const CPoint>) {}
    virtual void OnEllipse(const CRect&) {}
    virtual void OnBitBlt(int, int, int, int, std::uint32_t) {}
    virtual void OnLineTo(CPoint) {}
    virtual void OnPolygon(std::span<const CPoint>) {}
    virtual void OnPolyline(std::span<const CPoint>) {}
    virtual void OnRectangle(const CRect&) {}
    virtual void OnEof() {}

    const CMetaPen& GetPen() const { return m_pen; }
    const CMetaBrush& GetBrush() const { return m_brush; }
    const CLogFont& GetFont() const { return m_font; }
    const CTextMetrics& GetTextMetrics() const { return m_textMetrics; }
    CPoint GetPosition() const { return m_position; }
    std::uint32_t GetTextAlign() const { return m_textAlign; }
    ColorRef GetBkColor() const { return m_bkColor; }
    std::uint32_t GetBkMode() const { return m_bkMode; }
    ColorRef GetTextColor() const { return m_textColor; }
    const CMetafileGdiObjects& GetObjects() const { return m_objects; }

private:
    void Dispatch(const CEmfRecord& record);
    void SelectObject(std::uint32_t index);
    void SelectFont(const CLogFont& font);
    static std::vector<CPoint> ReadPoints(const CEmfRecord& record, bool wide);
    static CMetaText ReadText(const CEmfRecord& record);

    std::span<const std::uint8_t> m_metafile;
    const CTextMeasurer& m_reference;
    CMetafileGdiObjects m_objects;
    CPoint m_position;
    CMetaPen m_pen;
    CMetaBrush m_brush;
    CLogFont m_font;
    CTextMetrics m_textMetrics;
    std::uint32_t m_textAlign = 0;
    ColorRef m_bkColor = 0xFFFFFF;
    std::uint32_t m_bkMode = 0;
    ColorRef m_textColor = 0;
};
