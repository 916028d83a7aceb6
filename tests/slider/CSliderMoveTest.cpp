#include <gtest/gtest.h>


#include "games/slider/CSliderArrow.h"
#include "games/slider/CSliderBrick.h"
#include "games/slider/CSliderPlayer.h"
#include "shell/game/CLevelFlipEffect.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
// No two neighbours share a colour, and one turned line cannot make a group
// of five: moves change the board without removing anything.
std::vector<std::string> StripedBoard(int inner)
{
    const char letters[] = "RGBYPC";
    std::vector<std::string> rows;
    for (int y = 0; y < inner; ++y)
    {
        std::string row;
        for (int x = 0; x < inner; ++x)
            row += letters[(x + 2 * y) % 6];
        rows.push_back(row);
    }
    return rows;
}

// The board picture after one turn of an inner line toward an arrow.
std::vector<std::string> Turned(std::vector<std::string> rows, int dir, int line)
{
    int n = static_cast<int>(rows.size());
    std::string cells;
    for (int k = 0; k < n; ++k)
        cells += (dir >= CSliderField::DIR_LEFT) ? rows[line][k] : rows[k][line];
    if (dir == CSliderField::DIR_LEFT || dir == CSliderField::DIR_UP)
        cells = cells.substr(1) + cells[0];
    else
        cells = cells.back() + cells.substr(0, n - 1);
    for (int k = 0; k < n; ++k)
        ((dir >= CSliderField::DIR_LEFT) ? rows[line][k] : rows[k][line]) = cells[k];
    return rows;
}

void ArrowOf(int dir, int line, int w, int& x, int& y)
{
    switch (dir)
    {
    case CSliderField::DIR_LEFT: x = 0, y = line + 1; break;
    case CSliderField::DIR_RIGHT: x = w - 1, y = line + 1; break;
    case CSliderField::DIR_UP: x = line + 1, y = 0; break;
    default: x = line + 1, y = w - 1; break;
    }
}

struct TurnCase
{
    int size;
    int dir;
};

class SliderTurn : public ::testing::TestWithParam<TurnCase>
{
};
}

TEST_P(SliderTurn, ArrowTurnsItsLineByOneCellAndKeepsEveryBrick)
{
    auto params = MakeSliderParams(GetParam().size, 0, 6);
    CSliderEvents events;
    CSliderField field(*params, &events, nullptr, SliderRandom());
    int inner = field.GetWidth() - 2;
    std::vector<std::string> board = StripedBoard(inner);
    // A hole in the line travels with it.
    int line = 3;
    if (GetParam().dir >= CSliderField::DIR_LEFT)
        board[line][5] = '.';
    else
        board[5][line] = '.';
    SetSliderBoard(field, board);
    int total = field.CountBricks();

    int x = 0;
    int y = 0;
    ArrowOf(GetParam().dir, line, field.GetWidth(), x, y);
    ASSERT_TRUE(field.StartMove(x, y));
    EXPECT_EQ(CSliderField::STATUS_LIFT, field.GetStatus());
    EXPECT_EQ(GetParam().dir, field.GetLineDirection());
    int moveDone = 0;
    int updates = 0;
    while (field.GetStatus() != CSliderField::STATUS_IDLE && updates < 500)
    {
        field.Update();
        ++updates;
        ASSERT_EQ(total, field.CountBricks() + (field.GetMovingBrick() ? 1 : 0)) << "update " << updates;
        moveDone += field.IsMoveDone();
        field.ClearScore();
    }
    EXPECT_EQ(1, moveDone);
    EXPECT_EQ(Turned(board, GetParam().dir, line), GetSliderBoard(field));
    EXPECT_EQ(0, field.GetScore());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_LIFT));
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_PUT_IN));
    // Every brick rests exactly on its cell.
    for (int cy = 1; cy <= inner; ++cy)
        for (int cx = 1; cx <= inner; ++cx)
        {
            const CSliderBrick* brick = field.GetSliderBrick(cx, cy);
            if (brick)
            {
                EXPECT_EQ(0.0f, (brick->GetPosition() - field.GetBrickPosition(cx, cy)).LengthSquared());
            }
        }
}

