// What the Qt surface paints agrees with the recorded metafile as an outside program shows it:
// LibreOffice places the metafile in a document, poppler rasterises the page, and the two
// images must agree pixel by pixel within a small radius. Dashes and raster operations, which
// that reader does not draw as GDI does, are checked against the rule in gdi_rules_test.cpp.
#include "document/carousel_doc.h"
#include "external_tools.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "support/drawing_agreement.h"
#include "support/metafile_reader.h"
#include "support/primitive_table.h"
#include "support/text_moving_surface.h"
#include "view/diagram_painter.h"

#include <functional>
#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace
{
// At one pixel per plan unit a text moved by 6 units is 6 pixels away. Measured: honest paintings
// of the table, the roundabout and the crossroads leave at most 10, 44 and 51 disagreeing pixels in
// a 32-pixel tile at any half-tile step (antialiasing and hinting of thin lines and glyph edges);
// the label "E1" moved 6 units leaves 172 and 170, a table text 353.
constexpr int MostDisagreeingPerTile = 80;

using CDrawing = std::function<void(CDrawingSurface&)>;

class AgreementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveLibreOffice()) {
            GTEST_SKIP() << "LibreOffice (libreoffice-writer-nogui) or poppler (poppler-utils) "
                            "is not installed";
        }
    }

    QImage ReaderImage(const std::vector<std::uint8_t>& emf, const std::string& name)
    {
        m_dir = TestSupport::ScratchDir("agreement-" + name);
        std::string log;
        QImage image = RenderThroughLibreOffice({emf}, 1.0, m_dir, log).front();
        EXPECT_FALSE(image.isNull()) << log;
        return image;
    }

    // Compares, keeping the three pictures beside the test's files when they disagree.
    CAgreement Compare(const QImage& ours, const QImage& reader, const std::string& name)
    {
        const CAgreement agreement = CompareRenderings(ours, reader);
        if (agreement.worstTile > MostDisagreeingPerTile) {
            const auto save = [&](const QImage& image, const std::string& file) {
                image.save(QString::fromStdString((m_dir / (name + "-" + file)).string()));
            };
            save(ours, "ours.png");
            save(reader, "reader.png");
            save(CompareRenderings(ours, reader, {}, true).picture, "disagreement.png");
        }
        return agreement;
    }

    // The drawing painted here agrees with its metafile as the reader shows it; with one text
    // moved, it does not.
    void ExpectAgreement(const std::vector<std::uint8_t>& emf, const CDrawing& draw,
                         const std::string& name, const std::string& movedText)
    {
        const QImage reader = ReaderImage(emf, name);
        ASSERT_FALSE(reader.isNull());
        const CRect bounds = MetafileBounds(emf);
        const CAgreement honest =
            Compare(PaintOnImage(bounds, m_measurer, m_fonts, draw), reader, "honest");
        EXPECT_LE(honest.worstTile, MostDisagreeingPerTile) << honest.Describe() << " in " << m_dir;
        const CAgreement moved =
            Compare(PaintOnImage(bounds, m_measurer, m_fonts, draw, movedText), reader, "moved");
        EXPECT_GT(moved.worstTile, MostDisagreeingPerTile) << moved.Describe();
        RecordProperty("honest", honest.Describe());
        RecordProperty("moved", moved.Describe());
    }

    CFreeTypeTextMeasurer m_measurer;
    CGlyphFonts m_fonts;
    std::filesystem::path m_dir;
};

TEST_F(AgreementTest, TextInEveryAlignmentAndTurnAndTheShapesAgreeAndAMovedTextDoesNot)
{
    CEmfRecorder recorder(m_measurer);
    DrawTextAndShapeTable(recorder);
    ExpectAgreement(recorder.Finish(), DrawTextAndShapeTable, "table", "Tag 17g");
}

class SampleNetworkAgreementTest : public AgreementTest,
                                   public ::testing::WithParamInterface<const char*>
{};

TEST_P(SampleNetworkAgreementTest, DiagramAgreesAndAMovedArmLabelDoesNot)
{
    const ProgramSettings program;
    NetworkSettings settings;
    CCarouselDoc document(program, settings);
    ASSERT_TRUE(document.OnOpenDocument(std::string(GYROLITH_SOURCE_DIR) + "/examples/" +
                                        GetParam() + ".crs"));
    const CDiagramSource source = document.GetDiagramSource();
    ExpectAgreement(
        RecordNetworkEmf(source, m_measurer),
        [&](CDrawingSurface& s) { DrawNetworkDiagram(source, s); }, GetParam(), "E1");
}

INSTANTIATE_TEST_SUITE_P(Examples, SampleNetworkAgreementTest,
                         ::testing::Values("roundabout", "crossroads"));
} // namespace
