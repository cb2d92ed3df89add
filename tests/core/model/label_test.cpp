// Label texts, placement of a new label and the label numbering limits.
#include "case_name.h"
#include "model/label.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
using TestSupport::PrintTo;

struct LabelTextCase
{
    const char* name;
    std::string typed;
    std::string stored;
};

class LabelTextTest : public ::testing::TestWithParam<LabelTextCase>
{};

TEST_P(LabelTextTest, TrimmedAndCut)
{
    CLabels labels;
    CLabel* label = labels.InsertLabel(1);
    label->SetText(GetParam().typed);
    EXPECT_EQ(label->GetText(), GetParam().stored);
}

const LabelTextCase kLabelTextCases[] = {
    {"Plain", "North Road", "North Road"},
    {"BlanksAtBothEnds", "  \tNorth Road \t ", "North Road"},
    {"OnlyBlanks", "   ", "(blank)"},
    {"Empty", "", "(blank)"},
    {"SixtyCharacters", std::string(50, 'a') + std::string(10, 'b'), std::string(50, 'a')},
    {"TrimmedBeforeCutting", "  " + std::string(50, 'c') + "  ", std::string(50, 'c')},
};

INSTANTIATE_TEST_SUITE_P(Labels, LabelTextTest, ::testing::ValuesIn(kLabelTextCases), CaseName());

TEST(Labels, NewLabelDefaultsAndLimits)
{
    CLabels labels(55);
    CLabel* third = labels.InsertLabel(3);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(labels.GetCount(), 3u); // 1 and 2 made first
    EXPECT_EQ(third->GetText(), "(blank)");
    EXPECT_EQ(third->GetTextHeight(), 55);
    EXPECT_EQ(third->GetColour(), 0u);
    // Turned to 45 degrees about the first point, keeping the length.
    EXPECT_EQ(third->GetFirstPoint(), (CLabelPoint{500.0, 500.0}));
    EXPECT_NEAR(third->GetSecondPoint().x, 400.0, 1e-6);
    EXPECT_NEAR(third->GetSecondPoint().y, 600.0, 1e-6);
    EXPECT_EQ(labels.InsertLabel(100), nullptr);
    EXPECT_NE(labels.InsertLabel(99), nullptr);
    EXPECT_EQ(labels.GetCount(), 99u);
    EXPECT_TRUE(labels.RemoveLabel(1));
    EXPECT_EQ(labels.GetLabel(1)->GetId(), 1002u);
    EXPECT_FALSE(labels.RemoveLabel(99));
}

} // namespace