INSTANTIATE_TEST_SUITE_P(SizesAndDirections, SliderTurn,
                         ::testing::Values(TurnCase{0, 0}, TurnCase{0, 1}, TurnCase{0, 2}, TurnCase{0, 3},
                                           TurnCase{1, 0}, TurnCase{1, 1}, TurnCase{1, 2}, TurnCase{1, 3},
                                           TurnCase{2, 0}, TurnCase{2, 1}, TurnCase{2, 2}, TurnCase{2, 3}));

namespace
{
class SliderMove : public ::testing::Test
{
protected:
    void SetUp() override
    {
        params = MakeSliderParams(0, 0, 6);
        field = std::make_unique<CSliderField>(*params, &events, nullptr, SliderRandom());
        SetSliderBoard(*field, StripedBoard(10));
    }

    CSliderEvents events;
    std::unique_ptr<CSliderParams> params;
    std::unique_ptr<CSliderField> field;
};
}

TEST_F(SliderMove, CornersAndInnerCellsStartNothing)
{
    for (auto cell : {std::make_pair(0, 0), std::make_pair(11, 0), std::make_pair(0, 11), std::make_pair(11, 11),
                      std::make_pair(4, 4)})
    {
        EXPECT_TRUE(field->StartMove(cell.first, cell.second));
        EXPECT_EQ(CSliderField::STATUS_IDLE, field->GetStatus());
        field->Update();
        EXPECT_FALSE(field->IsMoveDone());
    }
    EXPECT_TRUE(events.m_sounds.empty());
}

TEST_F(SliderMove, NoSecondMoveStartsWhileOneRuns)
{
    ASSERT_TRUE(field->StartMove(0, 2));
    EXPECT_FALSE(field->StartMove(0, 3));
    EXPECT_EQ(2, field->GetMovingTargetY());
}

TEST_F(SliderMove, EmptyLiftedCellSkipsTheLiftAndStillCountsAsMove)
{
    std::vector<std::string> board = StripedBoard(10);
    board[1][0] = '.';
    SetSliderBoard(*field, board);
    ASSERT_TRUE(field->StartMove(0, 2));
    EXPECT_EQ(CSliderField::STATUS_SLIDE, field->GetStatus());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_LIFT_NOTHING));
    bool done = false;
    for (int i = 0; i < 500 && field->GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        field->Update();
        done = done || field->IsMoveDone();
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(Turned(board, CSliderField::DIR_LEFT, 1), GetSliderBoard(*field));
}

TEST_F(SliderMove, LineBricksChangeCellsAllInOneUpdate)
{
    ASSERT_TRUE(field->StartMove(11, 5));
    std::vector<std::string> before = GetSliderBoard(*field);
    while (field->GetStatus() != CSliderField::STATUS_PUT_IN)
    {
        ASSERT_EQ(before, GetSliderBoard(*field));
        field->Update();
    }
    // The lifted brick is still in flight; the rest moved one cell.
    before[4] = "." + before[4].substr(0, 9);
    EXPECT_EQ(before, GetSliderBoard(*field));
}

TEST_F(SliderMove, TurnThatJoinsFiveRemovesThemAndScores)
{
    SetSliderBoard(*field, {"RRRR.....R", "GBGBYBGBGB"});
    ASSERT_TRUE(field->StartMove(11, 1));   // row 1 turns right
    int score = 0;
    for (int i = 0; i < 500 && field->GetStatus() != CSliderField::STATUS_REMOVING; ++i)
        field->Update();
    score = field->GetScore();
    EXPECT_EQ(30, score);
    RunUntilIdle(*field);
    EXPECT_EQ("..........", GetSliderBoard(*field)[0]);
}

