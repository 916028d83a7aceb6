#include <gtest/gtest.h>

#include "games/slider/CSliderArrow.h"
#include "games/slider/CSliderBrick.h"
#include "games/slider/CSliderPlayer.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
// No two neighbours share a colour, and one turned line cannot make a group
// of five: moves change the board without removing anything.
std::vector<std::string> StripedBoard(int inner)
{
    std::vector<std::string> rows(inner, std::string(inner, ' '));
    for (int y = 0; y < inner; ++y)
        for (int x = 0; x < inner; ++x)
            rows[y][x] = "RGBYPC"[(x + 2 * y) % 6];
    return rows;
}

bool IsRow(int dir)
{
    return dir == CSliderField::DIR_LEFT || dir == CSliderField::DIR_RIGHT;
}

char& LineCell(std::vector<std::string>& rows, int dir, int line, int k)
{
    return IsRow(dir) ? rows[line][k] : rows[k][line];
}

// The board picture after one turn of inner line `line` toward its arrow.
std::vector<std::string> Turned(std::vector<std::string> rows, int dir, int line)
{
    int n = static_cast<int>(rows.size());
    std::string cells;
    for (int k = 0; k < n; ++k)
        cells += LineCell(rows, dir, line, k);
    bool towardStart = dir == CSliderField::DIR_LEFT || dir == CSliderField::DIR_UP;
    cells = towardStart ? cells.substr(1) + cells[0] : cells.back() + cells.substr(0, n - 1);
    for (int k = 0; k < n; ++k)
        LineCell(rows, dir, line, k) = cells[k];
    return rows;
}

class SliderTurn : public ::testing::TestWithParam<int>
{
};
}

TEST_P(SliderTurn, ArrowTurnsItsLineByOneCellHolesIncludedAndKeepsEveryBrick)
{
    // The cell beside the arrow is a hole when emptyLift: nothing is lifted.
    const struct { int size, dir; bool emptyLift; } turn = {GetParam() % 12 / 4, GetParam() % 4, GetParam() >= 12};
    auto params = MakeSliderParams(turn.size, 0, 6);
    CRecordingEvents events;
    CSliderField field(*params, &events, nullptr, SliderRandom());
    int w = field.GetWidth();
    std::vector<std::string> board = StripedBoard(w - 2);
    int line = 3;
    bool towardStart = turn.dir == CSliderField::DIR_LEFT || turn.dir == CSliderField::DIR_UP;
    LineCell(board, turn.dir, line, 5) = '.';
    if (turn.emptyLift)
        LineCell(board, turn.dir, line, towardStart ? 0 : w - 3) = '.';
    SetSliderBoard(field, board);
    int total = field.CountBricks();

    // The arrow at the line's end the bricks move toward.
    int across = towardStart ? 0 : w - 1;
    ASSERT_TRUE(IsRow(turn.dir) ? field.StartMove(across, line + 1) : field.StartMove(line + 1, across));
    EXPECT_EQ(turn.dir, field.GetLineDirection());
    // The line's bricks change cells all in one update, the carried brick in another.
    int moveDone = 0, changes = 0;
    for (int i = 0; i < 500 && field.GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        std::vector<std::string> before = GetSliderBoard(field);
        field.Update();
        ASSERT_EQ(total, field.CountBricks() + (field.GetMovingBrick() ? 1 : 0)) << "update " << i;
        changes += before != GetSliderBoard(field);
        moveDone += field.IsMoveDone();
        field.ClearScore();
    }
    EXPECT_EQ(1, moveDone);
    EXPECT_LE(changes, 2);
    EXPECT_EQ(Turned(board, turn.dir, line), GetSliderBoard(field));
    EXPECT_EQ(turn.emptyLift ? 0 : 1, events.CountSound(CSliderField::SOUND_LIFT));
    EXPECT_EQ(turn.emptyLift ? 1 : 0, events.CountSound(CSliderField::SOUND_LIFT_NOTHING));
    for (int k = 1; k <= w - 2; ++k)
    {
        int x = IsRow(turn.dir) ? k : line + 1;
        int y = IsRow(turn.dir) ? line + 1 : k;
        const CSliderBrick* brick = field.GetSliderBrick(x, y);
        EXPECT_TRUE(!brick || (brick->GetPosition() - field.GetBrickPosition(x, y)).LengthSquared() == 0.0f);
    }
}

// Every size and direction; the last two with nothing beside the arrow.
INSTANTIATE_TEST_SUITE_P(SizesAndDirections, SliderTurn, ::testing::Range(0, 14));

namespace
{
class SliderMove : public ::testing::Test
{
protected:
    void SetUp() override { SetSliderBoard(field, StripedBoard(10)); }

    CRecordingEvents events;
    std::unique_ptr<CSliderParams> params = MakeSliderParams(0, 0, 6);
    CSliderField field{*params, &events, nullptr, SliderRandom()};
};
}

TEST_F(SliderMove, CornersAndInnerCellsStartNothing)
{
    for (auto cell : {std::make_pair(0, 0), std::make_pair(11, 0), std::make_pair(11, 11), std::make_pair(4, 4)})
    {
        EXPECT_TRUE(field.StartMove(cell.first, cell.second));
        field.Update();
        EXPECT_EQ(CSliderField::STATUS_IDLE, field.GetStatus());
        EXPECT_FALSE(field.IsMoveDone());
    }
    EXPECT_TRUE(events.m_sounds.empty());
}

TEST_F(SliderMove, HoveredArrowLightsItsLineSpinsAloneAndSkipsBricksBeingRemoved)
{
    SetSliderBoard(field, {"rrrrrG", "GBYPCR", "RGBYPC"});
    field.RemoveGroups();
    field.Hover(field.GetBrickPosition(0, 2));
    EXPECT_TRUE(field.GetSliderBrick(3, 2)->GetBlend());
    EXPECT_FLOAT_EQ(0.5f, field.GetSliderBrick(3, 2)->GetAlpha());
    EXPECT_FALSE(field.GetSliderBrick(3, 3)->GetBlend());
    EXPECT_TRUE(field.GetArrow(0, 2)->IsSpinning());
    EXPECT_FALSE(field.GetArrow(0, 3)->IsSpinning());
    // Off the board every arrow stops.
    field.Hover(CVector4(-5000.0f, 0.0f, 0.0f));
    EXPECT_FALSE(field.GetArrow(0, 2)->IsSpinning());
    // Hovered every frame, the group being removed still fades away.
    for (int i = 0; i < 100 && field.GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        field.Hover(field.GetBrickPosition(0, 1));
        field.Update();
    }
    EXPECT_EQ(".....G....", GetSliderBoard(field)[0]);
}

TEST_F(SliderMove, HeldButtonTurnsOnceThenAgainAfterTheCoolDown)
{
    CSliderPlayer player(field);
    int moves = 0;
    for (int frame = 0; frame < 300 && moves < 2; ++frame)
    {
        field.Update();
        player.Update(16.0f, field.GetBrickPosition(0, 1), true);
        moves += field.IsMoveDone();
        field.ClearScore();
    }
    EXPECT_EQ(2, moves);
}
