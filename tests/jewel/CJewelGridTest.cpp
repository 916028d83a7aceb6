#include <cstring>

#include <gtest/gtest.h>

#include "games/jewel/CJewelGrid.h"
#include "tests/gamebase/BoardPicture.h"

namespace
{
const char kLetters[] = "RYGBP";

CJewelGrid MakeGrid(const Board& rows, int group)
{
    CJewelGrid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), group);
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x)
        {
            const char* at = std::strchr(kLetters, rows[y][x]);
            grid.Set(x, y, rows[y][x] != '.' && at ? static_cast<int>(at - kLetters) : CJewelGrid::EMPTY);
        }
    return grid;
}

Board Picture(const CJewelGrid& grid)
{
    Board rows(grid.GetHeight(), std::string(grid.GetWidth(), '.'));
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x)
            if (grid.Get(x, y) != CJewelGrid::EMPTY)
                rows[y][x] = kLetters[grid.Get(x, y)];
    return rows;
}

struct SRunsCase { const char* name; int group; Board before; Board after; int removed; };

class JewelGridRuns : public ::testing::TestWithParam<SRunsCase>
{
};

// The landing's search: every brick of a long enough run goes at once, a
// brick where two runs cross only once.
TEST_P(JewelGridRuns, RemovesEveryLongRunAtOnce)
{
    const SRunsCase& c = GetParam();
    CJewelGrid grid = MakeGrid(c.before, c.group);
    EXPECT_EQ(c.removed, grid.RemoveRuns());
    EXPECT_EQ(c.after, Picture(grid));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, JewelGridRuns,
    ::testing::Values(SRunsCase{"Plus", 3, {"YRY", "RRR", "YRY"}, {"Y.Y", "...", "Y.Y"}, 5},
                      SRunsCase{"Corner", 3, {"RRR", "RYG", "RGY"}, {"...", ".YG", ".GY"}, 5},
                      SRunsCase{"TwoShortRunsAroundACorner", 3, {"RRY", "RYG", "GBY"}, {"RRY", "RYG", "GBY"}, 0},
                      SRunsCase{"TwoRunsOfOneColour", 3, {"RRRY", "GYBG", "RRRB"}, {"...Y", "GYBG", "...B"}, 6},
                      SRunsCase{"ShortOfALongerGroup", 4, {"RRRY", "GGGG", "BYRB"}, {"RRRY", "....", "BYRB"}, 4},
                      SRunsCase{"HolesBreakARun", 3, {"R.RR", "YGYG", "GYGY"}, {"R.RR", "YGYG", "GYGY"}, 0}),
    [](const ::testing::TestParamInfo<SRunsCase>& info) { return info.param.name; });
}
