#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shell/game/CCellBoard.h"

namespace
{
// The least a board brick needs; the id follows a brick through the moves.
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
void SetBoard(CBoard& board, const std::vector<std::string>& rows)
{
    board.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    int id = 0;
    for (int y = 0; y < board.GetRows(); ++y)
        for (int x = 0; x < board.GetColumns(); ++x)
            if (rows[y][x] != '.')
                board.Put(x, y, std::make_unique<STestBrick>(STestBrick{rows[y][x] - 'A', id++, CVector4()}));
}

std::vector<std::string> GetBoard(const CBoard& board, std::vector<std::vector<int>>* ids = nullptr)
{
    std::vector<std::string> rows(board.GetRows(), std::string(board.GetColumns(), '.'));
    if (ids)
        ids->assign(board.GetColumns(), {});
    for (int x = 0; x < board.GetColumns(); ++x)
        for (int y = 0; y < board.GetRows(); ++y)
            if (const STestBrick* brick = board.Get(x, y))
            {
                rows[y][x] = static_cast<char>('A' + brick->GetColor());
                if (ids)
                    (*ids)[x].push_back(brick->m_id);
            }
    return rows;
}
}

TEST(CellBoard, GroupSearchAgreesWithABruteForceFloodOnRandomBoards)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round)
    {
        int columns = 1 + static_cast<int>(random() % 14);
        int rows = 1 + static_cast<int>(random() % 14);
        std::vector<std::string> picture(rows, std::string(columns, '.'));
        for (auto& row : picture)
            for (char& c : row)
                c = (random() % 5 == 0) ? '.' : static_cast<char>('A' + random() % 3);
        CBoard board(15, 15);
        SetBoard(board, picture);
        int sx = static_cast<int>(random() % columns);
        int sy = static_cast<int>(random() % rows);

        // Brute force: sweep the whole board until no cell joins any more.
        std::vector<std::string> in(rows, std::string(columns, '0'));
        if (picture[sy][sx] != '.')
            in[sy][sx] = '1';
        for (bool grew = picture[sy][sx] != '.'; grew;)
        {
            grew = false;
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < columns; ++x)
                    if (in[y][x] == '0' && picture[y][x] == picture[sy][sx] &&
                        ((x > 0 && in[y][x - 1] == '1') || (x + 1 < columns && in[y][x + 1] == '1') ||
                         (y > 0 && in[y - 1][x] == '1') || (y + 1 < rows && in[y + 1][x] == '1')))
                        in[y][x] = '1', grew = true;
        }

        std::vector<std::string> found(rows, std::string(columns, '0'));
        for (int pos : board.FindGroup(sx, sy, [](const STestBrick&) { return true; }))
            found[UnpackPosY(pos)][UnpackPosX(pos)] = '1';
        ASSERT_EQ(in, found) << "round " << round;
    }
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

TEST_P(CellBoardSettle, GravityKeepsColumnOrderAndClosingPacksTowardTheMiddle)
{
    CBoard board(15, 15);
    board.SetGeometry(0.0f, 0.0f, 10.0f, 0.0f);
    SetBoard(board, GetParam().before);
    std::vector<std::vector<int>> before;
    std::vector<std::vector<int>> after;
    GetBoard(board, &before);
    board.ApplyGravity();
    GetBoard(board, &after);
    EXPECT_EQ(before, after) << "gravity changed the order within a column";
    board.CloseColumns();
    EXPECT_EQ(GetParam().after, GetBoard(board));

    for (const auto& move : board.GetMoves())
        EXPECT_EQ(move.m_brick, board.Get(UnpackPosX(move.m_target), UnpackPosY(move.m_target)));
    for (int step = 0; step < 1000 && board.HasMoves(); ++step)
        board.StepMoves(16.0f, 0.05f);
    EXPECT_FALSE(board.HasMoves()) << "every move arrives";
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
        SSettleCase{"NineLeftEmpty", {".....FGHI"}, {"....FGHI."}}),
    [](const testing::TestParamInfo<SSettleCase>& info) { return std::string(info.param.name); });

TEST(CellBoard, AZeroSpeedLandsEveryBrickAtOnceInsteadOfNever)
{
    CBoard board(15, 15);
    SetBoard(board, {"A", ".", "."});
    board.ApplyGravity();
    EXPECT_EQ(1, board.StepMoves(16.0f, 0.0f));
    EXPECT_FALSE(board.HasMoves());
}
