// The fragment factory and the defaults of every fragment class.
#include "case_name.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/report_fragment_factory.h"
#include "reports/report_fragments.h"
#include "reports/routes_report_fragment.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

struct TypeCase
{
    const char* Case;
    ReportFragmentType Type;
    const char* Name;
    bool FlowBased;
    int Stored; // the type's number in the file
};

class FragmentFactoryTest : public testing::TestWithParam<TypeCase>
{
protected:
    CCarouselReportFragmentFactory factory;
    CReportFragments owner{factory};
};

TEST_P(FragmentFactoryTest, MakesTheFragmentOfTheType)
{
    const auto fragment = factory.CreateFragment(GetParam().Type, owner, 1234, 7);
    ASSERT_NE(fragment, nullptr);
    EXPECT_EQ(fragment->GetType(), GetParam().Type);
    EXPECT_EQ(static_cast<int>(GetParam().Type), GetParam().Stored);
    EXPECT_EQ(fragment->GetName(), GetParam().Name);
    EXPECT_EQ(fragment->GetId(), 1234u);
    EXPECT_EQ(fragment->GetPosition(), 7);
    EXPECT_EQ(&fragment->GetOwner(), &owner);
    EXPECT_TRUE(fragment->GetShowFragmentName());
    EXPECT_FALSE(fragment->IsLandscape());

    const auto* flows = dynamic_cast<CCarouselFlowGroupReportFragmentComponent*>(fragment.get());
    ASSERT_EQ(flows != nullptr, GetParam().FlowBased);
    if (flows) {
        EXPECT_EQ(flows->GetFlowGroupId(), UnsetFlowGroupId);
        EXPECT_EQ(static_cast<std::int32_t>(flows->GetFlowGroupId()), -2);
        EXPECT_TRUE(flows->GetShowFlowGroupDescription());
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, FragmentFactoryTest,
    testing::Values(
        TypeCase{"NetworkDiagram", ReportFragmentType::NetworkDiagram, "Network Diagram", true, 0},
        TypeCase{"FlowsMatrix", ReportFragmentType::FlowsMatrix, "Flows Matrix", true, 1},
        TypeCase{"RoutesList", ReportFragmentType::RoutesList, "Routes List", true, 2},
        TypeCase{"Header", ReportFragmentType::Header, "Header", false, 3},
        TypeCase{"Footer", ReportFragmentType::Footer, "Footer", false, 4}),
    [](const testing::TestParamInfo<TypeCase>& paramInfo) { return paramInfo.param.Case; });

TEST(FragmentFactoryTest, UnknownTypeYieldsNoFragment)
{
    const CCarouselReportFragmentFactory factory;
    CReportFragments owner{factory};
    EXPECT_EQ(factory.CreateFragment(static_cast<ReportFragmentType>(5), owner, 1, 1), nullptr);
    EXPECT_EQ(factory.CreateFragment(static_cast<ReportFragmentType>(-1), owner, 1, 1), nullptr);
}

class FragmentDefaultsTest : public testing::Test
{
protected:
    template <class T> T& Add(ReportFragmentType type)
    {
        auto* fragment = dynamic_cast<T*>(fragments.AddFragment(type, fragments.GetCount() + 1));
        EXPECT_NE(fragment, nullptr);
        return *fragment;
    }

    CCarouselReportFragmentFactory factory;
    CReportFragments fragments{factory};
};

TEST_F(FragmentDefaultsTest, HeaderAndFooterShowOnlyTheTitle)
{
    for (const auto type : {ReportFragmentType::Header, ReportFragmentType::Footer}) {
        const auto& fragment = Add<CHeaderFooterReportFragment>(type);
        EXPECT_EQ(fragment.IsHeader(), type == ReportFragmentType::Header);
        EXPECT_TRUE(fragment.GetShowTitle());
        EXPECT_FALSE(fragment.GetShowFileName());
        EXPECT_FALSE(fragment.GetShowPath());
        EXPECT_FALSE(fragment.GetShowDate());
        EXPECT_FALSE(fragment.GetShowTime());
        EXPECT_FALSE(fragment.GetShowPageNumber());
    }
}

TEST_F(FragmentDefaultsTest, FlowsMatrixIsDesiredWithOneDecimalAndKeepsPrecisionInRange)
{
    auto& fragment = Add<CCarouselFlowsReportFragment>(ReportFragmentType::FlowsMatrix);
    EXPECT_EQ(fragment.GetMatrixKind(), CCarouselFlowsReportFragment::FlowMatrixKind::Desired);
    EXPECT_EQ(fragment.GetPrecision(), 1);
    fragment.SetPrecision(2);
    EXPECT_EQ(fragment.GetPrecision(), 2);
    fragment.SetPrecision(3);
    EXPECT_EQ(fragment.GetPrecision(), 2);
    fragment.SetPrecision(-4);
    EXPECT_EQ(fragment.GetPrecision(), 0);
}

TEST_F(FragmentDefaultsTest, RoutesListShowsEveryColumn)
{
    const auto& f = Add<CCarouselRoutesReportFragment>(ReportFragmentType::RoutesList);
    const bool flags[] = {f.GetIndicateIfRouteIsPermitted(),
                          f.GetShowRouteNumber(),
                          f.GetShowOriginZone(),
                          f.GetShowOriginArm(),
                          f.GetShowOriginLane(),
                          f.GetShowDestinationZone(),
                          f.GetShowDestinationArm(),
                          f.GetShowDestinationLane(),
                          f.GetShowRouteFlow(),
                          f.GetShowFlowLockStatus(),
                          f.GetShowAllowedRoutesOnly()};
    for (const bool flag : flags)
        EXPECT_TRUE(flag);
}

TEST_F(FragmentDefaultsTest, NetworkDiagramDrawsTheWholeNetworkFittedToTheWidth)
{
    using F = CCarouselNetworkDiagramReportFragment;
    const auto& fragment = Add<F>(ReportFragmentType::NetworkDiagram);
    EXPECT_EQ(fragment.GetAggregation(), ELaneFlowAggregation::ByOD);
    EXPECT_EQ(fragment.GetColouring(), ELaneFlowColouring::ByOrigin);
    EXPECT_FALSE(fragment.GetShowZeroLaneFlows());
    EXPECT_EQ(fragment.GetPrintZone(), -1);
    EXPECT_EQ(fragment.GetScale(), -1);
    EXPECT_FALSE(fragment.GetHighlightFilteredRoutes());
    EXPECT_FALSE(fragment.GetHighlightSelectedRoutes());
}

TEST_F(FragmentDefaultsTest, OnlyAnUnsetFlowGroupAdoptsTheCurrentOne)
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
