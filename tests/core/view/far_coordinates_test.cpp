// Objects as far away as a network file can place them (coordinates up to the range of int) are
// drawn, recorded and exported without overflow: at the edge of the drawing range, with a
// metafile frame its 32-bit fields hold. The sanitizer build stops at any overflow.
#include "case_name.h"
#include "external_tools.h"
#include "model/arm.h"
#include "model/capacity_assessor.h"
#include "model/label.h"
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "roundabout.h"
#include "view/network_export.h"
#include "view/od_matrix_graphics.h"
#include "view/segment.h"

#include <climits>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace
{
using TestSupport::PrintTo;

struct FarCase
{
    const char* name;
    void (*Place)(CRoundabout& r, CDiagramSettings& s, CODMatrixGraphics& odMatrix);
};

const FarCase FarCases[] = {
    {"ArmAtThreeHundredMillion",
     [](CRoundabout& r, CDiagramSettings&, CODMatrixGraphics&) {
         r.network.GetArms().GetArm(1)->SetPoints({300000000.0, 0.0}, {300000500.0, 400.0});
     }},
    {"ArmAtTheEndOfInt",
     [](CRoundabout& r, CDiagramSettings&, CODMatrixGraphics&) {
         r.network.GetArms().GetArm(2)->SetPoints({2147483647.0, 2147483647.0},
                                                  {-999999999.0, 2147483647.0});
     }},
    {"LabelAtTheEndOfInt",
     [](CRoundabout& r, CDiagramSettings&, CODMatrixGraphics&) {
         r.labels.GetLabel(1)->SetSegment({2147483647.0, 10.0}, {2147483647.0, 2147483647.0});
     }},
    {"CapacityAssessorAtTheEndOfInt",
     [](CRoundabout& r, CDiagramSettings&, CODMatrixGraphics&) {
         CCapacityAssessorGraphics& g =
             r.network.GetCapacityAssessors().GetCapacityAssessor(1)->GetGraphics();
         g.x = INT_MAX;
         g.y = INT_MIN;
     }},
    {"ODMatrixAtTheEndOfInt",
     [](CRoundabout&, CDiagramSettings& s, CODMatrixGraphics& odMatrix) {
         s.odMatrixShown = true;
         odMatrix.SetPosition(INT_MAX, INT_MAX);
     }},
};

class FarCoordinates : public testing::TestWithParam<FarCase>
{
protected:
    void SetUp() override
    {
        BuildRoundabout(m_roundabout);
        m_settings.laneFlows.aggregation = ELaneFlowAggregation::ByOD;
        GetParam().Place(m_roundabout, m_settings, m_odMatrix);
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

TEST_P(FarCoordinates, AreRecordedAndExportedWithinTheFormatsRange)
{
    const std::vector<std::uint8_t> emf = RecordNetworkEmf(Source(), m_measurer);
    const CEmfHeader header = CEmfReader(emf).GetHeader();
    // Drawn at the edge of the drawing range: the frame, ten times the bounds, still fits.
    const int reach = MaxDrawingCoordinate + 1000000;
    for (const int edge :
         {header.bounds.left, header.bounds.top, header.bounds.right, header.bounds.bottom})
        EXPECT_LE(std::abs(static_cast<long long>(edge)), reach);
    EXPECT_EQ(static_cast<long long>(header.frame.right),
              static_cast<long long>(header.bounds.right) * 10 + 9);
    const auto dir = ScratchDir("far-coordinates");
    EXPECT_NO_THROW(ExportNetworkDxf(dir / "far.dxf", Source(), m_measurer));
}

INSTANTIATE_TEST_SUITE_P(Objects, FarCoordinates, testing::ValuesIn(FarCases), CaseName());

// The metafile frame is computed wide and held to 32 bits, whatever a surface is given.
TEST(FarCoordinatesRecorder, FrameOfBoundsBeyondATenthOfIntIsClamped)
{
    CFreeTypeTextMeasurer measurer;
    CEmfRecorder recorder(measurer);
    recorder.MoveTo({-2147483647, 0});
    recorder.LineTo({2147483647, 300000000});
    const CEmfHeader header = CEmfReader(recorder.Finish()).GetHeader();
    EXPECT_EQ(header.bounds.right, INT_MAX);
    EXPECT_EQ(header.frame.left, INT_MIN);
    EXPECT_EQ(header.frame.right, INT_MAX);
    EXPECT_EQ(header.frame.bottom, INT_MAX);
}

// A segment that ends at the last int still has a bounding rectangle and points.
TEST(FarCoordinatesSegment, BoundsAndPointsAtTheEndOfInt)
{
    const CSegment segment(2147483647.0, -2147483648.0, 2147483647.0, 2147483647.0);
    const CRect box = segment.BoundingRect();
    EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom),
              std::tuple(INT_MAX, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(segment.PointAt(0.0, segment.Length() * 2).y, INT_MAX);
}

} // namespace
