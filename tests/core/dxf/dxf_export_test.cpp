// The whole export path checked by ezdxf: recorder, reader, parser, converter and writer.
#include "../platform/support/sample_drawing.h"
#include "platform/atomic_file.h"
#include "dxf/metafile_to_dxf_converter.h"
#include "external_tools.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using namespace TestSupport;

namespace
{
class DxfExport : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveEzdxf()) {
            GTEST_SKIP() << "ezdxf for /usr/bin/python3 is not installed (python3-ezdxf)";
        }
    }
    CFreeTypeTextMeasurer m_measurer;
};

TEST_F(DxfExport, EmptyMetafileGivesTheCompleteSkeleton)
{
    CEmfRecorder recorder(m_measurer, "DXFMetafile");
    const auto emf = recorder.Finish();
    const auto dir = ScratchDir("dxf-empty");
    WriteDxfFile(dir / "empty.dxf", emf, m_measurer);
    const CCommandResult audit = AuditDxf(dir / "empty.dxf");
    EXPECT_TRUE(AuditIsClean(audit)) << audit.output;
    EXPECT_NE(audit.output.find("LAYER Text 2000"), std::string::npos) << audit.output;
    EXPECT_NE(audit.output.find("LAYER Graphics 2001"), std::string::npos) << audit.output;
    EXPECT_EQ(CountLinesStartingWith(audit.output, "COUNT"), 0) << audit.output;

    const std::string dxf = ReadText(dir / "empty.dxf");
    const std::string golden =
        ReadText(std::string(GYROLITH_SOURCE_DIR) + "/tests/core/dxf/data/empty.dxf");
    EXPECT_TRUE(dxf == golden) << "differs from the golden file; refresh with: cp "
                               << (dir / "empty.dxf").string() << " tests/core/dxf/data/empty.dxf";
}

TEST_F(DxfExport, SampleDrawingPassesAuditWithEveryEntity)
{
    CEmfRecorder recorder(m_measurer, "DXFMetafile");
    const CSampleExpectation expected = DrawSample(recorder);
    const auto emf = recorder.Finish();
    const auto dir = ScratchDir("dxf-sample");
    WriteDxfFile(dir / "sample.dxf", emf, m_measurer);
    const CCommandResult audit = AuditDxf(dir / "sample.dxf");
    EXPECT_TRUE(AuditIsClean(audit)) << audit.output;
    auto has = [&](const std::string& line) {
        return audit.output.find(line + "\n") != std::string::npos;
    };
    EXPECT_TRUE(has("COUNT LWPOLYLINE Graphics " + std::to_string(expected.polylines)))
        << audit.output;
    EXPECT_TRUE(has("COUNT SOLID Graphics " + std::to_string(expected.solids))) << audit.output;
    EXPECT_TRUE(has("COUNT CIRCLE Graphics " + std::to_string(expected.circles))) << audit.output;
    EXPECT_TRUE(has("COUNT TEXT Text " + std::to_string(expected.texts.size()))) << audit.output;
    for (const std::string& text : expected.texts) {
        EXPECT_TRUE(has("TEXT " + text)) << text << "\n" << audit.output;
    }
}

// A failed write names the path and leaves no temporary; a bad metafile keeps the earlier file.
TEST(DxfFile, FailuresLeaveTheFolderAsItWas)
{
    CFixedWidthTextMeasurer measurer;
    CEmfRecorder recorder(measurer);
    const auto emf = recorder.Finish();
    const auto dir = ScratchDir("dxf-fail");
    const auto target = dir / "missing" / "out.dxf";
    EXPECT_THAT([&] { WriteDxfFile(target, emf, measurer); },
                testing::ThrowsMessage<errFileWrite>(testing::StrEq(
                    "Cannot write " + target.string() + ": its folder does not exist")));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    WriteText(dir / "out.dxf", "earlier");
    const std::vector<std::uint8_t> junk(200, 0x11);
    EXPECT_THROW(WriteDxfFile(dir / "out.dxf", junk, measurer), CEmfFormatError);
    EXPECT_EQ(ReadText(dir / "out.dxf"), "earlier");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dxf.tmp"));
}
} // namespace
