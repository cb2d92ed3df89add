// Route list rows: which routes, their texts, and their order.
#include "case_name.h"
#include "model/route_filter.h"
#include "tables/route_list.h"
#include "tables_fixture.h"

namespace
{
using TestSupport::PrintTo;

using Ids = std::vector<std::uint32_t>;

// The junction with a second way from lane 1.1 to B, over arm 5: route 5 shares its coupled
// group with route 1. Route 2 is not permitted, route 3 is locked; flows 300, 0, 100, 100, 300.
class CRouteListRows : public tabletest::CTablesDocument
{
protected:
    void SetUp() override
    {
        CTablesDocument::SetUp();
        TestSupport::CNetworkBuilder(Network()).Arms({1}).Connect("1.1>5.1>3.1").Routes();
        ASSERT_EQ(Network().GetRoutes().GetRouteCount(), 5u);
        Route(2).SetPermitted(false);
        const double flows[] = {300, 0, 100, 100, 300};
        for (std::uint32_t n = 1; n <= 5; ++n) {
            Route(n).SetFlow(&Group(), flows[n - 1]);
        }
        Route(3).SetLocked(&Group(), true);
    }
    // Route numbers of the list, in its order.
    std::vector<std::uint32_t> Numbers() const
    {
        std::vector<std::uint32_t> numbers;
        for (const std::uint32_t id : list.GetRouteIds()) {
            numbers.push_back(doc.GetNetwork().GetRoutes().GetRouteById(id)->GetNumber());
        }
        return numbers;
    }
    std::vector<std::string> Texts(std::uint32_t route, int precision = 2)
    {
        std::vector<std::string> texts;
        for (int column = 0; column < RouteListColumnCount; ++column) {
            texts.push_back(RouteListCellText(Route(route), column, &Group(), precision));
        }
        return texts;
    }

    CRouteList list;
};

TEST_F(CRouteListRows, TextsOfEveryColumnAndBothBalancingForms)
{
    EXPECT_EQ(Texts(1), (std::vector<std::string>{"1", "A", "E1", "1", "B", "X3", "1", "300.00",
                                                  "Shared equally between Routes 1 5"}));
    EXPECT_EQ(Texts(3, 0)[7], "100");
    EXPECT_EQ(Texts(3)[8], "Locked");
    EXPECT_EQ(Texts(4)[8], "");
    Route(1).SetProportion(&Group(), 0.4);
    Route(5).SetProportion(&Group(), 0.6);
    EXPECT_EQ(Texts(5)[8], "Shared between routes 1(40%) 5(60%)");
    EXPECT_EQ(RouteListCellText(Route(1), 7, nullptr, 1), "0.0");
}

TEST_F(CRouteListRows, ListsRoutesInTheFilterAndNonPermittedOnlyWhenEditingThem)
{
    list.Rebuild(Network(), false, &Group());
    EXPECT_EQ(Numbers(), (Ids{1, 3, 4, 5}));
    list.Rebuild(Network(), true, &Group());
    EXPECT_EQ(Numbers(), (Ids{1, 2, 3, 4, 5}));
    SetRouteFilter(Network(), {0, 0, 0, Zone(3)->GetId(), 0, 0});
    list.Rebuild(Network(), true, &Group());
    EXPECT_EQ(Numbers(), (Ids{3, 4}));
    list.Clear();
    EXPECT_TRUE(list.GetRouteIds().empty());
}

struct CSortCase
{
    const char* name;
    int column;
    Ids ascending;
    Ids descending;
};

class CRouteListSorting : public CRouteListRows, public ::testing::WithParamInterface<CSortCase>
{};

// Ties keep route order whichever way the list is sorted.
TEST_P(CRouteListSorting, BothWaysTiesInRouteOrder)
{
    const CSortCase& c = GetParam();
    list.Rebuild(Network(), true, &Group());
    list.ClickHeader(c.column, Network(), &Group());
    EXPECT_EQ(Numbers(), c.ascending);
    list.ClickHeader(c.column, Network(), &Group());
    EXPECT_EQ(list.GetSort(), (CRouteListSort{c.column, true}));
    EXPECT_EQ(Numbers(), c.descending);
    // A rebuild keeps the chosen order.
    list.Rebuild(Network(), true, &Group());
    EXPECT_EQ(Numbers(), c.descending);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, CRouteListSorting,
    ::testing::Values(CSortCase{"RouteNumber", 0, {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}},
                      CSortCase{"OriginLaneByNumber", 3, {1, 3, 5, 2, 4}, {2, 4, 1, 3, 5}},
                      CSortCase{"DestinationZoneByText", 4, {1, 2, 5, 3, 4}, {3, 4, 1, 2, 5}},
                      CSortCase{"DestinationArmByNumber", 5, {1, 2, 5, 3, 4}, {3, 4, 1, 2, 5}},
                      CSortCase{"FlowByValue", 7, {2, 3, 4, 1, 5}, {1, 5, 3, 4, 2}},
                      CSortCase{"BalancingByText", 8, {2, 4, 3, 1, 5}, {1, 5, 3, 2, 4}}),
    CaseName());

// The state image flips permission only while permitted routes are being edited.
TEST_F(CRouteListRows, StateImageClickNeedsEditing)
{
    EXPECT_EQ(PermittedAfterStateImageClick(Route(2), false), std::nullopt);
    EXPECT_EQ(PermittedAfterStateImageClick(Route(2), true), true);
    EXPECT_EQ(PermittedAfterStateImageClick(Route(1), true), false);
}

} // namespace
