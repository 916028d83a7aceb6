#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/designer/CDesignerTilingSearch.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"

namespace
{
using EResult = CDesignerTilingSearch::EResult;

// The cut as rows from the top, 'a' + the figure's index in every cell.
std::vector<std::string> Picture(const CDesignerTilingSearch& search, int width, int height)
{
    std::vector<std::string> rows(height, std::string(width, '.'));
    const auto& pieces = search.GetPieces();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (int packed : pieces[i].cells)
            rows[UnpackPosY(packed)][UnpackPosX(packed)] = static_cast<char>('a' + i);
    return rows;
}
}

TEST(DesignerTilingSearch, FindsACutOfTheGivenFiguresOrKnowsThereIsNone)
{
    // Kinds: 0 the T, 1 the straight four, 4 the square, 7 the cross.
    const struct
    {
        int width, height;
        std::vector<std::pair<int, int>> stock;
        EResult result;
    } cases[] = {
        {4, 4, {{4, 4}}, EResult::FOUND},
        {4, 4, {{0, 4}}, EResult::FOUND},
        {5, 4, {{1, 5}}, EResult::FOUND},
        // A T covers three cells of one colour of a chessboard and one of
        // the other, a square two of each: one T among squares never fits.
        {4, 4, {{0, 1}, {4, 3}}, EResult::NONE},
        // Nine T's cannot cut a 6 x 6 board.
        {6, 6, {{0, 9}}, EResult::NONE},
        // Too few cells in stock for the board.
        {6, 6, {{4, 8}}, EResult::NONE},
        {8, 8, {{0, 16}}, EResult::FOUND},
        // A cross cannot fill the corner it comes first to.
        {5, 5, {{7, 5}}, EResult::NONE},
    };
    for (const auto& c : cases)
    {
        CDesignerTilingSearch search(c.width, c.height);
        for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
            search.SetStock(kind, 0);
        int cells = 0;
        for (const auto& entry : c.stock)
        {
            search.SetStock(entry.first, entry.second);
            cells += entry.second * CDesignerFigure(entry.first).GetCellCount();
        }
        EXPECT_EQ(c.result, search.Search(nullptr, 1000000)) << c.width << "x" << c.height << " " << cells;
        if (c.result != EResult::FOUND)
            continue;
        std::vector<std::string> picture = Picture(search, c.width, c.height);
        for (const std::string& row : picture)
            EXPECT_EQ(std::string::npos, row.find('.')) << ::testing::PrintToString(picture);
    }
}

TEST(DesignerTilingSearch, KeepsTheNumberOfKindsWithinItsLimits)
{
    const int limits[][2] = {{1, 1}, {2, 2}, {3, 4}, {6, 6}, {9, 9}};
    for (const auto& limit : limits)
        for (unsigned seed = 1; seed <= 5; ++seed)
        {
            CRandom random(seed);
            CDesignerTilingSearch search(8, 8);
            search.SetKindLimits(limit[0], limit[1]);
            ASSERT_EQ(EResult::FOUND, search.Search(&random, 200000)) << limit[0] << " seed " << seed;
            bool used[CDesignerFigure::KINDS] = {};
            int distinct = 0;
            for (const auto& piece : search.GetPieces())
            {
                distinct += used[piece.kind] ? 0 : 1;
                used[piece.kind] = true;
            }
            EXPECT_GE(distinct, limit[0]);
            EXPECT_LE(distinct, limit[1]);
        }
}

TEST(DesignerTilingSearch, LimitsNoCutCanMeetEndAtOnce)
{
    const struct
    {
        int n, low, high;
    } cases[] = {{6, 9, 9}, {6, 5, 3}, {7, 1, 1}, {7, 0, 0}};
    for (const auto& c : cases)
    {
        CDesignerTilingSearch search(c.n, c.n);
        search.SetKindLimits(c.low, c.high);
        EXPECT_EQ(EResult::NONE, search.Search(nullptr, 1000000)) << c.n << " [" << c.low << ", " << c.high << "]";
        EXPECT_LT(search.GetSteps(), 100);
    }
}

TEST(DesignerTilingSearch, GivesUpAtItsBound)
{
    // Eight kinds on 36 cells cannot be met, but only a long search shows it.
    CDesignerTilingSearch search(6, 6);
    search.SetKindLimits(8, 8);
    EXPECT_EQ(EResult::GAVE_UP, search.Search(nullptr, 5000));
    EXPECT_EQ(5001, search.GetSteps());
    EXPECT_TRUE(search.GetPieces().empty());
}
