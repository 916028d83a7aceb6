#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shell/game/CCellBoard.h"

namespace
{
// The least a board brick needs: a place and a colour. The id tells bricks of
// one colour apart, so that tests can follow each brick.
struct STestBrick
{
    int m_color;
    int m_id;
    CVector4 m_position;
    int GetColor() const { return m_color; }
    const CVector4& GetPosition() const { return m_position; }
    void SetPosition(const CVector4& p) { m_position = p; }
};

using CBoard = CCellBoard<STestBrick>;

// One string per row from the top; a letter is a colour, '.' an empty cell.
// Bricks are numbered in reading order.
void SetBoard(CBoard& board, const std::vector<std::string>& rows)
{
    board.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    board.SetGeometry(0.0f, 0.0f, 1.0f, 0.0f);
    int id = 0;
    for (int y = 0; y < board.GetRows(); ++y)
        for (int x = 0; x < board.GetColumns(); ++x)
            if (rows[y][x] != '.')
            {
                auto brick = std::make_unique<STestBrick>(STestBrick{rows[y][x] - 'A', id++, board.GetCellCentre(x, y)});
                board.Put(x, y, std::move(brick));
            }
}

std::vector<std::string> GetBoard(const CBoard& board)
{
    std::vector<std::string> rows;
    for (int y = 0; y < board.GetRows(); ++y)
    {
        std::string row;
        for (int x = 0; x < board.GetColumns(); ++x)
            row += board.Get(x, y) ? static_cast<char>('A' + board.Get(x, y)->GetColor()) : '.';
        rows.push_back(row);
    }
    return rows;
}

// Ids of a column from the top, to see that its order survives.
std::vector<int> ColumnIds(const CBoard& board, int x)
{
    std::vector<int> ids;
    for (int y = 0; y < board.GetRows(); ++y)
        if (board.Get(x, y))
            ids.push_back(board.Get(x, y)->m_id);
    return ids;
}
}

TEST(CellBoard, GroupSearchAgreesWithABruteForceFloodOnRandomBoards)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round)
    {
        int columns = 1 + static_cast<int>(random() % 14);
        int rows = 1 + static_cast<int>(random() % 14);
        int colors = 1 + static_cast<int>(random() % 4);
        std::vector<std::string> picture(rows, std::string(columns, '.'));
        for (auto& row : picture)
            for (char& c : row)
                if (random() % 5 != 0)
                    c = static_cast<char>('A' + random() % colors);
        CBoard board(15, 15);
        SetBoard(board, picture);
        int sx = static_cast<int>(random() % columns);
        int sy = static_cast<int>(random() % rows);

        // Brute force: grow the set by whole-board sweeps until nothing joins.
        std::vector<std::vector<char>> in(columns, std::vector<char>(rows, 0));
        int expected = 0;
        if (picture[sy][sx] != '.')
        {
            in[sx][sy] = 1;
            for (bool grew = true; grew;)
            {
                grew = false;
                for (int x = 0; x < columns; ++x)
                    for (int y = 0; y < rows; ++y)
                    {
                        if (in[x][y] || picture[y][x] != picture[sy][sx])
                            continue;
                        bool touches = (x > 0 && in[x - 1][y]) || (x + 1 < columns && in[x + 1][y]) ||
                                       (y > 0 && in[x][y - 1]) || (y + 1 < rows && in[x][y + 1]);
                        if (touches)
                            in[x][y] = grew = 1;
                    }
            }
            for (auto& column : in)
                for (char c : column)
                    expected += c;
        }

        std::vector<int> group = board.FindGroup(sx, sy, [](const STestBrick&) { return true; });
        ASSERT_EQ(expected, static_cast<int>(group.size())) << "round " << round;
        for (int pos : group)
            EXPECT_TRUE(in[UnpackPosX(pos)][UnpackPosY(pos)]) << "round " << round;
    }
}

TEST(CellBoard, GroupSearchStopsAtBricksThatDoNotJoin)
{
    CBoard board(15, 15);
    SetBoard(board, {"AAAA", "BBBA", "AAAA"});
    // The brick at (3, 1) refuses: the bottom row is cut off.
    auto group = board.FindGroup(0, 0, [](const STestBrick& b) { return b.m_id != 7; });
    EXPECT_EQ(4, static_cast<int>(group.size()));
    EXPECT_EQ(1, board.CountGroups(4));
    EXPECT_EQ(2, board.CountGroups(3));
    EXPECT_EQ(0, board.CountGroups(10));
}

