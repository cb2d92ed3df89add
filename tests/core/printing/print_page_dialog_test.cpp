// The "Print Page Layout" dialog without its window: page numbers, the scale box and its clamps,
// and the title block radios.
#include "printing/print_page.h"
#include "printing/print_page_dialog.h"

#include <gtest/gtest.h>

namespace
{

class PrintPageDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i)
            pages.AddPage();
        page().GetPrintZone().SetScale(2.5);
        page().SetTitleBlockPosition(TitleBlockPosition::Left);
    }
    CPrintPage& page() { return *pages.GetPage(2); }

    CPrintPages pages;
};

TEST_F(PrintPageDialogTest, ShowsThePageAndOffersEveryPageNumber)
{
    const CDlgEditPrintPageModel dialog(page());
    EXPECT_EQ(dialog.GetPageNumberChoices(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(dialog.GetPageNumber(), 2);
    EXPECT_EQ(dialog.GetScaleText(), "2.50");
    EXPECT_TRUE(dialog.IsScaleBoxEnabled());
    EXPECT_TRUE(dialog.GetCropToPrintZone());
    EXPECT_TRUE(dialog.IsLandscape());
    EXPECT_EQ(dialog.GetPositionIndex(), 3); // "Left"
}

TEST_F(PrintPageDialogTest, PageNumberOutsideTheChoicesIsRefused)
{
    CDlgEditPrintPageModel dialog(page());
    EXPECT_FALSE(dialog.SetPageNumber(0));
    EXPECT_FALSE(dialog.SetPageNumber(4));
    EXPECT_TRUE(dialog.SetPageNumber(3));
    EXPECT_EQ(dialog.OnOK().position, 3);
}

TEST_F(PrintPageDialogTest, ScaleBoxOnlyWithASpecificScale)
{
    CDlgEditPrintPageModel dialog(page());
    dialog.SetScaleToFit(true);
    EXPECT_FALSE(dialog.IsScaleBoxEnabled());
    dialog.SetScaleToFit(false);
    EXPECT_TRUE(dialog.IsScaleBoxEnabled());
}

struct ScaleBoxCase
{
    const char* Name;
    const char* Typed;
    const char* Shown;
    double Stored;
};

class ScaleBoxTest : public PrintPageDialogTest, public testing::WithParamInterface<ScaleBoxCase>
{};

TEST_P(ScaleBoxTest, ClampedWhenTheBoxIsLeft)
{
    CDlgEditPrintPageModel dialog(page());
    dialog.SetScaleText(GetParam().Typed);
    dialog.LeaveScaleBox();
    EXPECT_EQ(dialog.GetScaleText(), GetParam().Shown);
    EXPECT_DOUBLE_EQ(dialog.OnOK().scale, GetParam().Stored);
}

TEST_P(ScaleBoxTest, ClampedOnOkToo)
{
    CDlgEditPrintPageModel dialog(page());
    dialog.SetScaleText(GetParam().Typed);
    EXPECT_DOUBLE_EQ(dialog.OnOK().scale, GetParam().Stored);
    EXPECT_EQ(dialog.GetScaleText(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ScaleBoxTest,
    testing::Values(ScaleBoxCase{"SevenBecomesFive", "7", "5.00", 5.0},
                    ScaleBoxCase{"HundredthBecomesTenth", "0.01", "0.10", 0.1},
                    ScaleBoxCase{"NegativeBecomesTenth", "-3", "0.10", 0.1},
                    ScaleBoxCase{"InRangeKeptAndShownWithTwoDecimals", " 1.5 ", "1.50", 1.5},
                    ScaleBoxCase{"TwoDecimalsAsShown", "0.129", "0.13", 0.13},
                    ScaleBoxCase{"ExponentClamped", "1e1", "5.00", 5.0},
                    ScaleBoxCase{"NotANumberKeepsTheValue", "abc", "2.50", 2.5},
                    ScaleBoxCase{"DecimalCommaIsNotANumber", "1,5", "2.50", 2.5},
                    ScaleBoxCase{"EmptyKeepsTheValue", "", "2.50", 2.5},
                    ScaleBoxCase{"InfinityKeepsTheValue", "inf", "2.50", 2.5}),
    [](const testing::TestParamInfo<ScaleBoxCase>& paramInfo) { return paramInfo.param.Name; });

TEST_F(PrintPageDialogTest, PositionRadiosRunNoneRightBottomLeftTop)
{
    using C = CDlgEditPrintPageModel;
    const std::vector<std::pair<std::string, int>> expected{
        {"No Title Block", 0}, {"Right", 3}, {"Bottom", 4}, {"Left", 1}, {"Top", 2}};
    ASSERT_EQ(C::PositionChoices.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(C::PositionChoices[i].caption, expected[i].first);
        EXPECT_EQ(static_cast<int>(C::PositionChoices[i].position), expected[i].second);
    }

    CDlgEditPrintPageModel dialog(page());
    EXPECT_TRUE(dialog.SetPositionIndex(2));
    EXPECT_EQ(dialog.OnOK().titleBlockPosition, TitleBlockPosition::Bottom);
    EXPECT_FALSE(dialog.SetPositionIndex(5));
    EXPECT_FALSE(dialog.SetPositionIndex(-1));
    EXPECT_EQ(dialog.GetPositionIndex(), 2);
}

TEST_F(PrintPageDialogTest, OkGivesEveryFieldAsEdited)
{
    CDlgEditPrintPageModel dialog(page());
    dialog.SetScaleToFit(true);
    dialog.SetCropToPrintZone(false);
    dialog.SetLandscape(false);
    dialog.SetPageTitle("The ring");
    dialog.SetIndicateScale(true);
    const CPrintPageLayout layout = dialog.OnOK();
    EXPECT_TRUE(layout.scaleToFit);
    EXPECT_FALSE(layout.cropToPrintZone);
    EXPECT_FALSE(layout.landscape);
    EXPECT_EQ(layout.pageTitle, "The ring");
    EXPECT_TRUE(layout.indicateScale);
    EXPECT_EQ(layout.titleBlockPosition, TitleBlockPosition::Left);
}

} // namespace
