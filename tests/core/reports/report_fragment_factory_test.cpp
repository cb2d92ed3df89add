// The fragment factory, the flows matrix precision and adopting the current flow group.
#include "reports/flows_report_fragment.h"
#include "reports/report_fragment_factory.h"
#include "reports/report_fragments.h"
#include "reports/routes_report_fragment.h"

#include <gtest/gtest.h>

namespace
{

// The type numbers are what report files store; the names head fragments in generated reports.
TEST(FragmentFactory, MakesEachStoredTypeAndNothingForOthers)
{
    const CCarouselReportFragmentFactory factory;
    CReportFragments owner{factory};
    const struct
    {
        int stored;
        const char* name;
        bool flowBased;
    } cases[] = {{0, "Network Diagram", true},
                 {1, "Flows Matrix", true},
                 {2, "Routes List", true},
                 {3, "Header", false},
                 {4, "Footer", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto type = static_cast<ReportFragmentType>(c.stored);
        const auto fragment = factory.CreateFragment(type, owner, 1234, 7);
        ASSERT_NE(fragment, nullptr);
        EXPECT_EQ(fragment->GetType(), type);
        EXPECT_EQ(fragment->GetName(), c.name);
        EXPECT_EQ(fragment->GetId(), 1234u);
        EXPECT_EQ(fragment->GetPosition(), 7);
        const auto* flows =
            dynamic_cast<CCarouselFlowGroupReportFragmentComponent*>(fragment.get());
        ASSERT_EQ(flows != nullptr, c.flowBased);
        if (flows) {
            EXPECT_EQ(static_cast<std::int32_t>(flows->GetFlowGroupId()), -2) << "unset";
        }
    }
    EXPECT_EQ(factory.CreateFragment(static_cast<ReportFragmentType>(5), owner, 1, 1), nullptr);
    EXPECT_EQ(factory.CreateFragment(static_cast<ReportFragmentType>(-1), owner, 1, 1), nullptr);
}

class FragmentRules : public testing::Test
{
protected:
    template <class T> T& Add(ReportFragmentType type)
    {
        return dynamic_cast<T&>(*fragments.AddFragment(type, fragments.GetCount() + 1));
    }

    CCarouselReportFragmentFactory factory;
    CReportFragments fragments{factory};
};

TEST_F(FragmentRules, FlowsMatrixPrecisionStaysWithinNoneToTwoDecimals)
{
    auto& fragment = Add<CCarouselFlowsReportFragment>(ReportFragmentType::FlowsMatrix);
    EXPECT_EQ(fragment.GetPrecision(), 1);
    fragment.SetPrecision(3);
    EXPECT_EQ(fragment.GetPrecision(), 2);
    fragment.SetPrecision(-4);
    EXPECT_EQ(fragment.GetPrecision(), 0);
}

TEST_F(FragmentRules, OnlyAnUnsetFlowGroupAdoptsTheCurrentOne)
{
    auto& unset = Add<CCarouselFlowsReportFragment>(ReportFragmentType::FlowsMatrix);
    EXPECT_TRUE(unset.AdoptFlowGroupIfUnset(42));
    EXPECT_EQ(unset.GetFlowGroupId(), 42u);
    EXPECT_FALSE(unset.AdoptFlowGroupIfUnset(43));
    EXPECT_EQ(unset.GetFlowGroupId(), 42u);

    // A template leaves -1 behind: the user must choose, the current group is not taken.
    auto& fromTemplate = Add<CCarouselRoutesReportFragment>(ReportFragmentType::RoutesList);
    fromTemplate.SetFlowGroupId(NoFlowGroupId);
    EXPECT_FALSE(fromTemplate.AdoptFlowGroupIfUnset(42));
    EXPECT_EQ(static_cast<std::int32_t>(fromTemplate.GetFlowGroupId()), -1);
}

} // namespace
