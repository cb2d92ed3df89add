// Zones: numbering without gaps, moves, the entry/exit arm rules and deletion.
#include "case_name.h"
#include "model/network.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{
using TestSupport::PrintTo;

std::vector<std::uint32_t> Ids(const CZones& zones)
{
    std::vector<std::uint32_t> ids;
    for (std::uint32_t n = 1; n <= zones.GetCount(); ++n) {
        EXPECT_EQ(zones.GetZone(n)->GetNumber(), n);
        ids.push_back(zones.GetZone(n)->GetId());
    }
    return ids;
}

TEST(ZonesNumbering, RefusesGapsAndTheHundredth)
{
    CNetwork network;
    CZones& zones = network.GetZones();
    EXPECT_EQ(zones.InsertZone(0), nullptr);
    EXPECT_EQ(zones.InsertZone(2), nullptr);
    zones.InsertZone(1);
    zones.InsertZone(2);
    EXPECT_EQ(zones.InsertZone(5), nullptr);
    EXPECT_EQ(zones.GetCount(), 2u);
    while (zones.GetCount() < 99) {
        ASSERT_NE(zones.InsertZone(zones.GetCount() + 1), nullptr);
    }
    EXPECT_EQ(zones.InsertZone(100), nullptr);
    EXPECT_EQ(zones.InsertZone(1), nullptr);
    EXPECT_EQ(zones.GetZone(1)->GetId(), 1001u);
    EXPECT_EQ(zones.GetZoneById(1099), zones.GetZone(99));
}

TEST(ZonesNumbering, DeleteShiftsDownAndKeepsIds)
{
    CNetwork network;
    CZones& zones = network.GetZones();
    for (std::uint32_t n = 1; n <= 3; ++n) {
        zones.InsertZone(n);
    }
    EXPECT_FALSE(zones.DeleteZone(4));
    ASSERT_TRUE(zones.DeleteZone(2));
    EXPECT_EQ(Ids(zones), (std::vector<std::uint32_t>{1001, 1003}));
    EXPECT_EQ(zones.GetZoneById(1002), nullptr);
    EXPECT_EQ(zones.InsertZone(1)->GetId(), 1004u);
    EXPECT_EQ(Ids(zones), (std::vector<std::uint32_t>{1004, 1001, 1003}));
}

struct MoveCase
{
    const char* name;
    std::uint32_t from;
    std::uint32_t to;
    bool accepted;
    std::vector<std::uint32_t> ids; // of zones 1..5 afterwards, ids 1001..1005 before
};

class ZoneMoveTest : public ::testing::TestWithParam<MoveCase>
{};

TEST_P(ZoneMoveTest, MoveOutAndBackIn)
{
    const MoveCase& c = GetParam();
    CNetwork network;
    for (std::uint32_t n = 1; n <= 5; ++n) {
        network.GetZones().InsertZone(n);
    }
    EXPECT_EQ(network.GetZones().MoveZone(c.from, c.to), c.accepted);
    EXPECT_EQ(Ids(network.GetZones()), c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, ZoneMoveTest,
    ::testing::Values(MoveCase{"ThirdToFirst", 3, 1, true, {1003, 1001, 1002, 1004, 1005}},
                      MoveCase{"FirstToLast", 1, 5, true, {1002, 1003, 1004, 1005, 1001}},
                      MoveCase{"ToItself", 2, 2, true, {1001, 1002, 1003, 1004, 1005}},
                      MoveCase{"BeyondCountRefused", 3, 6, false, {1001, 1002, 1003, 1004, 1005}},
                      MoveCase{"ZeroRefused", 0, 1, false, {1001, 1002, 1003, 1004, 1005}},
                      MoveCase{
                          "MissingSourceRefused", 6, 1, false, {1001, 1002, 1003, 1004, 1005}}),
    CaseName());

// A network with arm 1 Entry, arm 2 Exit, arm 3 Circulatory and arm 4 Unconnected.
class ZoneArmTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            arms.push_back(AddArm(network, 1));
        }
        network.GetLaneConnectors().AddConnector(Lane(arms[0], 1), Lane(arms[2], 1));
        network.GetLaneConnectors().AddConnector(Lane(arms[2], 1), Lane(arms[1], 1));
        zone = network.GetZones().InsertZone(1);
        other = network.GetZones().InsertZone(2);
        network.AddObserver(&observer);
    }

    CNetwork network;
    std::vector<CArm*> arms;
    CZone* zone = nullptr;
    CZone* other = nullptr;
    CRecordingObserver observer;
};