struct SSettleCase
{
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

class CellBoardSettle : public testing::TestWithParam<SSettleCase>
{
};

TEST_P(CellBoardSettle, GravityThenClosingGivesTheExpectedBoard)
{
    CBoard board(15, 15);
    SetBoard(board, GetParam().before);
    std::vector<std::vector<int>> columns;
    for (int x = 0; x < board.GetColumns(); ++x)
        columns.push_back(ColumnIds(board, x));
    board.ApplyGravity();
    for (int x = 0; x < board.GetColumns(); ++x)
        EXPECT_EQ(columns[x], ColumnIds(board, x)) << "gravity kept the order of column " << x;
    board.CloseColumns();
    EXPECT_EQ(GetParam().after, GetBoard(board));

    // Every brick that changed cell has one move, to where it stands now.
    for (const auto& move : board.GetMoves())
        EXPECT_EQ(move.m_brick, board.Get(UnpackPosX(move.m_target), UnpackPosY(move.m_target)));
    int landed = 0;
    for (int step = 0; step < 1000 && board.HasMoves(); ++step)
        landed += board.StepMoves(16.0f, 0.05f);
    EXPECT_FALSE(board.HasMoves());
    for (int y = 0; y < board.GetRows(); ++y)
        for (int x = 0; x < board.GetColumns(); ++x)
        {
            if (const STestBrick* brick = board.Get(x, y))
            {
                EXPECT_EQ(board.GetCellCentre(x, y).x, brick->GetPosition().x);
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellBoardSettle,
    testing::Values(
        SSettleCase{"FallKeepsOrder", {"AB", ".C", "D.", ".E"}, {"..", ".B", "AC", "DE"}},
        // Eight columns: 0..3 close to the right, 4..7 to the left.
        SSettleCase{"EightEmptyEdgeMovesNothing", {".BCDEFGH"}, {".BCDEFGH"}},
        SSettleCase{"EightEmptyThree", {"ABC.EFGH"}, {".ABCEFGH"}},
        SSettleCase{"EightEmptyFour", {"ABCD.FGH"}, {"ABCDFGH."}},
        SSettleCase{"EightSeveralGaps", {"A.B..C.D"}, {"..ABCD.."}},
        // Nine columns: the middle one belongs to both halves, the left first.
        SSettleCase{"NineEmptyMiddle", {"ABCD.FGHI"}, {".ABCDFGHI"}},
        SSettleCase{"NineLeftEmpty", {".....FGHI"}, {"....FGHI."}},
        SSettleCase{"NineRightGap", {"ABCDEF.HI"}, {"ABCDEFHI."}}),
    [](const testing::TestParamInfo<SSettleCase>& info) { return std::string(info.param.name); });

TEST(CellBoard, PickingFloorsSoThatAPointJustOutsideMisses)
{
    CBoard board(15, 15);
    board.SetSize(8, 8);
    board.SetGeometry(-4.0f, 4.0f, 1.0f, 0.0f);
    int x = 0;
    int y = 0;
    EXPECT_TRUE(board.PickCell(CVector4(-3.9f, 3.9f, 0.0f), x, y));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
    EXPECT_FALSE(board.PickCell(CVector4(-4.1f, 3.9f, 0.0f), x, y));
    EXPECT_FALSE(board.PickCell(CVector4(-3.9f, 4.1f, 0.0f), x, y));
    EXPECT_TRUE(board.PickCell(CVector4(3.9f, -3.9f, 0.0f), x, y));
    EXPECT_EQ(7, x);
    EXPECT_EQ(7, y);
    EXPECT_FALSE(board.PickCell(CVector4(1.0e30f, 0.0f, 0.0f), x, y));
}

TEST(CellBoard, AZeroSpeedLandsEveryBrickAtOnce)
{
    CBoard board(15, 15);
    SetBoard(board, {"A", ".", "."});
    board.ApplyGravity();
    EXPECT_EQ(1, board.StepMoves(16.0f, 0.0f));
    EXPECT_FALSE(board.HasMoves());
}
