// A recorded metafile played back onto the Qt surface paints what drawing there directly
// paints: pens and their dashes, brushes, fonts at every escapement and alignment.
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "platform/metafile_player.h"
#include "platform/qpainter_surface.h"
#include "support/drawing_agreement.h"
#include "support/metafile_reader.h"
#include "support/primitive_table.h"
#include "support/text_moving_surface.h"

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace
{

class MetafilePlayerTest : public testing::Test
{
protected:
    CFreeTypeTextMeasurer m_measurer;
    CGlyphFonts m_fonts;
};

TEST_F(MetafilePlayerTest, PlaysTheTableOfPrimitivesAsItWasDrawn)
{
    CEmfRecorder recorder(m_measurer);
    DrawTextAndShapeTable(recorder);
    const std::vector<std::uint8_t> emf = recorder.Finish();
    const CRect bounds = MetafileBounds(emf);

    const QImage drawn = PaintOnImage(bounds, m_measurer, m_fonts, DrawTextAndShapeTable);
    const QImage played = PaintOnImage(
        bounds, m_measurer, m_fonts, [&](CDrawingSurface& s) { PlayMetafile(emf, s, m_measurer); });
    // The same painter twice: only the order of state changes differs.
    const CAgreement agreement = CompareRenderings(drawn, played, {1, 40, 32});
    EXPECT_TRUE(agreement.sameSize);
    EXPECT_LE(agreement.worstTile, 4) << agreement.Describe();
}

TEST_F(MetafilePlayerTest, PutsTheSurfaceBackAndRefusesWhatIsNoMetafile)
{
    CEmfRecorder recorder(m_measurer);
    recorder.SelectPen(CPenExt(EPenStyle::Dash, 4, 0x0000FF));
    recorder.SelectFont(CBearingFont(0.0, 40, false));
    recorder.SetTextColor(0x00FF00);
    recorder.TextOut({10, 10}, "E1");
    recorder.LineTo({100, 100});
    const std::vector<std::uint8_t> emf = recorder.Finish();

    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    CQPainterSurface surface(painter, CPlanMapping{}, m_measurer, &m_fonts);
    const CPenExt pen = surface.GetPen();
    const CBearingFont font = surface.GetFont();
    PlayMetafile(emf, surface, m_measurer);
    EXPECT_EQ(surface.GetPen(), pen);
    EXPECT_EQ(surface.GetFont(), font);
    EXPECT_EQ(surface.GetTextColor(), 0u);

    const std::vector<std::uint8_t> cut(emf.begin(), emf.begin() + 60);
    EXPECT_THROW(PlayMetafile(cut, surface, m_measurer), CEmfFormatError);
}

} // namespace
