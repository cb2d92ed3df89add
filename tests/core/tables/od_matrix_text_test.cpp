// The OD matrix as text: copy, paste and CSV files, through the document's commands.
#include "case_name.h"
#include "tables/grid_clipboard.h"
#include "routing/od_matrix_csv.h"
#include "tables/od_matrix_grid_data_provider.h"
#include "tables_fixture.h"

#include <clocale>

namespace
{
using TestSupport::PrintTo;

using tabletest::CTablesDocument;

class CODMatrixText : public CTablesDocument
{
protected:
    void SetUp() override
    {
        CTablesDocument::SetUp();
        SetDesired(1, 2, 600);
        SetDesired(1, 3, 300);
        Route(1).SetFlow(&Group(), 250.5);
    }
    std::vector<std::int32_t> Matrix()
    {
        std::vector<std::int32_t> flows;
        for (std::uint32_t i = 1; i <= 3; ++i) {
            for (std::uint32_t j = 1; j <= 3; ++j) {
                flows.push_back(Desired(i, j));
            }
        }
        return flows;
    }
    std::string Csv(ODMatrixGridKind kind, int precision)
    {
        return ODMatrixToCsv(CODMatrixTable(Network(), &Group()), kind, precision);
    }
    const std::vector<std::int32_t> original{0, 600, 300, 0, 0, 0, 0, 0, 0};
};

TEST_F(CODMatrixText, CopyIsTabSeparatedAsShownWithAPointInAnyLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    CODMatrixGridDataProvider grid(doc);
    grid.SetPrecision(1);
    grid.ChooseKind(ODMatrixGridKind::Actual);
    const std::string block = CopyGridBlock(grid, {2, 3}, {1, 2});
    const std::string whole = CopyWholeGrid(grid);
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!comma) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_EQ(block, "250.5\t0.0\n0.0\t0.0\n");
    EXPECT_EQ(whole, "\tA\tB\tC\tTot.\n"
                     "A\t0.0\t250.5\t0.0\t250.5\n"
                     "B\t0.0\t0.0\t0.0\t0.0\n"
                     "C\t0.0\t0.0\t0.0\t0.0\n"
                     "Tot.\t0.0\t250.5\t0.0\t250.5\n");
}

TEST_F(CODMatrixText, PasteIsOneCheckpointNoneWhenNothingChanges)
{
    // An empty cell is 0, a short line leaves the cells beyond it alone, CR LF or LF.
    ASSERT_TRUE(doc.PasteODMatrixFlows(1, 1, "5\t\r\n6\t7\n8"));
    EXPECT_EQ(Matrix(), (std::vector<std::int32_t>{5, 0, 300, 6, 7, 0, 8, 0, 0}));
    EXPECT_EQ(doc.GetUndoName(), "Paste OD Matrix Flows");
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    ASSERT_TRUE(doc.PasteODMatrixFlows(2, 1, "6\t7\n"));
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    doc.Undo();
    EXPECT_EQ(Matrix(), original);
}

struct CRefusalCase
{
    const char* name;
    const char* text;
    std::uint32_t origin;
    std::uint32_t destination;
    const char* message;
};

class CPasteRefusals : public CODMatrixText, public ::testing::WithParamInterface<CRefusalCase>
{};

TEST_P(CPasteRefusals, RefusedWholeNamingTheCell)
{
    const CRefusalCase& c = GetParam();
    EXPECT_FALSE(doc.PasteODMatrixFlows(c.origin, c.destination, c.text));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Matrix(), original);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

#define NOT_WHOLE ": only whole numbers of 0 to 99999 can be pasted"
INSTANTIATE_TEST_SUITE_P(
    Paste, CPasteRefusals,
    ::testing::Values(
        CRefusalCase{"Fraction", "1\t12.5", 2, 1,
                     "Cannot paste \"12.5\" into origin B, destination B" NOT_WHOLE},
        CRefusalCase{"Word", "1\n2\tabc", 1, 1,
                     "Cannot paste \"abc\" into origin B, destination B" NOT_WHOLE},
        CRefusalCase{"TotalsColumn", "1\t2\t3", 1, 2,
                     "Cannot paste: the block reaches the totals at origin A, destination Tot."},
        CRefusalCase{"TotalsRow", "1\n2\n3", 2, 1,
                     "Cannot paste: the block reaches the totals at origin Tot., destination A"},
        CRefusalCase{"OutsideTheZones", "1", 4, 1,
                     "Cannot paste: desired flows go only between two zones"}),
    CaseName());
#undef NOT_WHOLE