TEST_F(SliderMove, HoverOnAnArrowHighlightsItsLineAndSpinsOnlyThatArrow)
{
    field->Hover(CellPoint(*field, 0, 3));
    for (int x = 1; x <= 10; ++x)
    {
        EXPECT_TRUE(field->GetSliderBrick(x, 3)->GetBlend());
        EXPECT_FLOAT_EQ(0.5f, field->GetSliderBrick(x, 3)->GetAlpha());
        EXPECT_FALSE(field->GetSliderBrick(x, 4)->GetBlend());
    }
    EXPECT_TRUE(field->GetArrow(0, 3)->IsSpinning());
    EXPECT_FALSE(field->GetArrow(0, 4)->IsSpinning());

    field->Hover(CellPoint(*field, 5, 5));
    EXPECT_TRUE(field->GetArrow(0, 3)->IsSpinning());
    EXPECT_FALSE(field->GetSliderBrick(1, 3)->GetBlend());

    field->Hover(CVector4(-5000.0f, 0.0f, 0.0f));
    EXPECT_FALSE(field->GetArrow(0, 3)->IsSpinning());
}

TEST_F(SliderMove, HoverLeavesBricksBeingRemovedFading)
{
    SetSliderBoard(*field, {"rrrrrG"});
    field->RemoveGroups();
    for (int i = 0; i < 100 && field->GetStatus() != CSliderField::STATUS_IDLE; ++i)
    {
        field->Hover(CellPoint(*field, 0, 1));
        field->Update();
    }
    EXPECT_EQ(CSliderField::STATUS_IDLE, field->GetStatus());
    EXPECT_EQ(".....G....", GetSliderBoard(*field)[0]);
}

TEST_F(SliderMove, HeldButtonTurnsOnceThenAgainAfterTheCoolDown)
{
    CSliderPlayer player(*field);
    CVector4 arrow = CellPoint(*field, 0, 1);
    int moves = 0;
    float elapsed = 0.0f;
    while (moves < 2 && elapsed < 5000.0f)
    {
        field->Update();
        player.Update(16.0f, arrow, true);
        moves += field->IsMoveDone();
        field->ClearScore();
        elapsed += 16.0f;
    }
    EXPECT_EQ(2, moves);
}

TEST_F(SliderMove, PressOnACornerGoesBackToAimingAtOnce)
{
    CSliderPlayer player(*field);
    player.Update(16.0f, CellPoint(*field, 0, 0), true);
    EXPECT_EQ(CSliderPlayer::STATE_MOVING, player.GetState());
    EXPECT_EQ(CSliderPlayer::COOL_DOWN_MS - 16, player.GetCoolDown());
    player.Update(16.0f, CellPoint(*field, 0, 0), false);
    EXPECT_EQ(CSliderPlayer::STATE_AIMING, player.GetState());
}

TEST(SliderArrow, SpinWrapsAndAStoppedArrowFinishesItsTurn)
{
    auto params = MakeSliderParams(0, 0);
    CSliderArrow arrow(params.get());
    arrow.StartSpin();
    for (int i = 0; i < 37; ++i)
        arrow.Animate();
    EXPECT_NEAR(10.0f, arrow.GetSpinAngle(), 0.01f);
    arrow.SetSpinAngle(125.0f);
    arrow.StopSpin();
    int frames = 0;
    while (arrow.IsStopping() && frames < 100)
    {
        arrow.Animate();
        ++frames;
    }
    EXPECT_EQ(24, frames);
    EXPECT_EQ(0.0f, arrow.GetSpinAngle());
}

TEST(SliderFall, EndOfLevelFallFinishesOnABoardWithEmptyRows)
{
    auto params = MakeSliderParams(2, 0);
    CSliderField field(*params, nullptr, nullptr, SliderRandom());
    SetSliderBoard(field, {"RG", "", "", "BY", "", "", "", "", "", "", "", "", "", "", "", "P"});
    CLevelFlipEffect fall(nullptr, &field, 1);
    int steps = 0;
    while (!fall.IsDone() && steps < 100000)
    {
        fall.Update(16.0f);
        ++steps;
    }
    EXPECT_TRUE(fall.IsDone());
    EXPECT_LT(steps, 100000);
}
