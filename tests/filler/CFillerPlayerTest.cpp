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
    grid[queue[0]] = -1;
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        int x = queue[head] % w, y = queue[head] / w;
        score += kind == 1 ? (sx - x) * (sx - x) : kind == 2 ? (sy - y) * (sy - y) : 1;
        for (int n : {x + 1 < w ? queue[head] + 1 : -1, x > 0 ? queue[head] - 1 : -1,
                      y + 1 < h ? queue[head] + w : -1, y > 0 ? queue[head] - w : -1})
            if (n >= 0 && grid[n] == own)
            {
                grid[n] = -1;
                queue.push_back(n);
            }
    }
    for (int cell : queue)
        grid[cell] = table[index];
    int best = 0;
    for (int j = 0; depth > 1 && j < count; ++j)
        if (j != index)
            best = std::max(best, ReferenceEvaluate(grid, w, h, sx, sy, table, count, kind, j, depth - 1));
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
    struct { int mode; float ratio; int kind; } cases[] = {{3, 0.41f, 1}, {3, 0.42f, 2}, {3, 0.74f, 2}, {3, 0.75f, 3}, {2, 0.49f, 1},
                 {2, 0.5f, 3},  {1, 0.1f, 3},  {1, 0.9f, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, CFillerLookAhead::ScoringKind(c.mode, c.ratio)) << c.mode << " " << c.ratio;
}

TEST(FillerComputer, EasyTakesTheColourThatGrowsTheZoneMostAndTheLowerIndexOnTies)
{
    auto params = MakeParams(0, 0, false);
    for (const auto& c : {std::make_pair("BPYGR/BPYYR/BPPGR", 3), std::make_pair("BPPGR/BPYYR/BPPGR", 1)})
    {
        auto field = MakeField(*params, nullptr, c.first);
        CFillerPlayer human(*field, nullptr, CFillerPlayer::MODE_HUMAN, 0, 1);
        CFillerPlayer computer(*field, nullptr, CFillerPlayer::MODE_EASY, 4, 1);
        EXPECT_EQ(c.second, computer.ChooseColor()) << c.first;
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

TEST(FillerHuman, PicksOnlyFreeColoursInItsTurnByButtonOrByHoldingOverABrick)
{
    CRecordingEvents events;
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, &events, "RGYB/RGYB");
    CFillerPlayer human(*field, &events, CFillerPlayer::MODE_HUMAN, 0, 1);
    CFillerPlayer computer(*field, &events, CFillerPlayer::MODE_EASY, 3, 1);
    human.PickColor(1, false);
    EXPECT_EQ("RGYB/RGYB", GetBoard(*field)) << "not the human's turn";
    human.StartTurn();
    human.PickColor(5, false);
    human.PickColor(2, false);
    CVector4 onBlue, onYellow;
    field->GetBrickPosition(onBlue, 3, 0);
    field->GetBrickPosition(onYellow, 2, 0);
    human.Update(16.0f, onBlue, true);
    human.Update(16.0f, onYellow, false);
    EXPECT_EQ(CFillerPlayer::STATE_WAITING, human.GetState()) << "absent, held colours and a button up";
    EXPECT_EQ("RGYB/RGYB", GetBoard(*field));
    human.Update(16.0f, onYellow, true);
    EXPECT_EQ(CFillerPlayer::STATE_IDLE, human.GetState());
    EXPECT_EQ("YGYB/YGYB", GetBoard(*field));
    EXPECT_EQ(1, events.CountSound(CFillerPlayer::SOUND_MOVE));
}
