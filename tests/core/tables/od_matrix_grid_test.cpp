// The OD matrix grid: sizes, texts of each kind, colours, GEH, editing through the document.
#include "../cardfile/case_name.h"
#include "tables/od_matrix_grid_data_provider.h"
#include "tables_fixture.h"

namespace
{

using tabletest::CTablesDocument;
using Kind = ODMatrixGridKind;

class CODMatrixGrid : public CTablesDocument
{
protected:
    void SetUp() override
    {
        CTablesDocument::SetUp();
        SetDesired(1, 2, 600);
        SetDesired(1, 3, 300);
    }
    // Routes 1 and 2 go to B, 3 and 4 to C.
    void SetRouteFlows(double r1, double r2, double r3, double r4)
    {
        const double flows[] = {r1, r2, r3, r4};
        for (std::uint32_t n = 1; n <= 4; ++n) {
            Route(n).SetFlow(&Group(), flows[n - 1]);
        }
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
    std::vector<std::string> Row(int row)
    {
        std::vector<std::string> texts{grid.GetRowHeaderText(row)};
        for (int column = 1; column <= grid.GetColumnCount(); ++column) {
            texts.push_back(grid.GetCellText(row, column));
        }
        return texts;
    }

    CODMatrixGridDataProvider grid{doc};
};

using Texts = std::vector<std::string>;

TEST_F(CODMatrixGrid, ZonesPlusOneRowsAndColumnsTheLastHeadedTot)
{
    Grid(Kind::Desired);
    ASSERT_EQ(grid.GetRowCount(), 4);
    ASSERT_EQ(grid.GetColumnCount(), 4);
    EXPECT_EQ(grid.GetColumnHeaderText(1), "A");
    EXPECT_EQ(grid.GetColumnHeaderText(4), "Tot.");
    EXPECT_EQ(grid.GetRowHeaderText(4), "Tot.");
    EXPECT_EQ(grid.GetColumnHeaderText(5), "");
    EXPECT_EQ(grid.GetCellText(5, 1), "");
    EXPECT_EQ(grid.GetColumnWidthFactor(), 7.5);
    EXPECT_EQ(grid.GetEditName(), "Set OD Matrix Flow");
}

TEST_F(CODMatrixGrid, NoFlowGroupNoCells)
{
    Network().GetFlowGroups().RemoveAllFlowGroups();
    Grid(Kind::Desired);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    EXPECT_EQ(grid.GetRowHeaderText(1), "");
    EXPECT_TRUE(grid.IsCellReadOnly(1, 1));
}

struct CTextCase
{
    const char* name;
    Kind kind;
    int precision;
    Texts rowA;
    Texts totals;
};

class CODMatrixTexts : public CODMatrixGrid, public ::testing::WithParamInterface<CTextCase>
{};

TEST_P(CODMatrixTexts, RowOfOriginAAndTotalRow)
{
    const CTextCase& c = GetParam();
    SetRouteFlows(300, 360, 299.6, 0);
    Grid(c.kind, c.precision);
    EXPECT_EQ(Row(1), c.rowA);
    EXPECT_EQ(Row(4), c.totals);
}

// Actual: A sends 959.6 over its stop lines; B and C receive 660 and 299.6.
INSTANTIATE_TEST_SUITE_P(
    Kinds, CODMatrixTexts,
    ::testing::Values(CTextCase{"Desired0",
                                Kind::Desired,
                                0,
                                {"A", "0", "600", "300", "900"},
                                {"Tot.", "0", "600", "300", "900"}},
                      CTextCase{"Desired2",
                                Kind::Desired,
                                2,
                                {"A", "0.00", "600.00", "300.00", "900.00"},
                                {"Tot.", "0.00", "600.00", "300.00", "900.00"}},
                      CTextCase{"Actual0",
                                Kind::Actual,
                                0,
                                {"A", "0", "660", "300", "960"},
                                {"Tot.", "0", "660", "300", "960"}},
                      CTextCase{"Actual1",
                                Kind::Actual,
                                1,
                                {"A", "0.0", "660.0", "299.6", "959.6"},
                                {"Tot.", "0.0", "660.0", "299.6", "959.6"}},
                      CTextCase{"Difference1",
                                Kind::Difference,
                                1,
                                {"A", "0.0", "60.0", "-0.4", "59.6"},
                                {"Tot.", "0.0", "60.0", "-0.4", "59.6"}},
                      CTextCase{"Difference2",
                                Kind::Difference,
                                2,
                                {"A", "0.00", "60.00", "-0.40", "59.60"},
                                {"Tot.", "0.00", "60.00", "-0.40", "59.60"}},
                      // GEH of 660 against 600 in an hour; totals compare totals.
                      CTextCase{"Geh",
                                Kind::Geh,
                                0,
                                {"A", "0.00", "2.39", "0.02", "1.95"},
                                {"Tot.", "0.00", "2.39", "0.02", "1.95"}}),
    CaseName());

TEST_F(CODMatrixGrid, GehIsMadeHourlyByTheGroupsDuration)
{
    SetRouteFlows(300, 360, 300, 0);
    Group().SetEnd(CFlowGroup::DefaultStart + 15 * 60);
    Grid(Kind::Geh);
    EXPECT_EQ(grid.GetCellText(1, 2), "4.78");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), CODMatrixGridDataProvider::Green);
    // 2700 against 2400 an hour.
    SetRouteFlows(675, 0, 300, 0);
    Grid(Kind::Geh);
    EXPECT_EQ(grid.GetCellText(1, 2), "5.94");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), CODMatrixGridDataProvider::Amber);
    SetRouteFlows(900, 0, 300, 0);
    Grid(Kind::Geh);
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), CODMatrixGridDataProvider::Red);
    // A GEH grid changes nothing in the document's kind, and the bar counts movements with
    // flow that are below 5: A to B is not, A to C is.
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 0);
    EXPECT_EQ(grid.GetTable().GetGehSummary(), (CGehSummary{2, 1}));
    EXPECT_EQ(GehStatistic(0.0, 0.0), 0.0);
}

