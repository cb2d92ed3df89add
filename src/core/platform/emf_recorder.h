// A drawing surface that records genuine Enhanced Metafile bytes.
#pragma once

#include "platform/drawing_surface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Records drawing calls as EMF records, one logical unit per device unit: the reference
// device is 2100 x 2970 units on 210 x 297 mm, so a plan unit is 0.1 mm and recorded
// coordinates are plan units. Pens, brushes and fonts become metafile objects in the
// lowest free slot of the object table; the object a Select call replaces is deleted at
// once, so slots are reused. The header's bounds (inclusive) cover everything drawn, its
// frame the same in 0.01 mm. Finish() closes the metafile and returns its bytes; drawing
// after Finish() throws std::logic_error.
class CEmfRecorder : public CDrawingSurface
{
public:
    // The measurer answers text extents and metrics; it must outlive the recorder.
    explicit CEmfRecorder(const CTextMeasurer& measurer, std::string description = "");

    static constexpr CSize DeviceSize{2100, 2970};
    static constexpr CSize DeviceMillimetres{210, 297};

    // The clip box the renderer's clip test sees; defaults to the reference device.
    void SetClipBox(const CRect& box) { m_clipBox = box; }
    // Limits what is drawn from here on to the rectangle (right and bottom exclusive), as GDI's
    // IntersectClipRect: a clip record, a clip box of the rectangle, and bounds and frame cut
    // to it, so the picture is the extent of what shows.
    void IntersectClipRect(const CRect& rect);
    // Widens the picture's bounds and frame to hold the rectangle (right and bottom exclusive)
    // though nothing is drawn there: a margin around a drawing.
    void IncludeInPicture(const CRect& rect);

    std::vector<std::uint8_t> Finish();

    CPenExt SelectPen(const CPenExt& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    CBearingFont SelectFont(const CBearingFont& font) override;
    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    EBkMode SetBkMode(EBkMode mode) override;
    unsigned SetTextAlign(unsigned flags) override;
    int SetRop2(int mode) override;

    void MoveTo(CPoint p) override;
    void LineTo(CPoint p) override;
    void Polyline(std::span<const CPoint> points) override;
    void Polygon(std::span<const CPoint> points) override;
    void Rectangle(const CRect& box) override;
    void Ellipse(const CRect& box) override;
    void TextOut(CPoint reference, std::string_view text) override;
    void ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                    std::string_view text) override;
    void PatBlt(int x, int y, int width, int height, std::uint32_t rop) override;

    CSize GetTextExtent(std::string_view text) const override;
    CTextMetrics GetTextMetrics() const override;
    CSize GetTextExtent(const CBearingFont& font, std::string_view text) const override;
    CTextMetrics GetTextMetrics(const CBearingFont& font) const override;
    CRect GetClipBox() const override { return m_clipBox; }

    CPoint GetCurrentPosition() const override { return m_position; }
    const CPenExt& GetPen() const override { return m_pen; }
    const CBrush& GetBrush() const override { return m_brush; }
    const CBearingFont& GetFont() const override { return m_font; }
    ColorRef GetTextColor() const override { return m_textColor; }
    unsigned GetTextAlign() const override { return m_textAlign; }

private:
    class CRecord;

    // The header record for the state now; its size depends only on the description.
    std::vector<std::uint8_t> HeaderRecord() const;
    void Append(CRecord& record);
    void CheckOpen() const;
    std::uint32_t AllocateSlot();
    void FreeSlot(std::uint32_t slot);
    void SelectAndRelease(std::uint32_t handle, std::optional<std::uint32_t>& current);
    void WritePolyRecord(std::uint32_t type16, std::uint32_t type32,
                         std::span<const CPoint> points);
    void AddBounds(int left, int top, int right, int bottom);
    void AddPointBounds(std::span<const CPoint> points);
    int PenMargin() const;
    CRect TextBounds(CPoint reference, std::string_view text) const;
    // The bounds of what was drawn, cut to the clip rectangle; none when nothing shows.
    std::optional<CRect> VisibleBounds() const;

    const CTextMeasurer& m_measurer;
    std::u16string m_description;
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_records = 0;
    std::vector<bool> m_slots{true}; // slot 0 is the metafile itself
    std::uint32_t m_handles = 1;
    std::optional<std::uint32_t> m_penSlot;
    std::optional<std::uint32_t> m_brushSlot;
    std::optional<std::uint32_t> m_fontSlot;
    bool m_finished = false;
    bool m_hasBounds = false;
    CRect m_bounds{0, 0, -1, -1};
    CRect m_clipBox{0, 0, DeviceSize.cx, DeviceSize.cy};
    std::optional<CRect> m_clip; // inclusive, as bounds are

    CPoint m_position;
    CPenExt m_pen{EPenStyle::Solid, 0, 0};
    CBrush m_brush{0xFFFFFF};
    CBearingFont m_font;
    ColorRef m_textColor = 0;
    ColorRef m_bkColor = 0xFFFFFF;
    EBkMode m_bkMode = EBkMode::Opaque;
    unsigned m_textAlign = 0;
    int m_rop2 = Rop2::CopyPen;
};
