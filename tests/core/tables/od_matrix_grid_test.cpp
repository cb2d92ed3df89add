// The OD matrix grid: sizes, texts of each kind, colours, GEH, editing through the document.
#include "case_name.h"
#include "tables/od_matrix_grid_data_provider.h"
#include "tables_fixture.h"

namespace
{
using TestSupport::PrintTo;

using Kind = ODMatrixGridKind;
using Texts = std::vector<std::string>;
constexpr std::uint32_t Green = CODMatrixGridDataProvider::Green;

// A wants 600 to B and 300 to C.
class CODMatrixGrid : public tabletest::CTablesDocument
{
protected:
    void SetUp() override
    {
        CTablesDocument::SetUp();
        SetDesired(1, 2, 600);
        SetDesired(1, 3, 300);
    }
    // Routes 1 and 2 go to B, 3 and 4 to C.
    void SetRouteFlows(double r1, double r2, double r3)
    {
        Route(1).SetFlow(&Group(), r1);
        Route(2).SetFlow(&Group(), r2);
        Route(3).SetFlow(&Group(), r3);
    }
    CODMatrixGridDataProvider& Grid(Kind kind, int precision = 0)
    {
        grid.SetPrecision(precision);
        doc.SetODMatrixFlowKind(kind == Kind::Geh ? 0 : static_cast<int>(kind));
        if (kind == Kind::Geh) {
            grid.ChooseKind(Kind::Geh);
        }
        grid.Update(HintDataChanged);
        view.hints.clear();
        return grid;
    }
    Texts Row(int row)
    {
        Texts texts{grid.GetRowHeaderText(row)};
        for (int column = 1; column <= grid.GetColumnCount(); ++column) {
            texts.push_back(grid.GetCellText(row, column));
        }
        return texts;
    }

    CODMatrixGridDataProvider grid{doc};
};

TEST_F(CODMatrixGrid, ZonesPlusOneRowsAndColumnsNoneWithoutAFlowGroup)
{
    Grid(Kind::Desired);
    EXPECT_EQ(grid.GetColumnCount(), 4);
    EXPECT_EQ(Row(4), (Texts{"Tot.", "0", "600", "300", "900"}));
    EXPECT_EQ(grid.GetColumnHeaderText(4), "Tot.");
    EXPECT_EQ(grid.GetCellText(5, 1), "");
    Network().GetFlowGroups().RemoveAllFlowGroups();
    Grid(Kind::Desired);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    EXPECT_TRUE(grid.IsCellReadOnly(1, 1));
}

struct CTextCase
{
    const char* name;
    Kind kind;
    int precision;
    Texts rowA;
};

class CODMatrixTexts : public CODMatrixGrid, public ::testing::WithParamInterface<CTextCase>
{};

// Only A sends, so the total row repeats row A.
TEST_P(CODMatrixTexts, RowOfOriginAAndTotalRow)
{
    const CTextCase& c = GetParam();
    SetRouteFlows(300, 360, 299.6);
    Grid(c.kind, c.precision);
    EXPECT_EQ(Row(1), c.rowA);
    Texts totals = c.rowA;
    totals.front() = "Tot.";
    EXPECT_EQ(Row(4), totals);
}

// Actual: A sends 959.6 over its stop lines; B and C receive 660 and 299.6. GEH compares
// hourly figures, totals with totals.
INSTANTIATE_TEST_SUITE_P(
    Kinds, CODMatrixTexts,
    ::testing::Values(
        CTextCase{"Desired2", Kind::Desired, 2, {"A", "0.00", "600.00", "300.00", "900.00"}},
        CTextCase{"Actual1", Kind::Actual, 1, {"A", "0.0", "660.0", "299.6", "959.6"}},
        CTextCase{"Difference2", Kind::Difference, 2, {"A", "0.00", "60.00", "-0.40", "59.60"}},
        CTextCase{"Geh", Kind::Geh, 0, {"A", "0.00", "2.39", "0.02", "1.95"}}),
    CaseName());

TEST_F(CODMatrixGrid, GehIsHourlyAndColouredByItsBand)
{
    Group().SetEnd(CFlowGroup::DefaultStart + 15 * 60);
    const struct
    {
        double toB;
        const char* text;
        std::uint32_t background;
    } cases[] = {{660, "4.78", Green},
                 {675, "5.94", CODMatrixGridDataProvider::Amber},
                 {900, "21.91", CODMatrixGridDataProvider::Red}};
    for (const auto& c : cases) {
        SetRouteFlows(c.toB, 0, 300);
        Grid(Kind::Geh);
        EXPECT_EQ(grid.GetCellText(1, 2), c.text);
        EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), c.background) << c.text;
    }
    // The bar counts A to C (GEH 0) of the two movements with flow.
    EXPECT_EQ(grid.GetTable().GetGehSummary(), (CGehSummary{2, 1}));
}

