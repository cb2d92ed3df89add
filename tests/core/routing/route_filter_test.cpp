// The route filter: pass rule, validation after deletions, refresh notices and numbers.
#include "model/route_filter.h"
#include "model/route_status_notifyer.h"
#include "route_fixture.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

using namespace routetest;
using Numbers = std::vector<std::uint32_t>;

struct CNotices
{
    Numbers routes;
    int refreshes = 0;
};

// Writes down what it is told, as either notifier.
class CListener : public CRouteStatusChangeNotifyer, public CRouteFilterRefreshNotifyer
{
public:
    explicit CListener(CNotices& notices) : m_notices(notices) {}
    void RouteChanged(CRoute& route) override { m_notices.routes.push_back(route.GetNumber()); }
    void Refreshed() override { ++m_notices.refreshes; }

private:
    CNotices& m_notices;
};

// Routes: 1 1.1>2.1>3.1, 2 1.2>2.1>3.1, 3 1.1>2.1>4.1, 4 1.2>2.1>4.1 (zone 1 to zones 2, 3).
class CFilter : public CJunction
{
protected:
    void SetUp() override
    {
        CJunction::SetUp();
        BuildRoutes(network);
    }
    void TearDown() override { InstallRouteStatusChangeNotifyer(nullptr); }
    Numbers InFilter(const CRouteFilter& filter)
    {
        SetRouteFilter(network, filter);
        Numbers numbers;
        for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
            if (Route(n)->IsInFilter()) {
                numbers.push_back(n);
            }
        }
        return numbers;
    }
};

// Without a zone every route passes, whatever the arms and lanes; otherwise every id set must
// match.
TEST_F(CFilter, PassRule)
{
    EXPECT_EQ(InFilter({}), (Numbers{1, 2, 3, 4}));
    const CRouteFilter armsOnly{.originArmId = entry->GetId(),
                                .destinationArmId = exitB->GetId(),
                                .destinationLaneId = Lane(exitB, 1)->GetLaneId()};
    EXPECT_EQ(InFilter(armsOnly), (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(network.GetRouteFilter(), armsOnly); // ids that name objects are kept

    CRouteFilter filter{.destinationZoneId = destB->GetId()};
    EXPECT_EQ(InFilter(filter), (Numbers{3, 4}));
    filter.originZoneId = origin->GetId();
    filter.originLaneId = Lane(entry, 2)->GetLaneId();
    filter.originArmId = entry->GetId();
    EXPECT_EQ(InFilter(filter), (Numbers{4}));
    filter.destinationArmId = exitA->GetId(); // zone 3 leaves by arm 4, not 3
    EXPECT_EQ(InFilter(filter), Numbers{});
}

TEST_F(CFilter, DeletingTheFilteredZoneClearsThatSide)
{
    EXPECT_EQ(InFilter({.originZoneId = origin->GetId(),
                        .destinationZoneId = destA->GetId(),
                        .destinationArmId = exitA->GetId(),
                        .destinationLaneId = Lane(exitA, 1)->GetLaneId()}),
              (Numbers{1, 2}));
    ASSERT_TRUE(network.GetZones().DeleteZone(destA->GetNumber()));
    RefreshRouteFilter(network);
    EXPECT_EQ(network.GetRouteFilter(), (CRouteFilter{.originZoneId = origin->GetId()}));
    // Zone 2's routes went with it; the rest pass on the destination side.
    EXPECT_EQ(Route(1)->GetDestinationZone(), destB);
    EXPECT_TRUE(Route(1)->IsInFilter());
    EXPECT_TRUE(Route(2)->IsInFilter());
}

TEST_F(CFilter, DeletedArmAndForeignLaneAreCleared)
{
    network.GetRouteFilter() = {.originZoneId = origin->GetId(),
                                .originArmId = entry->GetId(),
                                .originLaneId = Lane(circ, 1)->GetLaneId(), // not on the arm
                                .destinationZoneId = destB->GetId(),
                                .destinationArmId = exitA->GetId(),
                                .destinationLaneId = Lane(exitA, 1)->GetLaneId()};
    ASSERT_TRUE(destA->SetExitArm(nullptr));
    ASSERT_TRUE(network.GetArms().DeleteArm(exitA->GetNumber()));
    ValidateRouteFilter(network);
    EXPECT_EQ(network.GetRouteFilter(), (CRouteFilter{.originZoneId = origin->GetId(),
                                                      .originArmId = entry->GetId(),
                                                      .destinationZoneId = destB->GetId()}));
}

TEST_F(CFilter, RefreshTellsAboutEveryRouteThenOnce)
{
    CNotices notices;
    InstallRouteStatusChangeNotifyer(std::make_unique<CListener>(notices));
    network.SetRouteFilterRefreshNotifyer(std::make_unique<CListener>(notices));
    SetRouteFilter(network, {.originZoneId = origin->GetId()});
    EXPECT_EQ(notices.routes, (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(notices.refreshes, 1);
    // A new listener replaces the old one, which is no longer told.
    CNotices later;
    network.SetRouteFilterRefreshNotifyer(std::make_unique<CListener>(later));
    RefreshRouteFilter(network);
    EXPECT_EQ(notices.refreshes, 1);
    EXPECT_EQ(later.refreshes, 1);
}

// Numbers follow renumbering and come back as ids; numbers that name nothing become zero.
TEST_F(CFilter, Numbers)
{
    const CRouteFilter filter{.originZoneId = origin->GetId(),
                              .originArmId = entry->GetId(),
                              .originLaneId = Lane(entry, 2)->GetLaneId(),
                              .destinationZoneId = destB->GetId(),
                              .destinationArmId = exitB->GetId(),
                              .destinationLaneId = Lane(exitB, 1)->GetLaneId()};
    SetRouteFilter(network, filter);
    EXPECT_EQ(RouteFilterToNumbers(network), (CRouteFilterNumbers{1, 1, 2, 3, 4, 1}));
    EXPECT_EQ(RouteFilterFromNumbers(network, RouteFilterToNumbers(network)), filter);

    // A lane number needs its arm number.
    EXPECT_EQ(RouteFilterFromNumbers(network, {7, 1, 9, 3, 0, 1}),
              (CRouteFilter{.originArmId = entry->GetId(), .destinationZoneId = destB->GetId()}));
    ASSERT_TRUE(network.GetZones().DeleteZone(destA->GetNumber()));
    EXPECT_EQ(RouteFilterToNumbers(network), (CRouteFilterNumbers{1, 1, 2, 2, 4, 1}));
    network.GetRouteFilter() = {.originLaneId = 424242};
    EXPECT_EQ(RouteFilterToNumbers(network), CRouteFilterNumbers{});
}

} // namespace
