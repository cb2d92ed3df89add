// An outside metafile reader converts the recorded sample drawing: our bytes are EMF that
// other programs accept, not just EMF our own reader accepts.
#include "external_tools.h"
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "support/sample_drawing.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace
{
constexpr const char* Converter = "/usr/bin/emf2svg-conv";

TEST(Emf2Svg, SampleDrawingConvertsWithItsTexts)
{
    if (!HaveExecutable(Converter)) {
        GTEST_SKIP() << Converter << " is not installed (Debian package emf2svg)";
    }
    CFreeTypeTextMeasurer measurer;
    CEmfRecorder recorder(measurer, "DXFMetafile");
    const CSampleExpectation expected = DrawSample(recorder);
    const auto emf = recorder.Finish();
    const auto dir = ScratchDir("emf2svg-sample");
    WriteBytes(dir / "sample.emf", emf);
    const CCommandResult run =
        TestSupport::Run(std::string(Converter) + " -i " + (dir / "sample.emf").string() + " -o " +
                         (dir / "sample.svg").string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string svg = ReadText(dir / "sample.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos) << svg;
    EXPECT_NE(svg.find("</svg>"), std::string::npos) << svg;
    ASSERT_FALSE(expected.texts.empty());
    for (const std::string& text : expected.texts) {
        EXPECT_NE(svg.find("<![CDATA[" + text + "]]>"), std::string::npos) << text << "\n" << svg;
    }
    EXPECT_NE(svg.find("<path"), std::string::npos) << "no figures drawn\n" << svg;
}

// A clip record limits what shows; the header's bounds and frame are the part that shows, and
// nothing at all when the drawing misses the clip.
TEST(Emf2Svg, ClippedDrawingIsFramedByWhatShows)
{
    CFreeTypeTextMeasurer measurer;
    CEmfRecorder recorder(measurer);
    recorder.IntersectClipRect({200, 300, 600, 500});
    recorder.Rectangle({0, 0, 1000, 1000});
    const auto emf = recorder.Finish();
    EXPECT_EQ(CEmfReader(emf).GetHeader().frame, (CRect{2000, 3000, 5999, 4999}));

    CEmfRecorder missed(measurer);
    missed.IntersectClipRect({200, 300, 600, 500});
    missed.Rectangle({700, 0, 1000, 1000});
    EXPECT_EQ(CEmfReader(missed.Finish()).GetHeader().frame, (CRect{0, 0, -1, -1}));

    if (!HaveExecutable(Converter)) {
        GTEST_SKIP() << Converter << " is not installed (Debian package emf2svg)";
    }
    const auto dir = ScratchDir("emf2svg-clip");
    WriteBytes(dir / "clip.emf", emf);
    const CCommandResult run =
        TestSupport::Run(std::string(Converter) + " -i " + (dir / "clip.emf").string() + " -o " +
                         (dir / "clip.svg").string());
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(ReadText(dir / "clip.svg").find("</svg>"), std::string::npos);
}
} // namespace
