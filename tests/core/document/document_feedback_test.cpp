// Long commands report progress, and a cancelled one leaves the document as it was before it.
#include "../routing/cancel_at_report.h"
#include "case_name.h"
#include "document_fixture.h"

namespace
{
using TestSupport::PrintTo;

using Doc = CCarouselDoc;

struct LongCommandCase
{
    const char* Name;
    const char* Checkpoint;
    bool (*Run)(Doc& doc, CFeedback& feedback);
};

// Zone 1 to zone 2 wants 600; the second route has to be found again.
class LongCommandTest : public doctest::CDocumentFixture,
                        public testing::WithParamInterface<LongCommandCase>
{
protected:
    void SetUp() override
    {
        CDocumentFixture::SetUp();
        CNetwork& network = doc.GetNetwork();
        network.GetCurrentFlowGroup()->SetDesiredFlow(
            network.GetODMovements().Find(origin, destination), 600);
        network.GetRoutes().RemoveRoute(2);
        // A history with something to redo, which a cancelled command must keep.
        doc.MoveArm(*spare, 10, 10);
        ASSERT_TRUE(doc.Undo());
        doc.SetModifiedFlag(false);
    }
};

const LongCommandCase LongCommands[] = {
    {"BuildRoutes", "Build Routes",
     [](Doc& d, CFeedback& f) {
         return d.BuildRoutes(&f);
     }},
    {"AutoRebuildOn", "Build Routes",
     [](Doc& d, CFeedback& f) {
         return d.ToggleAutoRebuildRoutes(&f) && d.IsAutoRebuildRoutes();
     }},
    {"BalanceOnArm", "Balance Lane Flows On Arm",
     [](Doc& d, CFeedback& f) {
         return d.BalanceLaneFlowsOnArm(*d.GetNetwork().GetArms().GetArm(1), &f);
     }},
    {"BalanceOnAllArms", "Balance Lane Flows On All Arms",
     [](Doc& d, CFeedback& f) {
         return d.BalanceLaneFlowsOnAllArms(&f) == 1;
     }},
};

// Run to the end it reports up to 100 %; cancelled before it starts, at its first report,
// half-way or at its last report, it leaves the document as it was.
TEST_P(LongCommandTest, RunsWithProgressAndCancelledAnywhereLeavesTheDocumentAsItWas)
{
    std::vector<double> heard;
    {
        CFeedback counting([&](double percent) { heard.push_back(percent); });
        const std::string start = doc.SaveSnapshot();
        ASSERT_TRUE(GetParam().Run(doc, counting));
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.back(), 100.0);
        EXPECT_EQ(doc.GetUndoName(), GetParam().Checkpoint);
        EXPECT_TRUE(doc.IsModified());
        ASSERT_TRUE(doc.Undo());
        ASSERT_TRUE(doc.SaveSnapshot() == start);
        if (doc.IsAutoRebuildRoutes())
            doc.ToggleAutoRebuildRoutes();
        doc.SetModifiedFlag(false);
    }
    const std::size_t reports = heard.size();
    ASSERT_GE(reports, 2u);
    const std::string before = doc.SaveSnapshot();
    const std::size_t checkpoints = doc.GetCheckpointCount();
    const std::string redo = doc.GetRedoName();
    for (std::size_t at : routetest::CancelPoints(reports)) {
        routetest::CCancelAtReport cancel(at);
        EXPECT_FALSE(GetParam().Run(doc, cancel.feedback)) << "at report " << at;
        EXPECT_TRUE(doc.SaveSnapshot() == before) << "at report " << at;
        EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
        EXPECT_FALSE(doc.HasPendingCheckpoint());
        EXPECT_EQ(doc.GetRedoName(), redo);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_FALSE(doc.IsAutoRebuildRoutes());
        EXPECT_TRUE(prompt.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, LongCommandTest, testing::ValuesIn(LongCommands), CaseName());

} // namespace
