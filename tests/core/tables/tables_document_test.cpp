// The document's commands for the route list and the flow group list, and its route selection;
// a view that made a change is not told of it.
#include "model/route_filter.h"
#include "tables/route_list.h"
#include "tables_fixture.h"
#include "view/network_export.h"

#include <algorithm>
#include <array>
#include <set>

namespace
{

using tabletest::CHintView;
using tabletest::CTablesDocument;

class CTablesCommands : public CTablesDocument
{};

class CRouteSelection : public CTablesDocument
{
protected:
    void SetUp() override
    {
        CTablesDocument::SetUp();
        doc.AddView(&list);
    }
    void TearDown() override { doc.RemoveView(&list); }

    std::set<std::uint32_t> Ids(std::initializer_list<std::uint32_t> numbers)
    {
        std::set<std::uint32_t> ids;
        for (const std::uint32_t n : numbers) {
            ids.insert(Route(n).GetId());
        }
        return ids;
    }
    void Select(std::initializer_list<std::uint32_t> numbers, bool selected = true)
    {
        const std::set<std::uint32_t> ids = Ids(numbers);
        doc.SetRoutesSelected(std::vector<std::uint32_t>(ids.begin(), ids.end()), selected, &list);
    }

    CHintView list; // the route list, which selects
    CNetworkViewState drawing{doc.GetViewStates()};
};

// The list's selection goes to the document and every drawing, and the other views hear of it
// with hint 2; the same selection again, or ids of no route, change nothing and tell nobody.
TEST_F(CRouteSelection, SelectingTellsTheOtherViewsOnce)
{
    Select({1, 3});
    EXPECT_EQ(doc.GetSelectedRoutes(), Ids({1, 3}));
    EXPECT_EQ(drawing.GetSelectedRoutes(), Ids({1, 3}));
    EXPECT_EQ(view.hints, std::vector<int>{HintRoutesChanged});
    EXPECT_TRUE(list.hints.empty());

    Select({3});
    doc.SetRoutesSelected(std::array{999999U}, true, &list);
    EXPECT_EQ(view.hints.size(), 1u) << "nothing changed: no update to echo";

    Select({1}, false);
    EXPECT_EQ(drawing.GetSelectedRoutes(), Ids({3}));
    EXPECT_EQ(view.hints.size(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetDiagramSource().selectedRoutes, Ids({3}));
}

TEST_F(CRouteSelection, SelectAndDeselectAllTakeOnlyTheFilteredRoutes)
{
    Select({1});
    doc.SetRouteFilter(CRouteFilterNumbers{.destinationZone = 3}); // routes 3 and 4
    doc.SetAllFilteredRoutesSelected(true);
    EXPECT_EQ(doc.GetSelectedRoutes(), Ids({1, 3, 4}));
    doc.SetAllFilteredRoutesSelected(false);
    EXPECT_EQ(doc.GetSelectedRoutes(), Ids({1}));
    EXPECT_EQ(drawing.GetSelectedRoutes(), Ids({1}));
}

// That an undo empties the selection is held by DocumentViewsTest.ChangesAndUndoReachEveryView.
TEST_F(CRouteSelection, DeletedRoutesLeaveTheSelection)
{
    Select({1, 3});
    const std::set<std::uint32_t> third = Ids({3});
    ASSERT_TRUE(doc.DeleteRoute(Route(1)));
    EXPECT_EQ(doc.GetSelectedRoutes(), third);
    EXPECT_EQ(drawing.GetSelectedRoutes(), third);
}

TEST_F(CRouteSelection, DeleteTheSelectedRoutesIsOneCheckpoint)
{
    EXPECT_FALSE(doc.DeleteSelectedRoutes()) << "nothing selected";
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);

    Select({3, 1});
    view.hints.clear();
    EXPECT_TRUE(doc.DeleteSelectedRoutes());
    EXPECT_EQ(Network().GetRoutes().GetRouteCount(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Delete Route");
    EXPECT_EQ(view.hints, std::vector<int>{HintRoutesChanged});
    EXPECT_TRUE(doc.GetSelectedRoutes().empty());
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_EQ(Network().GetRoutes().GetRouteCount(), 4u);
}

TEST_F(CRouteSelection, LockRouteFlowNeedsExactlyOneSelectedRoute)
{
    EXPECT_FALSE(doc.ToggleSelectedRouteLock());
    Select({1, 2});
    EXPECT_EQ(doc.GetSoleSelectedRoute(), nullptr);
    EXPECT_FALSE(doc.ToggleSelectedRouteLock());
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);

    Select({1}, false);
    ASSERT_EQ(doc.GetSoleSelectedRoute(), &Route(2));
    EXPECT_TRUE(doc.ToggleSelectedRouteLock());
    EXPECT_TRUE(IsLockRouteFlowChecked(Route(2), &Group()));
    EXPECT_FALSE(IsLockRouteFlowChecked(Route(1), &Group()));
    EXPECT_EQ(doc.GetUndoName(), "Lock Route Flow");
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
