// Zones: numbering without gaps, moves, the entry/exit arm rules, deletion and their letters.
#include "model/network.h"
#include "model/zone_letter.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{

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

TEST(ZonesNumbering, MoveTakesOutAndReinserts)
{
    const std::vector<std::uint32_t> unmoved{1001, 1002, 1003, 1004, 1005};
    const struct
    {
        std::uint32_t from;
        std::uint32_t to;
        bool accepted;
        std::vector<std::uint32_t> ids; // of zones 1..5 afterwards
    } cases[] = {
        {3, 1, true, {1003, 1001, 1002, 1004, 1005}},
        {1, 5, true, {1002, 1003, 1004, 1005, 1001}},
        {2, 2, true, unmoved},
        {3, 6, false, unmoved}, // beyond the count
        {0, 1, false, unmoved},
        {6, 1, false, unmoved}, // no such zone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        CNetwork network;
        for (std::uint32_t n = 1; n <= 5; ++n) {
            network.GetZones().InsertZone(n);
        }
        EXPECT_EQ(network.GetZones().MoveZone(c.from, c.to), c.accepted);
        EXPECT_EQ(Ids(network.GetZones()), c.ids);
    }
}

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

TEST_F(ZoneArmTest, EntryAndExitArmsMustBeOfTheirKindOrUnconnected)
{
    ASSERT_EQ(arms[1]->GetKind(), ArmKind::Exit);
    EXPECT_FALSE(zone->SetEntryArm(arms[1]));
    EXPECT_FALSE(zone->SetEntryArm(arms[2]));
    EXPECT_FALSE(zone->SetExitArm(arms[0]));
    EXPECT_FALSE(zone->SetExitArm(arms[2]));
    EXPECT_EQ(zone->GetEntryArm(), nullptr);
    EXPECT_EQ(zone->GetExitArm(), nullptr);
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_TRUE(zone->SetEntryArm(arms[3]));
    EXPECT_TRUE(zone->SetEntryArm(arms[0]));
    EXPECT_EQ(zone->GetEntryArm(), arms[0]);
    EXPECT_EQ(arms[0]->GetZone(), zone);
    EXPECT_EQ(arms[3]->GetZone(), nullptr) << "the replaced arm lets go of the zone";
    EXPECT_EQ(observer.events, (std::vector<std::string>{"detach zone 1 arm 4"}));
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

TEST_F(ZoneArmTest, ClearingTheArmOrDeletingTheZoneFreesItsArms)
{
    ASSERT_TRUE(zone->SetExitArm(arms[1]));
    EXPECT_TRUE(zone->SetExitArm(nullptr));
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_TRUE(zone->SetExitArm(nullptr)) << "clearing twice is harmless";
    EXPECT_EQ(observer.events, (std::vector<std::string>{"detach zone 1 arm 2"}));

    ASSERT_TRUE(zone->SetEntryArm(arms[0]));
    ASSERT_TRUE(zone->SetExitArm(arms[1]));
    observer.events.clear();
    ASSERT_TRUE(network.GetZones().DeleteZone(1));
    EXPECT_EQ(observer.events, (std::vector<std::string>{"zone 1"})) << "told, then freed";
    EXPECT_EQ(arms[0]->GetZone(), nullptr);
    EXPECT_EQ(arms[1]->GetZone(), nullptr);
    EXPECT_EQ(other->GetNumber(), 1u);
    EXPECT_TRUE(other->SetEntryArm(arms[0]));
    EXPECT_TRUE(other->SetExitArm(arms[1]));
}

// The entry side is checked with the arm's own deletion.
TEST_F(ZoneArmTest, DeletingAnExitArmDetachesItFromItsZoneOnly)
{
    ASSERT_TRUE(zone->SetEntryArm(arms[0]));
    ASSERT_TRUE(other->SetExitArm(arms[1]));
    ASSERT_TRUE(network.GetArms().DeleteArm(2));
    EXPECT_EQ(other->GetExitArm(), nullptr);
    EXPECT_EQ(zone->GetEntryArm(), arms[0]);
    EXPECT_EQ(observer.events[0], "detach zone 2 arm 2");
}

TEST(ZoneLetterTest, LettersThenPrintableCharactersThenNumbers)
{
    EXPECT_EQ(ZoneLetter(1), "A");
    EXPECT_EQ(ZoneLetter(26), "Z");
    EXPECT_EQ(ZoneLetter(27), "[");
    EXPECT_EQ(ZoneLetter(62), "~");
    EXPECT_EQ(ZoneLetter(63), "#63"); // 127 would be a control character
    EXPECT_EQ(ZoneLetter(99), "#99");
    EXPECT_EQ(ZoneLetter(0), "#0");
}

} // namespace