TEST_F(CODMatrixGrid, TextColourFollowsTheColouringForDesiredAndActualOnly)
{
    SetRouteFlows(300, 300, 300, 0);
    Grid(Kind::Desired);
    // Red stays red: colours are 0x00BBGGRR end to end.
    EXPECT_EQ(grid.GetCellTextColour(1, 2), RedZone);
    EXPECT_EQ(grid.GetCellTextColour(1, 4), GridBlack);
    EXPECT_EQ(grid.GetCellTextColour(4, 2), GridBlack);
    doc.GetData().laneFlowColouring = 1;
    Grid(Kind::Actual);
    EXPECT_EQ(grid.GetCellTextColour(1, 2), GreenZone);
    EXPECT_EQ(grid.GetCellTextColour(1, 3), BlueZone);
    Grid(Kind::Difference);
    EXPECT_EQ(grid.GetCellTextColour(1, 2), GridBlack);
}

TEST_F(CODMatrixGrid, DifferenceShownWithWholePartZeroSitsOnGreen)
{
    SetRouteFlows(300, 301, 300.4, 0);
    Grid(Kind::Difference, 1);
    EXPECT_EQ(grid.GetCellText(1, 3), "0.4");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 3), CODMatrixGridDataProvider::Green);
    EXPECT_EQ(grid.GetCellText(1, 2), "1.0");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 2), GridWhite);
    SetRouteFlows(300, 300, 299.6, 0);
    Grid(Kind::Difference, 0);
    EXPECT_EQ(grid.GetCellText(1, 3), "-0");
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 3), CODMatrixGridDataProvider::Green);
    Grid(Kind::Actual, 1);
    EXPECT_EQ(grid.GetCellBackgroundColour(1, 1), GridWhite);
}

TEST_F(CODMatrixGrid, OnlyDesiredFlowsBetweenZonesAreEditable)
{
    Grid(Kind::Desired);
    EXPECT_FALSE(grid.IsCellReadOnly(1, 2));
    EXPECT_FALSE(grid.IsCellReadOnly(3, 3));
    EXPECT_TRUE(grid.IsCellReadOnly(1, 4));
    EXPECT_TRUE(grid.IsCellReadOnly(4, 1));
    Grid(Kind::Actual);
    EXPECT_TRUE(grid.IsCellReadOnly(1, 2));
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "5"));
    EXPECT_EQ(Desired(1, 2), 600);
}

TEST_F(CODMatrixGrid, CellTakesTheLeadingWholeNumberUnderOneCheckpoint)
{
    Grid(Kind::Desired);
    ASSERT_TRUE(grid.SetCellFromText(2, 1, "12.7"));
    EXPECT_EQ(Desired(2, 1), 12);
    EXPECT_EQ(doc.GetUndoName(), "Set OD Matrix Flow");
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(grid.SetCellFromText(2, 1, "abc"));
    EXPECT_EQ(Desired(2, 1), 0);
    EXPECT_EQ(doc.GetCheckpointCount(), 2u);
    // The same value again: accepted, no checkpoint, no update.
    ASSERT_TRUE(grid.SetCellFromText(2, 1, " 0"));
    EXPECT_EQ(doc.GetCheckpointCount(), 2u);
    EXPECT_EQ(view.hints.size(), 2u);
    doc.Undo();
    EXPECT_EQ(Desired(2, 1), 12);
}

TEST_F(CODMatrixGrid, FlowsOutsideTheFieldAreRefusedBeforeAnyCheckpoint)
{
    Grid(Kind::Desired);
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "-5"));
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "100000"));
    EXPECT_FALSE(grid.SetCellFromText(1, 2, "123456789012345678901234"));
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{
                  "The desired flow -5 is outside the range 0 to 99999",
                  "The desired flow 100000 is outside the range 0 to 99999",
                  "The desired flow 123456789012345678901234 is outside the range 0 to 99999"}));
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
    EXPECT_EQ(grid.GetRowCount(), 4);
    // The editor opened before the replacement is abandoned, not committed.
    EXPECT_FALSE(grid.CommitEdit(opened, 1, 2, "7"));
    EXPECT_EQ(Desired(1, 2), 600);
    EXPECT_TRUE(grid.CommitEdit(grid.GetGeneration(), 1, 2, "7"));
    EXPECT_EQ(Desired(1, 2), 7);
}

TEST_F(CODMatrixGrid, ChoosingADocumentKindUpdatesEveryView)
{
    grid.ChooseKind(Kind::Difference);
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 2);
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    grid.ChooseKind(Kind::Geh);
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 2);
    EXPECT_EQ(view.hints.size(), 1u);
    // GEH stays chosen across updates; a document kind follows the document.
    grid.Update(HintDataChanged);
    EXPECT_EQ(grid.GetKind(), Kind::Geh);
}

} // namespace
