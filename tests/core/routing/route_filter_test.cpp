// The route filter: pass rule, validation after deletions, refresh notices and numbers.
#include "route_fixture.h"
#include "routing/route_commands.h"
#include "model/route_filter.h"
#include "model/route_status_notifyer.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

using namespace routetest;

struct CNotices
{
    std::vector<std::uint32_t> routes;
    int refreshes = 0;
};

class CCountingStatus : public CRouteStatusChangeNotifyer
{
public:
    explicit CCountingStatus(CNotices& notices) : m_notices(notices) {}
    void RouteChanged(CRoute& route) override { m_notices.routes.push_back(route.GetNumber()); }

private:
    CNotices& m_notices;
};

class CCountingRefresh : public CRouteFilterRefreshNotifyer
{
public:
    explicit CCountingRefresh(CNotices& notices) : m_notices(notices) {}
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
    std::vector<std::uint32_t> InFilter()
    {
        std::vector<std::uint32_t> numbers;
        for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
            if (Route(n)->IsInFilter()) {
                numbers.push_back(n);
            }
        }
        return numbers;
    }
    using Numbers = std::vector<std::uint32_t>;
};

TEST_F(CFilter, EmptyFilterAndArmOnlyFilterPassEveryRoute)
{
    EXPECT_EQ(InFilter(), (Numbers{1, 2, 3, 4}));
    CRouteFilter filter;
    filter.originArmId = entry->GetId();
    filter.destinationLaneId = Lane(exitB, 1)->GetLaneId();
    filter.destinationArmId = exitB->GetId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(InFilter(), (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(network.GetRouteFilter(), filter); // ids that name objects are kept
}

TEST_F(CFilter, ZoneArmAndLaneIdsMustAllMatch)
{
    CRouteFilter filter;
    filter.destinationZoneId = destB->GetId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(InFilter(), (Numbers{3, 4}));
    filter.originZoneId = origin->GetId();
    filter.originLaneId = Lane(entry, 2)->GetLaneId();
    filter.originArmId = entry->GetId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(InFilter(), (Numbers{4}));
    filter.destinationArmId = exitA->GetId(); // zone 3 leaves by arm 4, not 3
    SetRouteFilter(network, filter);
    EXPECT_EQ(InFilter(), Numbers{});
}

TEST_F(CFilter, DeletingTheFilteredZoneClearsThatSide)
{
    CRouteFilter filter;
    filter.originZoneId = origin->GetId();
    filter.destinationZoneId = destA->GetId();
    filter.destinationArmId = exitA->GetId();
    filter.destinationLaneId = Lane(exitA, 1)->GetLaneId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(InFilter(), (Numbers{1, 2}));
    ASSERT_TRUE(network.GetZones().DeleteZone(destA->GetNumber()));
    RefreshRouteFilter(network);
    const CRouteFilter& now = network.GetRouteFilter();
    EXPECT_EQ(now.destinationZoneId, 0u);
    EXPECT_EQ(now.destinationArmId, 0u);
    EXPECT_EQ(now.destinationLaneId, 0u);
    EXPECT_EQ(now.originZoneId, origin->GetId());
    // Zone 2's routes went with it; the rest pass on the destination side.
    EXPECT_EQ(InFilter(), (Numbers{1, 2}));
    EXPECT_EQ(Route(1)->GetDestinationZone(), destB);
}

TEST_F(CFilter, DeletedArmAndForeignLaneAreCleared)
{
    CRouteFilter filter;
    filter.originZoneId = origin->GetId();
    filter.originArmId = entry->GetId();
    filter.originLaneId = Lane(circ, 1)->GetLaneId(); // not a lane of the entry arm
    filter.destinationZoneId = destB->GetId();
    filter.destinationArmId = exitA->GetId();
    filter.destinationLaneId = Lane(exitA, 1)->GetLaneId();
    network.GetRouteFilter() = filter;
    ASSERT_TRUE(destA->SetExitArm(nullptr));
    ASSERT_TRUE(network.GetArms().DeleteArm(exitA->GetNumber()));
    ValidateRouteFilter(network);
    const CRouteFilter& now = network.GetRouteFilter();
    EXPECT_EQ(now.originArmId, entry->GetId());
    EXPECT_EQ(now.originLaneId, 0u);
    EXPECT_EQ(now.destinationZoneId, destB->GetId());
    EXPECT_EQ(now.destinationArmId, 0u);
    EXPECT_EQ(now.destinationLaneId, 0u);
}

TEST_F(CFilter, RefreshTellsAboutEveryRouteThenOnce)
{
    CNotices notices;
    InstallRouteStatusChangeNotifyer(std::make_unique<CCountingStatus>(notices));
    network.SetRouteFilterRefreshNotifyer(std::make_unique<CCountingRefresh>(notices));
    CRouteFilter filter;
    filter.originZoneId = origin->GetId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(notices.routes, (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(notices.refreshes, 1);
    // A new listener replaces the old one, which is no longer told.
    CNotices later;
    network.SetRouteFilterRefreshNotifyer(std::make_unique<CCountingRefresh>(later));
    RefreshRouteFilter(network);
    EXPECT_EQ(notices.refreshes, 1);
    EXPECT_EQ(later.refreshes, 1);
}

TEST_F(CFilter, NumbersFollowRenumberingAndComeBackAsIds)
{
    CRouteFilter filter;
    filter.originZoneId = origin->GetId();
    filter.originArmId = entry->GetId();
    filter.originLaneId = Lane(entry, 2)->GetLaneId();
    filter.destinationZoneId = destB->GetId();
    filter.destinationArmId = exitB->GetId();
    filter.destinationLaneId = Lane(exitB, 1)->GetLaneId();
    SetRouteFilter(network, filter);
    EXPECT_EQ(RouteFilterToNumbers(network), (CRouteFilterNumbers{1, 1, 2, 3, 4, 1}));
    EXPECT_EQ(RouteFilterFromNumbers(network, RouteFilterToNumbers(network)), filter);

    ASSERT_TRUE(network.GetZones().DeleteZone(destA->GetNumber()));
    EXPECT_EQ(RouteFilterToNumbers(network), (CRouteFilterNumbers{1, 1, 2, 2, 4, 1}));
}

TEST_F(CFilter, NumbersThatNameNothingBecomeZero)
{
    const CRouteFilter filter = RouteFilterFromNumbers(network, {7, 1, 9, 3, 0, 1});
    EXPECT_EQ(filter.originZoneId, 0u);
    EXPECT_EQ(filter.originArmId, entry->GetId());
    EXPECT_EQ(filter.originLaneId, 0u);
    EXPECT_EQ(filter.destinationZoneId, destB->GetId());
    EXPECT_EQ(filter.destinationArmId, 0u);
    EXPECT_EQ(filter.destinationLaneId, 0u); // a lane needs its arm
    network.GetRouteFilter().originLaneId = 424242;
    EXPECT_EQ(RouteFilterToNumbers(network), CRouteFilterNumbers{});
}

} // namespace
