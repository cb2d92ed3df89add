// The route manager: its six lists, what a choice does to the filter, and the document's filter.
#include "tables/route_manager.h"
#include "tables_fixture.h"

namespace
{

using tabletest::CTablesDocument;
using Side = RouteFilterSide;

std::vector<std::string> Texts(const CChoiceList& list)
{
    std::vector<std::string> texts;
    for (const CChoice& choice : list.choices) {
        texts.push_back(choice.text);
    }
    return texts;
}

using Strings = std::vector<std::string>;

class CRouteManager : public CTablesDocument
{};

TEST_F(CRouteManager, AZoneBringsItsArmOnThatSideAndItsLanes)
{
    const CRouteFilterNumbers filter = ChooseFilterZone(Network(), {}, Side::Origin, 1);
    EXPECT_EQ(filter, (CRouteFilterNumbers{1, 1, 0, 0, 0, 0}));
    const CRouteFilterSideLists origin = RouteFilterLists(Network(), filter, Side::Origin);
    EXPECT_EQ(Texts(origin.zone), (Strings{"All", "A", "B", "C"}));
    EXPECT_EQ(origin.zone.selected, 1u);
    EXPECT_EQ(Texts(origin.arm), (Strings{"All", "E1"}));
    EXPECT_EQ(origin.arm.selected, 1u);
    EXPECT_EQ(Texts(origin.lane), (Strings{"All", "1", "2"}));
    EXPECT_EQ(origin.lane.selected, 0u);
    // The destination side lists the exit arm of its zone; a zone without one gives 0.
    EXPECT_EQ(ChooseFilterZone(Network(), {}, Side::Destination, 2),
              (CRouteFilterNumbers{0, 0, 0, 2, 3, 0}));
    EXPECT_EQ(ChooseFilterZone(Network(), {}, Side::Destination, 1),
              (CRouteFilterNumbers{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(Texts(RouteFilterLists(Network(), {}, Side::Destination).arm), Strings{"All"});
}

TEST_F(CRouteManager, ChoicesResetWhatLiesBelowThemExceptAll)
{
    const CRouteFilterNumbers set{1, 1, 2, 2, 3, 1};
    EXPECT_EQ(ChooseFilterZone(Network(), set, Side::Origin, 0),
              (CRouteFilterNumbers{0, 1, 2, 2, 3, 1}));
    EXPECT_EQ(ChooseFilterZone(Network(), set, Side::Destination, 3),
              (CRouteFilterNumbers{1, 1, 2, 3, 4, 0}));
    EXPECT_EQ(ChooseFilterArm(set, Side::Origin, 0), (CRouteFilterNumbers{1, 0, 0, 2, 3, 1}));
    EXPECT_EQ(ChooseFilterLane(set, Side::Destination, 0), (CRouteFilterNumbers{1, 1, 2, 2, 3, 0}));
}

// The zone went to "All" while the destination zone still filters: the origin arm and lane
// still filter too, and their lists say so.
TEST_F(CRouteManager, AnArmStillFilteringIsNeverShownAsAll)
{
    const CRouteFilterNumbers filter{0, 1, 2, 2, 0, 0};
    const CRouteFilterSideLists origin = RouteFilterLists(Network(), filter, Side::Origin);
    ASSERT_EQ(Texts(origin.arm), (Strings{"All", "E1"}));
    EXPECT_EQ(origin.arm.selected, 1u);
    EXPECT_EQ(origin.lane.choices[origin.lane.selected].text, "2");
}

TEST_F(CRouteManager, DocumentFilterTakesNoCheckpointAndTellsOtherViewsRoutesChanged)
{
    tabletest::CHintView manager;
    doc.AddView(&manager);
    doc.SetRouteFilter({0, 0, 0, 3, 0, 0}, &manager);
    EXPECT_TRUE(manager.hints.empty());
    EXPECT_EQ(view.hints, std::vector<int>{HintRoutesChanged});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    std::vector<bool> inFilter;
    for (std::uint32_t n = 1; n <= 4; ++n) {
        inFilter.push_back(Route(n).IsInFilter());
    }
    EXPECT_EQ(inFilter, (std::vector<bool>{false, false, true, true}));
    // The filter is kept by numbers over an undo.
    doc.BuildRoutes();
    doc.Undo();
    EXPECT_EQ(RouteFilterToNumbers(Network()), (CRouteFilterNumbers{0, 0, 0, 3, 0, 0}));
    doc.RemoveView(&manager);
}

} // namespace
