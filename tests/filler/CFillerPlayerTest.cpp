#include <gtest/gtest.h>

#include <random>

#include "games/filler/CFillerLookAhead.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"

namespace
{
// The look-ahead as its rules read: every node floods a copy of the board.
int ReferenceEvaluate(std::vector<int> grid, int w, int h, int sx, int sy, const int* table, int count, int kind,
                      int index, int depth)
{
    const int own = grid[sy * w + sx];
    int score = 0;
    std::vector<int> queue{sy * w + sx};
    std::vector<char> seen(grid.size(), 0);
    seen[queue[0]] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        int cell = queue[head];
        int x = cell % w, y = cell / w;
        score += kind == 1 ? (sx - x) * (sx - x) : kind == 2 ? (sy - y) * (sy - y) : 1;
        grid[cell] = table[index];
        const int nx[4] = {x + 1, x - 1, x, x};
        const int ny[4] = {y, y, y + 1, y - 1};
        for (int d = 0; d < 4; ++d)
        {
            if (nx[d] < 0 || ny[d] < 0 || nx[d] >= w || ny[d] >= h)
                continue;
            int n = ny[d] * w + nx[d];
            if (!seen[n] && grid[n] == own)
            {
                seen[n] = 1;
                queue.push_back(n);
            }
        }
    }
    if (--depth <= 0)
        return score;
    int best = 0;
    for (int j = 0; j < count; ++j)
        if (j != index)
            best = std::max(best, ReferenceEvaluate(grid, w, h, sx, sy, table, count, kind, j, depth));
    return score + best;
}
}

TEST(FillerLookAhead, ScoresAsAFullSearchOfBoardCopiesWould)
{
    std::mt19937 random(5);
    const int table[6] = {3, 0, 4, 1, 2, 5};
    CFillerLookAhead search;
    for (int board = 0; board < 12; ++board)
    {
        const int w = 6 + board % 5, h = 4 + board % 3;
        std::vector<int> cells(w * h);
        for (int& c : cells)
            c = table[random() % 5];
        const int sx = board % 2 ? w - 1 : 0, sy = h / 2;
        for (int kind = 1; kind <= 3; ++kind)
        {
            search.Prepare(cells, w, h, sx, sy, table, 5, kind);
            for (int depth = 1; depth <= 4; ++depth)
                for (int i = 0; i < 5; ++i)
                {
                    if (table[i] == cells[sy * w + sx])
                        continue;
                    EXPECT_EQ(ReferenceEvaluate(cells, w, h, sx, sy, table, 5, kind, i, depth),
                              search.Evaluate(i, depth))
                        << "board " << board << " kind " << kind << " depth " << depth << " index " << i;
                }
        }
    }
}

TEST(FillerLookAhead, ScoringKindFollowsModeAndCoverage)
{
    struct
    {
        int mode;
        float ratio;
        int kind;
    } cases[] = {{3, 0.41f, 1}, {3, 0.42f, 2}, {3, 0.74f, 2}, {3, 0.75f, 3}, {2, 0.49f, 1},
                 {2, 0.5f, 3},  {1, 0.1f, 3},  {1, 0.9f, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, CFillerLookAhead::ScoringKind(c.mode, c.ratio)) << c.mode << " " << c.ratio;
}

TEST(FillerComputer, EasyTakesTheColourThatGrowsTheZoneMostAndTheLowerIndexOnTies)
{
    struct
    {
        const char* board;
        int expected;
    } cases[] = {{"BPYGR/BPYYR/BPPGR", 3}, {"BPPGR/BPYYR/BPPGR", 1}};
    for (const auto& c : cases)
    {
        auto params = MakeParams(0, 0, false);
        auto field = MakeField(*params, nullptr, c.board);
        CFillerPlayer human(*field, nullptr, CFillerPlayer::MODE_HUMAN, 0, 1);
        CFillerPlayer computer(*field, nullptr, CFillerPlayer::MODE_EASY, 4, 1);
        EXPECT_EQ(c.expected, computer.ChooseColor()) << c.board;
    }
}

TEST(FillerComputer, FallbackWhenNothingScoresIsAnAllowedColour)
{
    // One column: every cell lies in the start column and scores 0 for the
    // hard computer early in the game.
    auto params = MakeParams(0, 2, false);
    auto field = MakeField(*params, nullptr, "R/G/R/B/Y/Y/Y/Y/Y/Y/Y/Y");
    CFillerPlayer computer(*field, nullptr, CFillerPlayer::MODE_HARD, 0, 2);
    ASSERT_EQ(1, computer.GetScoringKind());
    computer.StartTurn();
    EXPECT_EQ("R/G/G/B/Y/Y/Y/Y/Y/Y/Y/Y", GetBoard(*field));
}

TEST(FillerComputer, MakesNoMoveAndNoSoundOnAFinishedBoard)
{
    CRecordingEvents events;
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, &events, "RBG/RBG");
    CFillerPlayer human(*field, &events, CFillerPlayer::MODE_HUMAN, 0, 1);
    CFillerPlayer computer(*field, &events, CFillerPlayer::MODE_MEDIUM, 2, 1);
    human.StartTurn();
    human.PickColor(2, false);
    ASSERT_TRUE(field->IsGameOver());
    computer.StartTurn();
    EXPECT_EQ("BBG/BBG", GetBoard(*field));
    EXPECT_EQ(0, events.CountSound(CFillerPlayer::SOUND_MOVE));
    EXPECT_TRUE(computer.IsTurnDone() || !field->IsIdle());
}

TEST(FillerHuman, HoldingTheButtonOverARefusedColourWaitsAndAFreeOnePicks)
{
    CRecordingEvents events;
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, &events, "RGYB/RGYB");
    CFillerPlayer human(*field, &events, CFillerPlayer::MODE_HUMAN, 0, 1);
    CFillerPlayer computer(*field, &events, CFillerPlayer::MODE_EASY, 3, 1);
    human.StartTurn();
    CVector4 onBlue, onYellow;
    field->GetBrickPosition(onBlue, 3, 0);
    field->GetBrickPosition(onYellow, 2, 0);
    human.Update(16.0f, onBlue, true);
    EXPECT_EQ(CFillerPlayer::STATE_WAITING, human.GetState());
    human.Update(16.0f, onYellow, false);
    EXPECT_EQ(CFillerPlayer::STATE_WAITING, human.GetState()) << "the button is up";
    human.Update(16.0f, onYellow, true);
    EXPECT_EQ(CFillerPlayer::STATE_IDLE, human.GetState());
    EXPECT_EQ("YGYB/YGYB", GetBoard(*field));
    EXPECT_EQ(1, events.CountSound(CFillerPlayer::SOUND_MOVE));
}

TEST(FillerHuman, ColourButtonsCountOnlyWhileThePlayerWaits)
{
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, nullptr, "RGYB/RGYB");
    CFillerPlayer human(*field, nullptr, CFillerPlayer::MODE_HUMAN, 0, 1);
    CFillerPlayer computer(*field, nullptr, CFillerPlayer::MODE_EASY, 3, 1);
    human.PickColor(1, false);
    EXPECT_EQ("RGYB/RGYB", GetBoard(*field)) << "not the human's turn";
    human.StartTurn();
    human.PickColor(5, false);
    human.PickColor(2, false);
    EXPECT_EQ("RGYB/RGYB", GetBoard(*field)) << "absent and held colours";
    human.PickColor(1, false);
    EXPECT_EQ("GGYB/GGYB", GetBoard(*field));
}