TEST_F(ZoneArmTest, EntryArmMustBeEntryOrUnconnected)
{
    ASSERT_EQ(arms[1]->GetKind(), ArmKind::Exit);
    EXPECT_FALSE(zone->SetEntryArm(arms[1]));
    EXPECT_FALSE(zone->SetEntryArm(arms[2]));
    EXPECT_EQ(zone->GetEntryArm(), nullptr);
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_TRUE(zone->SetEntryArm(arms[3]));
    EXPECT_TRUE(zone->SetEntryArm(arms[0]));
    EXPECT_EQ(zone->GetEntryArm(), arms[0]);
    EXPECT_EQ(arms[0]->GetZone(), zone);
    EXPECT_EQ(arms[3]->GetZone(), nullptr) << "the replaced arm lets go of the zone";
    EXPECT_EQ(observer.events, (std::vector<std::string>{"detach zone 1 arm 4"}));
}

TEST_F(ZoneArmTest, ExitArmMustBeExitOrUnconnected)
{
    EXPECT_FALSE(zone->SetExitArm(arms[0]));
    EXPECT_FALSE(zone->SetExitArm(arms[2]));
    EXPECT_TRUE(zone->SetExitArm(arms[1]));
    EXPECT_EQ(zone->GetExitArm(), arms[1]);
    EXPECT_EQ(arms[1]->GetZone(), zone);
}

TEST_F(ZoneArmTest, AnArmCarriesOneZoneOneWay)
{
    ASSERT_TRUE(zone->SetEntryArm(arms[0]));
    EXPECT_FALSE(other->SetEntryArm(arms[0]));
    EXPECT_EQ(arms[0]->GetZone(), zone);
    EXPECT_EQ(other->GetEntryArm(), nullptr);
    // Setting the same arm again is a success without change (and without route cleanup).
    EXPECT_TRUE(zone->SetEntryArm(arms[0]));
    EXPECT_TRUE(observer.events.empty());
    // Nor both ways of one zone; reported as refused rather than a success storing nothing.
    ASSERT_TRUE(other->SetEntryArm(arms[3]));
    EXPECT_FALSE(other->SetExitArm(arms[3]));
    EXPECT_EQ(other->GetExitArm(), nullptr);
    EXPECT_EQ(other->GetEntryArm(), arms[3]);
}

TEST_F(ZoneArmTest, ClearingTheArmDetachesBothSides)
{
    ASSERT_TRUE(zone->SetExitArm(arms[1]));
    EXPECT_TRUE(zone->SetExitArm(nullptr));
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_TRUE(zone->SetExitArm(nullptr)) << "clearing twice is harmless";
    EXPECT_EQ(observer.events, (std::vector<std::string>{"detach zone 1 arm 2"}));
    EXPECT_TRUE(other->SetExitArm(arms[1]));
}

TEST_F(ZoneArmTest, DeletingAZoneTellsObserversThenFreesItsArms)
{
    ASSERT_TRUE(zone->SetEntryArm(arms[0]));
    ASSERT_TRUE(zone->SetExitArm(arms[1]));
    ASSERT_TRUE(network.GetZones().DeleteZone(1));
    EXPECT_EQ(observer.events, (std::vector<std::string>{"zone 1"}));
    EXPECT_EQ(arms[0]->GetZone(), nullptr);
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_EQ(other->GetNumber(), 1u);
    EXPECT_TRUE(other->SetEntryArm(arms[0]));
}

TEST_F(ZoneArmTest, DeletingAnArmDetachesItFromItsZone)
{
    ASSERT_TRUE(zone->SetEntryArm(arms[3]));
    ASSERT_TRUE(other->SetExitArm(arms[1]));
    ASSERT_TRUE(network.GetArms().DeleteArm(4));
    EXPECT_EQ(zone->GetEntryArm(), nullptr);
    EXPECT_EQ(other->GetExitArm(), arms[1]);
    ASSERT_TRUE(network.GetArms().DeleteArm(2));
    EXPECT_EQ(other->GetExitArm(), nullptr);
    EXPECT_EQ(observer.events[0], "detach zone 1 arm 4");
    EXPECT_EQ(observer.events[2], "detach zone 2 arm 2");
}

} // namespace
