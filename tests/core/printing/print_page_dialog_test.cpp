// The "Print Page Layout" dialog without its window: page numbers, the scale box and its clamps,
// and the title block radios.
#include "printing/print_page.h"
#include "printing/print_page_dialog.h"

#include <gtest/gtest.h>

namespace
{

// Page 2 of 3, at scale 2.5 with its title block on the left.
CPrintPage& SecondOfThree(CPrintPages& pages)
{
    for (int i = 0; i < 3; ++i)
        pages.AddPage();
    CPrintPage& page = *pages.GetPage(2);
    page.GetPrintZone().SetScale(2.5);
    page.SetTitleBlockPosition(TitleBlockPosition::Left);
    return page;
}

class PrintPageDialogTest : public testing::Test
{
protected:
    CPrintPages pages;
    CPrintPage& page = SecondOfThree(pages);
};

TEST_F(PrintPageDialogTest, PageNumbersAndTheScaleBoxAsTheDialogOpens)
{
    CDlgEditPrintPageModel dialog(page);
    EXPECT_EQ(dialog.GetPageNumberChoices(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(dialog.GetPageNumber(), 2);
    EXPECT_EQ(dialog.GetScaleText(), "2.50");
    EXPECT_FALSE(dialog.SetPageNumber(4));
    EXPECT_FALSE(dialog.SetPageNumber(0));
    EXPECT_TRUE(dialog.SetPageNumber(3));
    dialog.SetScaleToFit(true);
    EXPECT_FALSE(dialog.IsScaleBoxEnabled());
    dialog.SetScaleToFit(false);
    EXPECT_TRUE(dialog.IsScaleBoxEnabled());
    EXPECT_EQ(dialog.OnOK().position, 3);
}

TEST_F(PrintPageDialogTest, ScaleClampedWhenTheBoxIsLeftAndOnOk)
{
    const std::vector<std::tuple<const char*, const char*, double>> cases{
        {"7", "5.00", 5.0},     {"0.01", "0.10", 0.1},   {"-3", "0.10", 0.1},
        {" 1.5 ", "1.50", 1.5}, {"0.129", "0.13", 0.13}, {"1e1", "5.00", 5.0},
        {"abc", "2.50", 2.5},   {"1,5", "2.50", 2.5},    {"", "2.50", 2.5},
        {"inf", "2.50", 2.5}};
    for (const auto& [typed, shown, stored] : cases) {
        CDlgEditPrintPageModel left(page);
        left.SetScaleText(typed);
        left.LeaveScaleBox();
        EXPECT_EQ(left.GetScaleText(), shown) << typed;
        EXPECT_DOUBLE_EQ(left.OnOK().scale, stored) << typed;

        CDlgEditPrintPageModel ok(page);
        ok.SetScaleText(typed);
        EXPECT_DOUBLE_EQ(ok.OnOK().scale, stored) << typed;
        EXPECT_EQ(ok.GetScaleText(), shown) << typed;
    }
}

// The radios run None, Right, Bottom, Left, Top: not the order of the stored values.
TEST_F(PrintPageDialogTest, PositionRadiosRunNoneRightBottomLeftTop)
{
    CDlgEditPrintPageModel dialog(page);
    EXPECT_EQ(dialog.GetPositionIndex(), 3);
    EXPECT_TRUE(dialog.SetPositionIndex(2));
    EXPECT_FALSE(dialog.SetPositionIndex(5));
    EXPECT_EQ(dialog.OnOK().titleBlockPosition, TitleBlockPosition::Bottom);
    EXPECT_STREQ(CDlgEditPrintPageModel::PositionChoices[2].caption, "Bottom");
}

} // namespace
