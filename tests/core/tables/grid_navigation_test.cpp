// The grid editor's keys on a grid of 4 rows and 3 columns.
#include "case_name.h"
#include "tables/grid_navigation.h"

namespace
{
using TestSupport::PrintTo;

struct CKeyCase
{
    const char* name;
    CGridCell from;
    GridKey key;
    CGridMove move;
};

class CGridKeys : public ::testing::TestWithParam<CKeyCase>
{};

TEST_P(CGridKeys, CommitAndMove)
{
    const CKeyCase& c = GetParam();
    EXPECT_EQ(NavigateGrid(c.from, c.key, 4, 3), c.move);
}

constexpr bool Commit = true;

INSTANTIATE_TEST_SUITE_P(
    Keys, CGridKeys,
    ::testing::Values(
        CKeyCase{"UpStopsAtRow1", {1, 2}, GridKey::Up, {Commit, false, {1, 2}}},
        CKeyCase{"Up", {3, 2}, GridKey::Up, {Commit, false, {2, 2}}},
        CKeyCase{"DownStopsAtLastRow", {4, 2}, GridKey::Down, {Commit, false, {4, 2}}},
        CKeyCase{"LeftStopsAtColumn1", {2, 1}, GridKey::Left, {Commit, false, {2, 1}}},
        CKeyCase{"RightStopsAtLastColumn", {2, 3}, GridKey::Right, {Commit, false, {2, 3}}},
        CKeyCase{"Tab", {2, 2}, GridKey::Tab, {Commit, false, {2, 3}}},
        CKeyCase{"TabWrapsToNextRow", {2, 3}, GridKey::Tab, {Commit, false, {3, 1}}},
        CKeyCase{"TabFromLastCellToRow1", {4, 3}, GridKey::Tab, {Commit, false, {1, 1}}},
        CKeyCase{"Home", {3, 3}, GridKey::Home, {Commit, false, {3, 1}}},
        CKeyCase{"End", {3, 1}, GridKey::End, {Commit, false, {3, 3}}},
        CKeyCase{"EnterStays", {3, 2}, GridKey::Enter, {Commit, false, {3, 2}}},
        CKeyCase{"EscapeAbandons", {3, 2}, GridKey::Escape, {false, true, {3, 2}}},
        // The grid lost rows under the editor (a zone was deleted): back inside first.
        CKeyCase{"FromOutsideAShrunkGrid", {9, 7}, GridKey::Up, {Commit, false, {3, 3}}}),
    CaseName());

TEST(GridKeysOnEmptyGrid, KeepTheCell)
{
    EXPECT_EQ(NavigateGrid({2, 2}, GridKey::Tab, 0, 0), (CGridMove{true, false, {2, 2}}));
}

} // namespace
