// The document's commands for the route list and the flow group list; a view that made a change
// is not told of it.
#include "tables_fixture.h"

#include <algorithm>

namespace
{

using tabletest::CHintView;
using tabletest::CTablesDocument;

class CTablesCommands : public CTablesDocument
{};

TEST_F(CTablesCommands, DeleteSelectedRoutesIsOneCheckpoint)
{
    const std::uint32_t first = Route(1).GetId();
    const std::uint32_t third = Route(3).GetId();
    EXPECT_TRUE(doc.DeleteSelectedRoutes({third, 999999, first}));
    EXPECT_EQ(Network().GetRoutes().GetRouteCount(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Delete Route");
    EXPECT_EQ(view.hints, std::vector<int>{HintRoutesChanged});
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_EQ(Network().GetRoutes().GetRouteCount(), 4u);
    // Ids that name no route: nothing to do, no checkpoint.
    EXPECT_FALSE(doc.DeleteSelectedRoutes({999999}));
    EXPECT_FALSE(doc.DeleteSelectedRoutes({}));
    EXPECT_EQ(doc.GetCheckpointCount(), 2u);
}

TEST_F(CTablesCommands, EditPermittedRoutesIsThePermittedOnlyFlagTurned)
{
    EXPECT_FALSE(doc.IsEditPermittedRoutes());
    doc.SetEditPermittedRoutes(true);
    EXPECT_TRUE(doc.IsEditPermittedRoutes());
    EXPECT_FALSE(doc.IsPermittedOnly());
    EXPECT_EQ(view.hints, std::vector<int>{HintNetworkChanged});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

TEST_F(CTablesCommands, ChoosingTheCurrentFlowGroup)
{
    tabletest::CPaneTexts panes;
    doc.SetStatusPaneSink(&panes);
    Network().GetFlowGroups().InsertFlowGroup(2)->SetDescription("PM Peak");
    CHintView list;
    doc.AddView(&list);
    ASSERT_TRUE(doc.ChooseCurrentFlowGroup(2, &list));
    EXPECT_EQ(Network().GetCurrentFlowGroup()->GetNumber(), 2u);
    EXPECT_TRUE(list.hints.empty());
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    EXPECT_EQ(panes.texts[StatusPaneFlowGroup], "PM Peak");
    EXPECT_FALSE(doc.ChooseCurrentFlowGroup(3));
    EXPECT_EQ(Network().GetCurrentFlowGroup()->GetNumber(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    doc.RemoveView(&list);
    doc.SetStatusPaneSink(nullptr);
}

} // namespace
