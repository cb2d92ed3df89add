// Numbering of report definitions and of the fragments of a report.
#include "reports/report_definition.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

std::vector<std::uint32_t> Ids(const CReportFragments& fragments)
{
    std::vector<std::uint32_t> ids;
    for (int position = 1; position <= fragments.GetCount(); ++position) {
        const CReportFragment* fragment = fragments.GetFragment(position);
        EXPECT_EQ(fragment->GetPosition(), position);
        EXPECT_EQ(fragments.GetFragmentById(fragment->GetId()), fragment);
        ids.push_back(fragment->GetId());
    }
    return ids;
}

std::vector<std::uint32_t> Ids(const CReportDefinitions& definitions)
{
    std::vector<std::uint32_t> ids;
    for (int position = 1; position <= definitions.GetCount(); ++position) {
        const CReportDefinition* definition = definitions.GetDefinition(position);
        EXPECT_EQ(definition->GetPosition(), position);
        EXPECT_EQ(definitions.GetDefinitionById(definition->GetId()), definition);
        ids.push_back(definition->GetId());
    }
    return ids;
}

using IdList = std::vector<std::uint32_t>;

// A new report is titled after the position it is added at, and keeps that title when moved.
TEST(ReportDefinitionsTest, NewReportsAreTitledAfterTheirPositionAndInsertingRenumbers)
{
    CReportDefinitions definitions;
    definitions.AppendDefinition();
    EXPECT_EQ(definitions.AppendDefinition()->GetTitle(), "<Enter Report 2 Title Here>");
    EXPECT_EQ(definitions.AddDefinition(1)->GetTitle(), "<Enter Report 1 Title Here>");
    EXPECT_EQ(Ids(definitions), (IdList{1003, 1001, 1002}));
    EXPECT_EQ(definitions.GetDefinition(2)->GetTitle(), "<Enter Report 1 Title Here>");
    EXPECT_EQ(definitions.AddDefinition(0), nullptr);
    // A position beyond the end appends rather than losing the report.
    EXPECT_EQ(definitions.AddDefinition(9)->GetPosition(), 4);
}

// The numbering itself is the print pages' (their tests hold moves both ways and refusals);
// here, that each command reaches it.
TEST(ReportDefinitionsTest, RemoveMoveAndClearKeepIdsUnique)
{
    CReportDefinitions definitions;
    for (int i = 0; i < 4; ++i)
        definitions.AppendDefinition();
    EXPECT_TRUE(definitions.MoveDefinition(4, 1));
    EXPECT_TRUE(definitions.RemoveDefinition(2));
    EXPECT_TRUE(definitions.RemoveDefinitionById(1003));
    EXPECT_FALSE(definitions.RemoveDefinitionById(1003));
    EXPECT_EQ(Ids(definitions), (IdList{1004, 1002}));
    definitions.Clear();
    EXPECT_EQ(definitions.GetCount(), 0);
    EXPECT_EQ(definitions.AppendDefinition()->GetId(), 1005u);
}

TEST(ReportFragmentsTest, EachReportNumbersItsOwnFragmentsFrom1001)
{
    CReportDefinitions definitions;
    CReportFragments& first = definitions.AppendDefinition()->GetFragments();
    CReportFragments& second = definitions.AppendDefinition()->GetFragments();
    first.AddFragment(ReportFragmentType::Header, 1);
    first.AddFragment(ReportFragmentType::FlowsMatrix, 2);
    second.AddFragment(ReportFragmentType::Footer, 1);
    EXPECT_EQ(Ids(first), (IdList{1001, 1002}));
    EXPECT_EQ(Ids(second), (IdList{1001}));
}

TEST(ReportFragmentsTest, AddInsertsAtThePositionAndRenumbersTheRest)
{
    const CCarouselReportFragmentFactory factory;
    CReportFragments fragments{factory};
    fragments.AddFragment(ReportFragmentType::Header, 1);
    fragments.AddFragment(ReportFragmentType::RoutesList, 2);
    CReportFragment* inserted = fragments.AddFragment(ReportFragmentType::NetworkDiagram, 2);
    EXPECT_EQ(inserted->GetPosition(), 2);
    EXPECT_EQ(Ids(fragments), (IdList{1001, 1003, 1002}));
    EXPECT_EQ(fragments.GetFragment(3)->GetType(), ReportFragmentType::RoutesList);

    EXPECT_EQ(fragments.AddFragment(ReportFragmentType::Footer, 0), nullptr);
    EXPECT_EQ(fragments.AddFragment(static_cast<ReportFragmentType>(9), 1), nullptr);
    EXPECT_EQ(fragments.GetCount(), 3);
    // Refusals take no id, and a position past the end appends.
    EXPECT_EQ(fragments.AddFragment(ReportFragmentType::Footer, 10)->GetId(), 1004u);
    EXPECT_EQ(fragments.GetFragment(4)->GetType(), ReportFragmentType::Footer);
}

TEST(ReportFragmentsTest, MoveAndRemoveRenumber)
{
    const CCarouselReportFragmentFactory factory;
    CReportFragments fragments{factory};
    for (int i = 1; i <= 4; ++i)
        fragments.AddFragment(ReportFragmentType::FlowsMatrix, i);
    EXPECT_TRUE(fragments.MoveFragment(1, 4));
    EXPECT_TRUE(fragments.RemoveFragment(1));
    EXPECT_TRUE(fragments.RemoveFragmentById(1004));
    EXPECT_EQ(Ids(fragments), (IdList{1003, 1001}));
}

// A factory that knows only headers, to show that reports use the factory they were given.
class CHeadersOnlyFactory : public CReportFragmentAbstractFactory
{
public:
    std::unique_ptr<CReportFragment> CreateFragment(ReportFragmentType type,
                                                    CReportFragments& owner, std::uint32_t id,
                                                    int position) const override
    {
        if (type != ReportFragmentType::Header)
            return nullptr;
        return CCarouselReportFragmentFactory().CreateFragment(type, owner, id, position);
    }
};

TEST(ReportDefinitionsTest, ReportsUseTheGivenFactory)
{
    CReportDefinitions definitions(std::make_unique<CHeadersOnlyFactory>());
    CReportFragments& fragments = definitions.AppendDefinition()->GetFragments();
    EXPECT_EQ(fragments.AddFragment(ReportFragmentType::FlowsMatrix, 1), nullptr);
    EXPECT_NE(fragments.AddFragment(ReportFragmentType::Header, 1), nullptr);

    CReportDefinitions fallback(nullptr);
    EXPECT_NE(
        fallback.AppendDefinition()->GetFragments().AddFragment(ReportFragmentType::FlowsMatrix, 1),
        nullptr);
}

} // namespace