TEST_F(CODMatrixGrid, ColoursOfTextAndBackground)
{
    SetRouteFlows(300, 301, 300.4);
    Grid(Kind::Desired);
    // Red stays red: colours are 0x00BBGGRR end to end; totals are black.
    EXPECT_EQ(grid.GetCellTextColour(1, 2), RedZone);
    EXPECT_EQ(grid.GetCellTextColour(1, 4), GridBlack);
    EXPECT_EQ(grid.GetCellTextColour(4, 2), GridBlack);
    doc.GetData().laneFlows.colouring = ELaneFlowColouring::ByDestination;
    Grid(Kind::Actual);
    EXPECT_EQ(grid.GetCellTextColour(1, 2), GreenZone);
    EXPECT_EQ(grid.GetCellTextColour(1, 3), BlueZone);
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 1), GridWhite);
    // Differences are black; one whose shown whole part is 0 sits on green.
    Grid(Kind::Difference, 1);
    EXPECT_EQ(grid.GetCellTextColour(1, 2), GridBlack);
    EXPECT_EQ(Row(1), (Texts{"A", "0.0", "1.0", "0.4", "1.4"}));
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 3), Green);
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), GridWhite);
    SetRouteFlows(300, 300, 299.6);
    Grid(Kind::Difference, 0);
    EXPECT_EQ(grid.GetCellText(1, 3), "-0");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 3), Green);
}

TEST_F(CODMatrixGrid, DesiredCellsBetweenZonesTakeTheLeadingWholeNumber)
{
    Grid(Kind::Desired);
    EXPECT_TRUE(grid.IsCellReadOnly(1, 4));
    EXPECT_FALSE(grid.SetCellFromText(4, 1, "5"));
    ASSERT_TRUE(grid.SetCellFromText(2, 2, "12.7"));
    EXPECT_EQ(Desired(2, 2), 12);
    EXPECT_EQ(doc.GetUndoName(), "Set OD Matrix Flow");
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    ASSERT_TRUE(grid.SetCellFromText(2, 2, "abc"));
    EXPECT_EQ(Desired(2, 2), 0);
    // The same value again: accepted, no checkpoint, no update.
    ASSERT_TRUE(grid.SetCellFromText(2, 2, " 0"));
    EXPECT_EQ(doc.GetCheckpointCount(), 2u);
    EXPECT_EQ(view.hints.size(), 2u);
    doc.Undo();
    EXPECT_EQ(Desired(2, 2), 12);
    Grid(Kind::Actual);
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "5"));
}

TEST_F(CODMatrixGrid, FlowsOutsideTheFieldAreRefusedBeforeAnyCheckpoint)
{
    Grid(Kind::Desired);
    for (const char* text : {"-5", "100000", "123456789012345678901234"}) {
        EXPECT_FALSE(grid.SetCellFromText(1, 2, text));
        EXPECT_EQ(prompt.messages.back(),
                  std::string("The desired flow ") + text + " is outside the range 0 to 99999");
    }
    EXPECT_EQ(Desired(1, 2), 600);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
}

TEST_F(CODMatrixGrid, ObjectsReplacedEmptiesTheGridAndDropsAnOpenEdit)
{
    Grid(Kind::Desired);
    const std::uint64_t opened = grid.GetGeneration();
    grid.Update(HintObjectsReplaced);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "7"));
    grid.Update(HintNetworkChanged);
    EXPECT_FALSE(grid.CommitEdit(opened, 1, 2, "7"));
    EXPECT_EQ(Desired(1, 2), 600);
    EXPECT_TRUE(grid.CommitEdit(grid.GetGeneration(), 1, 2, "7"));
    EXPECT_EQ(Desired(1, 2), 7);
}

TEST_F(CODMatrixGrid, ADocumentKindUpdatesEveryViewAndGehStaysTheGrids)
{
    grid.ChooseKind(Kind::Difference);
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 2);
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    grid.ChooseKind(Kind::Geh);
    grid.Update(HintDataChanged);
    EXPECT_EQ(grid.GetKind(), Kind::Geh);
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 2);
    EXPECT_EQ(view.hints.size(), 1u);
}

} // namespace
