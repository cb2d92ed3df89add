// The recorded network drawing read by outside programs: emf2svg-conv finds the arm labels
// and lane flows, ezdxf audits the DXF and counts what was drawn.
#include "external_tools.h"
#include "platform/emf_format.h"
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "roundabout.h"
#include "platform/bounds.h"
#include "view/diagram_drawing.h"
#include "view/network_export.h"
#include "view/od_matrix_graphics.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace TestSupport;

namespace
{
constexpr const char* Converter = "/usr/bin/emf2svg-conv";

class NetworkExport : public testing::Test
{
protected:
    void SetUp() override
    {
        BuildRoundabout(m_roundabout);
        m_settings.odMatrixShown = true;
        m_odMatrix.SetPosition(3000, 200);
        m_settings.laneFlows.aggregation = ELaneFlowAggregation::ByOrigin;
    }
    CDiagramSource Source()
    {
        return {m_roundabout.network, m_roundabout.labels, m_roundabout.printPages, m_odMatrix,
                m_settings,           m_program,           m_networkSettings};
    }

    CFreeTypeTextMeasurer m_measurer;
    CRoundabout m_roundabout;
    CODMatrixGraphics m_odMatrix;
    CDiagramSettings m_settings;
    ProgramSettings m_program;
    NetworkSettings m_networkSettings;
};

// Counts of the drawing records of a metafile, by kind.
std::map<std::uint32_t, int> RecordCounts(const std::vector<std::uint8_t>& emf)
{
    std::map<std::uint32_t, int> counts;
    CEmfReader reader(emf);
    for (CEmfRecord record; reader.Next(record);) {
        ++counts[record.GetType()];
    }
    return counts;
}

TEST_F(NetworkExport, EmfConvertsToSvgWithArmLabelsAndLaneFlows)
{
    if (!HaveExecutable(Converter)) {
        GTEST_SKIP() << Converter << " is not installed (Debian package emf2svg)";
    }
    const auto emf = RecordNetworkEmf(Source(), m_measurer);
    const auto dir = ScratchDir("network-emf");
    WriteBytes(dir / "network.emf", emf);
    const CCommandResult run =
        TestSupport::Run(std::string(Converter) + " -i " + (dir / "network.emf").string() + " -o " +
                         (dir / "network.svg").string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string svg = ReadText(dir / "network.svg");
    for (const char* text :
         {"E1", "C2", "X3", "E4", "C11", "X12", "Main Street", "Tot.", "Desired Flows"}) {
        EXPECT_NE(svg.find(std::string("<![CDATA[") + text + "]]>"), std::string::npos) << text;
    }
    // By origin the circulatory lanes carry several bands, each but the last delimited.
    EXPECT_NE(svg.find("<![CDATA[50, ]]>"), std::string::npos) << "no delimited lane flow";
    EXPECT_NE(svg.find("<![CDATA[260]]>"), std::string::npos) << "no lane end text";
}
// A pasted or placed diagram has a white margin: its picture is the drawing's extent and
// DiagramMargin more on every side; a clipped one (a print zone) ends at its clip.
TEST_F(NetworkExport, PictureHasAMarginAroundTheDrawing)
{
    CDiagramDrawing drawing(Source(), m_roundabout.network.GetCurrentFlowGroup());
    CEmfRecorder measuring(m_measurer);
    CBounds drawn;
    drawing.Draw(measuring, &drawn);
    ASSERT_FALSE(drawn.IsEmpty());
    const CRect extent = Inflate(drawn.GetRect(), DiagramMargin);
    const CEmfHeader whole = CEmfReader(RecordNetworkEmf(Source(), m_measurer)).GetHeader();
    EXPECT_EQ(whole.bounds, (CRect{extent.left, extent.top, extent.right - 1, extent.bottom - 1}));
    EXPECT_EQ(whole.frame.left, extent.left * 10);
    EXPECT_EQ(whole.frame.bottom, (extent.bottom - 1) * 10 + 9);

    const CRect clip{1000, 1000, 1500, 1400};
    const CEmfHeader clipped =
        CEmfReader(RecordNetworkEmf(Source(), m_roundabout.network.GetCurrentFlowGroup(), clip,
                                    m_measurer, "clip"))
            .GetHeader();
    EXPECT_GE(clipped.bounds.left, clip.left);
    EXPECT_LE(clipped.bounds.right, clip.right - 1);
}

TEST_F(NetworkExport, DxfPassesAuditWithAnEntityPerDrawnFigure)
{
    if (!HaveEzdxf()) {
        GTEST_SKIP() << "ezdxf for /usr/bin/python3 is not installed (python3-ezdxf)";
    }
    const auto dir = ScratchDir("network-dxf");
    ExportNetworkDxf(dir / "network.dxf", Source(), m_measurer);
    const CCommandResult audit = AuditDxf(dir / "network.dxf");
    EXPECT_TRUE(AuditIsClean(audit)) << audit.output;

    // Every pen and brush of the drawing is visible and discs share their pen's colour, so
    // each line, polyline, polygon, rectangle and disc is one LWPOLYLINE, each triangle one
    // SOLID, and every text record one TEXT.
    auto counts = RecordCounts(RecordNetworkEmf(Source(), m_measurer));
    const int polylines = counts[Emf::LineTo] + counts[Emf::Polyline16] + counts[Emf::Polygon16] +
                          counts[Emf::Rectangle] + counts[Emf::Ellipse];
    auto has = [&](const std::string& line) {
        return audit.output.find(line + "\n") != std::string::npos;
    };
    EXPECT_TRUE(has("COUNT LWPOLYLINE Graphics " + std::to_string(polylines))) << audit.output;
    EXPECT_TRUE(has("COUNT SOLID Graphics " + std::to_string(counts[Emf::Polygon16])))
        << audit.output;
    EXPECT_TRUE(has("COUNT TEXT Text " + std::to_string(counts[Emf::ExtTextOutW]))) << audit.output;
    EXPECT_EQ(CountLinesStartingWith(audit.output, "COUNT CIRCLE"), 0) << audit.output;
    EXPECT_TRUE(has("TEXT E1")) << audit.output;
}

// The colour of every pen and brush the metafile creates.
std::vector<ColorRef> ObjectColours(const std::vector<std::uint8_t>& emf)
{
    std::vector<ColorRef> colours;
    CEmfReader reader(emf);
    for (CEmfRecord record; reader.Next(record);) {
        if (record.GetType() == Emf::CreatePen) {
            colours.push_back(record.U32(24));
        } else if (record.GetType() == Emf::ExtCreatePen) {
            colours.push_back(record.U32(40));
        } else if (record.GetType() == Emf::CreateBrushIndirect) {
            colours.push_back(record.U32(16));
        }
    }
    return colours;
}

// The selected routes a source carries are the drawing's own selection: drawn in the
// selected-route colour only when the settings ask for it, and ids naming no route draw nothing.
TEST_F(NetworkExport, SelectedRoutesOfTheSourceAreHighlightedWhenAskedFor)
{
    constexpr ColorRef SelectedRouteColour = 0x00C3B2A1;
    m_program.CurSelRouteColor = SelectedRouteColour;
    const std::uint32_t route = m_roundabout.network.GetRoutes().GetRoute(1)->GetId();
    struct CCase
    {
        const char* name;
        bool highlight;
        std::set<std::uint32_t> selected;
        bool drawn;
    };
    const CCase cases[] = {
        {"HighlightedAndSelected", true, {route}, true},
        {"SelectedButNotHighlighted", false, {route}, false},
        {"HighlightedWithNothingSelected", true, {}, false},
        {"HighlightedIdOfNoRoute", true, {987654}, false},
    };
    for (const CCase& c : cases) {
        m_settings.highlightSelectedRoute = c.highlight;
        CDiagramSource source = Source();
        source.selectedRoutes = c.selected;
        const std::vector<ColorRef> colours = ObjectColours(RecordNetworkEmf(source, m_measurer));
        EXPECT_EQ(std::count(colours.begin(), colours.end(), SelectedRouteColour) > 0, c.drawn)
            << c.name;
    }
}
} // namespace
