// Print pages: numbering, gap filling and the limits of the collection.
#include "printing/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{
// The ids in page order; positions and the id map must agree with that order after every change.
std::vector<std::uint32_t> Ids(const CPrintPages& pages)
{
    std::vector<std::uint32_t> ids;
    for (int position = 1; position <= pages.GetCount(); ++position) {
        const CPrintPage* page = pages.GetPage(position);
        EXPECT_EQ(page->GetPosition(), position);
        EXPECT_EQ(pages.GetPageById(page->GetId()), page);
        EXPECT_EQ(&page->GetOwner(), &pages);
        ids.push_back(page->GetId());
    }
    return ids;
}

void AddPages(CPrintPages& pages, int count)
{
    for (int i = 0; i < count; ++i)
        pages.AddPage();
}

TEST(PrintPagesTest, InsertFillsUpToThePositionWithinAHundredAndRenumbers)
{
    const struct
    {
        const char* name;
        int existing;
        int position;
        bool inserted;
        int count;
        std::vector<std::uint32_t> ids;
    } cases[] = {
        {"FirstPage", 0, 1, true, 1, {1001}},
        {"AtTheFrontShiftsTheRest", 2, 1, true, 3, {1003, 1001, 1002}},
        {"InTheMiddle", 2, 2, true, 3, {1001, 1003, 1002}},
        {"AtTheEnd", 2, 3, true, 3, {1001, 1002, 1003}},
        {"BeyondTheEndMakesTheMissingFirst", 2, 5, true, 5, {1001, 1002, 1003, 1004, 1005}},
        {"PositionZeroRefused", 2, 0, false, 2, {1001, 1002}},
        {"Position101Refused", 2, 101, false, 2, {1001, 1002}},
        {"Position100IntoEmptyFillsAll", 0, 100, true, 100, {}},
        {"FullCollectionRefused", 100, 50, false, 100, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPrintPages pages;
        AddPages(pages, c.existing);
        const CPrintPage* page = pages.InsertPage(c.position);
        ASSERT_EQ(page != nullptr, c.inserted);
        if (page) {
            EXPECT_EQ(page->GetPosition(), c.position);
        }
        EXPECT_EQ(pages.GetCount(), c.count);
        const std::vector<std::uint32_t> ids = Ids(pages);
        if (!c.ids.empty()) {
            EXPECT_EQ(ids, c.ids);
        }
    }
    CPrintPages full;
    AddPages(full, 100);
    EXPECT_EQ(full.AddPage(), nullptr);
    EXPECT_EQ(full.GetCount(), 100);
}

TEST(PrintPagesTest, RemovingShiftsLaterPagesDownAndIdsAreNotReused)
{
    CPrintPages pages;
    AddPages(pages, 3);
    EXPECT_TRUE(pages.RemovePage(1));
    EXPECT_FALSE(pages.RemovePage(3));
    EXPECT_EQ(Ids(pages), (std::vector<std::uint32_t>{1002, 1003}));
    EXPECT_EQ(pages.GetPageById(1001), nullptr);
    EXPECT_EQ(pages.GetPage(0), nullptr);
    EXPECT_EQ(pages.GetPage(3), nullptr);

    EXPECT_TRUE(pages.RemovePageById(1003));
    EXPECT_FALSE(pages.RemovePageById(1003));
    pages.Clear();
    EXPECT_EQ(pages.GetCount(), 0);
    EXPECT_EQ(pages.AddPage()->GetId(), 1004u);
}

TEST(PrintPagesTest, MovingAPageRenumbersTheOnesBetween)
{
    CPrintPages pages;
    AddPages(pages, 4);
    EXPECT_TRUE(pages.MovePage(1, 3));
    EXPECT_EQ(Ids(pages), (std::vector<std::uint32_t>{1002, 1003, 1001, 1004}));
    EXPECT_TRUE(pages.MovePage(4, 1));
    EXPECT_EQ(Ids(pages), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
    EXPECT_TRUE(pages.MovePage(2, 2));
    EXPECT_FALSE(pages.MovePage(1, 5));
    EXPECT_FALSE(pages.MovePage(0, 1));
    EXPECT_EQ(Ids(pages), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
}

TEST(PrintZoneTest, ScaleStaysWithinTheDialogRange)
{
    const std::pair<double, double> cases[] = {
        {7.0, 5.0},  {0.01, 0.1},         {0.0, 0.1}, // zero from a damaged card
        {-2.0, 0.1}, {std::nan(""), 0.1}, {2.5, 2.5}, {5.0, 5.0}};
    for (const auto& [entered, stored] : cases) {
        CPrintPages pages;
        CPrintZone& zone = pages.AddPage()->GetPrintZone();
        zone.SetScale(entered);
        EXPECT_DOUBLE_EQ(zone.GetScale(), stored) << entered;
    }
}

} // namespace