TEST_F(CODMatrixText, ABadFileOrNoFlowGroupChangesNothing)
{
    EXPECT_FALSE(doc.ImportODMatrix(",A,B\nA,1,x\n"));
    EXPECT_EQ(prompt.messages.back(),
              "Line 2, column 3: \"x\" is not a whole number of 0 to 99999");
    prompt.messages.clear();
    Network().SetCurrentFlowGroup(nullptr);
    EXPECT_FALSE(doc.PasteODMatrixFlows(1, 1, "1"));
    EXPECT_FALSE(doc.ImportODMatrix(",A\nA,1\n"));
    EXPECT_EQ(prompt.messages, std::vector<std::string>(
                                   2, "A FlowGroup must be created before flows can be edited"));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

TEST_F(CODMatrixText, CsvExportHasANameRowAndARowPerOrigin)
{
    EXPECT_EQ(Csv(ODMatrixGridKind::Desired, 2), ",A,B,C\r\nA,0,600,300\r\nB,0,0,0\r\nC,0,0,0\r\n");
    EXPECT_EQ(Csv(ODMatrixGridKind::Difference, 1),
              ",A,B,C\r\nA,0.0,-349.5,-300.0\r\nB,0.0,0.0,0.0\r\nC,0.0,0.0,0.0\r\n");
}

TEST_F(CODMatrixText, ImportOfTheExportChangesNoByteOfTheDocument)
{
    const std::string csv = Csv(ODMatrixGridKind::Desired, 0);
    const std::string before = doc.SaveSnapshot();
    // Zeros where the group holds no record add none.
    ASSERT_TRUE(doc.ImportODMatrix(csv));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_EQ(doc.SaveSnapshot(), before);
    SetDesired(1, 2, 1);
    SetDesired(3, 3, 9);
    ASSERT_TRUE(doc.ImportODMatrix(csv));
    EXPECT_EQ(Matrix(), original);
    EXPECT_EQ(doc.GetUndoName(), "Import OD Matrix");
}

TEST_F(CODMatrixText, ImportFindsZonesByNameInAnyOrderAndKeepsAbsentOnes)
{
    // Byte order mark, semicolons, a blank line, blanks around numbers, quotes, CR line ends.
    ASSERT_TRUE(doc.ImportODMatrix("\xEF\xBB\xBF;C;\"A\"\r\rB; 7 ;\"8\"\rA;;1\r"));
    EXPECT_EQ(Matrix(), (std::vector<std::int32_t>{1, 600, 0, 8, 0, 7, 0, 0, 0}));
    ASSERT_TRUE(doc.ImportODMatrix("x\tB\nC\t+4\n"));
    EXPECT_EQ(Desired(3, 2), 4);
}

class CCsvRefusals : public ::testing::TestWithParam<CRefusalCase>
{};

TEST_P(CCsvRefusals, NameLineAndColumn)
{
    const CODMatrixCsvImport import = ReadODMatrixCsv(GetParam().text, 3);
    EXPECT_FALSE(import.result);
    EXPECT_EQ(import.result.message, GetParam().message);
    EXPECT_TRUE(import.edits.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CCsvRefusals,
    ::testing::Values(
        CRefusalCase{"UnknownZone", ",A,Q\n", 0, 0,
                     "Line 1, column 3: the network has no zone named \"Q\""},
        CRefusalCase{"ZoneNamesAreCaseSensitive", ",a\n", 0, 0,
                     "Line 1, column 2: the network has no zone named \"a\""},
        CRefusalCase{"OriginTwice", ",A\nA,1\n\nA,2\n", 0, 0,
                     "Line 4, column 1: zone A comes twice as origin"},
        CRefusalCase{"ShortRow", ",A,B\nA,1\n", 0, 0,
                     "Line 2, column 3: the row ends before destination zone B"},
        CRefusalCase{"LongRow", ",A\nA,1,2\n", 0, 0,
                     "Line 2, column 3: the row has more cells than the header"},
        CRefusalCase{"Fraction", ",A,B\n\nA,1,2.5\n", 0, 0,
                     "Line 3, column 3: \"2.5\" is not a whole number of 0 to 99999"},
        CRefusalCase{"QuoteLeftOpen", ",A\n\"A,1\n", 0, 0,
                     "Line 2, column 1: a quoted cell is not closed"},
        CRefusalCase{"TextAfterQuote", ",A\n\"A\"x,1\n", 0, 0,
                     "Line 2, column 1: text follows the closing quote of a cell"},
        CRefusalCase{"NoSeparator", "A B C\n", 0, 0,
                     "Line 1, column 1: no comma, semicolon or tab separates the cells of the "
                     "header"},
        CRefusalCase{"Utf16", "\xFF\xFE,\0", 0, 0,
                     "Line 1, column 1: the file is UTF-16 text; save it as CSV in UTF-8"}),
    CaseName());

} // namespace
