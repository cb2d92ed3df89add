// Print pages: defaults, numbering, gap filling and the limits of the collection.
#include "case_name.h"
#include "printing/print_page.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{
using TestSupport::PrintTo;

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

TEST(PrintPageTest, NewPageHasTheDocumentedLayout)
{
    CPrintPages pages;
    const CPrintPage& page = *pages.AddPage();
    EXPECT_TRUE(page.IsLandscape());
    EXPECT_EQ(page.GetTitleBlockPosition(), TitleBlockPosition::Right);
    EXPECT_EQ(page.GetPageTitle(), "");
    EXPECT_FALSE(page.GetIndicateScaleOnTitleBlock());
    EXPECT_EQ(page.GetPositionText(), "1");

    const CPrintZone& zone = page.GetPrintZone();
    EXPECT_EQ(&zone.GetOwner(), &page);
    EXPECT_EQ(zone.GetLeft(), 603);
    EXPECT_EQ(zone.GetTop(), 1182);
    EXPECT_EQ(zone.GetRight(), 1398);
    EXPECT_EQ(zone.GetBottom(), 1690);
    EXPECT_EQ(zone.GetScale(), 1.0);
    EXPECT_TRUE(zone.GetCropToPrintZone());
    EXPECT_FALSE(zone.GetScaleToFit());

    const CDrawingFrame& frame = page.GetDrawingFrame();
    EXPECT_EQ(frame.GetMinimumMargin(), 100);
    EXPECT_TRUE(frame.GetRowsFromBottom());
    EXPECT_EQ(frame.GetRows().GetCount(), 0);
}

struct InsertCase
{
    const char* Name;
    int Existing;
    int Position;
    bool Inserted;
    int ExpectedCount;
    std::vector<std::uint32_t> ExpectedIds;
};

class PrintPageInsertTest : public testing::TestWithParam<InsertCase>
{};

TEST_P(PrintPageInsertTest, InsertsAtThePositionAndRenumbers)
{
    CPrintPages pages;
    AddPages(pages, GetParam().Existing);
    CPrintPage* page = pages.InsertPage(GetParam().Position);
    ASSERT_EQ(page != nullptr, GetParam().Inserted);
    if (page) {
        EXPECT_EQ(page->GetPosition(), GetParam().Position);
    }
    EXPECT_EQ(pages.GetCount(), GetParam().ExpectedCount);
    const std::vector<std::uint32_t> ids = Ids(pages);
    if (!GetParam().ExpectedIds.empty()) {
        EXPECT_EQ(ids, GetParam().ExpectedIds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbering, PrintPageInsertTest,
    testing::Values(InsertCase{"FirstPage", 0, 1, true, 1, {1001}},
                    InsertCase{"AtTheFrontShiftsTheRest", 2, 1, true, 3, {1003, 1001, 1002}},
                    InsertCase{"InTheMiddle", 2, 2, true, 3, {1001, 1003, 1002}},
                    InsertCase{"AtTheEnd", 2, 3, true, 3, {1001, 1002, 1003}},
                    InsertCase{"BeyondTheEndCreatesTheMissingPagesFirst",
                               2,
                               5,
                               true,
                               5,
                               {1001, 1002, 1003, 1004, 1005}},
                    InsertCase{"PositionZeroRefused", 2, 0, false, 2, {1001, 1002}},
                    InsertCase{"Position101Refused", 2, 101, false, 2, {1001, 1002}},
                    InsertCase{"Position100IntoEmptyFillsAll", 0, 100, true, 100, {}},
                    InsertCase{"FullCollectionRefused", 100, 50, false, 100, {}}),
    CaseName());

TEST(PrintPagesTest, CollectionNeverHoldsMoreThanAHundred)
{
    CPrintPages pages;
    ASSERT_NE(pages.InsertPage(100), nullptr);
    EXPECT_EQ(pages.GetCount(), 100);
    EXPECT_EQ(pages.AddPage(), nullptr);
    EXPECT_EQ(pages.GetCount(), 100);
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

struct ScaleCase
{
    const char* Name;
    double Entered;
    double Stored;
};

class PrintZoneScaleTest : public testing::TestWithParam<ScaleCase>
{};

TEST_P(PrintZoneScaleTest, ScaleStaysWithinTheDialogRange)
{
    CPrintPages pages;
    CPrintZone& zone = pages.AddPage()->GetPrintZone();
    zone.SetScale(GetParam().Entered);
    EXPECT_DOUBLE_EQ(zone.GetScale(), GetParam().Stored);
}

INSTANTIATE_TEST_SUITE_P(Limits, PrintZoneScaleTest,
                         testing::Values(ScaleCase{"SevenBecomesFive", 7.0, 5.0},
                                         ScaleCase{"TinyBecomesOneTenth", 0.01, 0.1},
                                         ScaleCase{"ZeroFromADamagedCard", 0.0, 0.1},
                                         ScaleCase{"NegativeBecomesOneTenth", -2.0, 0.1},
                                         ScaleCase{"NotANumber", std::nan(""), 0.1},
                                         ScaleCase{"InRangeKept", 2.5, 2.5},
                                         ScaleCase{"UpperEdgeKept", 5.0, 5.0}),
                         CaseName());

} // namespace
