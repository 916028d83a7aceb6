#include <gtest/gtest.h>

#include <map>

#include "shell/game/CRandom.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SFieldFixture
{
    explicit SFieldFixture(int size = 0, int difficulty = 0)
        : params(MakeParams(size, difficulty)), random(7), field(*params, &events, nullptr, random)
    {
    }
    std::unique_ptr<CEraserParams> params;
    CRandom random;
    CEraserEvents events;
    CEraserField field;
};
}

struct SDealCase
{
    int size;
    int difficulty;
    int side;
    std::vector<int> counts;
};

class EraserDeal : public testing::TestWithParam<SDealCase>
{
};

TEST_P(EraserDeal, EveryColourComesEquallyOftenTheFirstOnesOnceMore)
{
    SFieldFixture f(GetParam().size, GetParam().difficulty);
    for (int level = 1; level <= 3; ++level)
    {
        f.field.NewLevel(level);
        ASSERT_EQ(GetParam().side, f.field.GetWidth());
        ASSERT_EQ(GetParam().side, f.field.GetHeight());
        std::map<int, int> counts;
        for (int y = 0; y < f.field.GetHeight(); ++y)
            for (int x = 0; x < f.field.GetWidth(); ++x)
                counts[f.field.GetEraserBrick(x, y)->GetColor()] += 1;
        for (int c = 0; c < static_cast<int>(GetParam().counts.size()); ++c)
            EXPECT_EQ(GetParam().counts[c], counts[c]) << "colour " << c;
        EXPECT_EQ(GetParam().counts.size(), counts.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, EraserDeal,
                         testing::Values(SDealCase{0, 0, 8, {16, 16, 16, 16}},
                                         SDealCase{0, 1, 9, {17, 16, 16, 16, 16}},
                                         SDealCase{2, 2, 14, {33, 33, 33, 33, 32, 32}}));

TEST(EraserField, ATooSmallGroupRemovesNothingAndTheFieldIsIdleAgain)
{
    SFieldFixture f(0, 1); // groups of three
    SetBoard(f.field, {"", "", "", "", "", "", "", "RRG", "GBBYYY"});
    f.field.Update(16.0f);
    EXPECT_EQ(0, f.field.SelectGroup(f.field.GetEraserBrick(0, 7)));
    SettleField(f.field);
    EXPECT_EQ(CEraserField::STATE_IDLE, f.field.GetState());
    std::vector<std::string> board = GetBoard(f.field);
    EXPECT_EQ("RRG......", board[7]);
    EXPECT_EQ("GBBYYY...", board[8]);
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_GROUP));
    EXPECT_EQ(0, f.field.GetPopups().GetCount());
}

TEST(EraserField, ATakenGroupVanishesScoresBrickByBrickAndTheRestSettles)
{
    SFieldFixture f;
    // Column 3 holds the group; once it is gone columns 0..2 close to the right.
    SetBoard(f.field, {"", "", "", "", "BG.R", "GB.R", "BGYR", "GBYR"});
    f.field.Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_IDLE, f.field.GetState());
    EXPECT_EQ(4, f.field.SelectGroup(f.field.GetEraserBrick(3, 7)));
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_GROUP));
    int removed = 0;
    for (int i = 0; i < 200 && f.field.GetState() != CEraserField::STATE_IDLE; ++i)
    {
        f.field.Update(16.0f);
        removed += f.field.GetRemovedCount();
    }
    EXPECT_EQ(4, removed);
    EXPECT_EQ(25 * 4, f.events.m_sparkles);
    std::vector<std::string> board = GetBoard(f.field);
    EXPECT_EQ((std::vector<std::string>{"........", "........", "........", "........", ".BG.....", ".GB.....",
                                        ".BGY....", ".GBY...."}),
              board);
    // Every brick of columns 0..2 moved one cell right; each landing sounds once.
    EXPECT_EQ(10, f.events.CountSound(CEraserField::SOUND_LANDED));
}

TEST(EraserField, HoverSoundsOncePerRemovableGroupAndNotForASmallOne)
{
    SFieldFixture f;
    SetBoard(f.field, {"RRB", "GGR"});
    for (int i = 0; i < 5; ++i)
        f.field.Highlight(CellPoint(f.field, 0, 0));
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_HOVER));
    EXPECT_TRUE(f.field.GetEraserBrick(1, 0)->IsHighlighted());
    f.field.Highlight(CellPoint(f.field, 1, 1));
    EXPECT_EQ(2, f.events.CountSound(CEraserField::SOUND_HOVER));
    EXPECT_FALSE(f.field.GetEraserBrick(0, 0)->IsHighlighted());
    f.field.Highlight(CellPoint(f.field, 2, 0));
    EXPECT_EQ(2, f.events.CountSound(CEraserField::SOUND_HOVER));
    EXPECT_FALSE(f.field.GetEraserBrick(0, 1)->IsHighlighted());
    EXPECT_FALSE(f.field.GetEraserBrick(2, 0)->IsHighlighted());
}

TEST(EraserField, TheSweepTakesLeftoversInReadingOrderEachCostingItsPenalty)
{
    SFieldFixture f;
    f.field.NewLevel(3);
    SetBoard(f.field, {"", "", "", "", "", "", "..R", "GBY"});
    f.field.Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_SWEEP, f.field.GetState());
    std::vector<std::vector<std::string>> boards;
    int removed = 0;
    for (int i = 0; i < 500 && !f.field.IsFinished(); ++i)
    {
        f.field.Update(16.0f);
        if (f.field.GetRemovedCount() != 0)
        {
            EXPECT_EQ(-1, f.field.GetRemovedCount());
            boards.push_back({GetBoard(f.field)[6], GetBoard(f.field)[7]});
            ++removed;
        }
    }
    EXPECT_TRUE(f.field.IsFinished());
    EXPECT_EQ(4, removed);
    ASSERT_EQ(4u, boards.size());
    EXPECT_EQ((std::vector<std::string>{"........", "GBY....."}), boards[0]);
    EXPECT_EQ((std::vector<std::string>{"........", ".BY....."}), boards[1]);
    EXPECT_EQ((std::vector<std::string>{"........", "..Y....."}), boards[2]);
    EXPECT_EQ(4, f.events.CountSound(CEraserField::SOUND_SWEEP));
    // Level 3: two levels of 10 on top of the base penalty of 5.
    EXPECT_EQ(25, f.field.GetPenalty());
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_CLEARED));
}

TEST(EraserField, ClearingTheBoardReportsTheBonusInOneUpdateOnly)
{
    SFieldFixture f;
    f.field.NewLevel(3);
    SetBoard(f.field, {"", "", "", "", "", "", "", "RR"});
    f.field.Update(16.0f);
    ASSERT_EQ(2, f.field.SelectGroup(f.field.GetEraserBrick(0, 7)));
    std::vector<int> reports;
    for (int i = 0; i < 200 && !f.field.IsFinished(); ++i)
    {
        f.field.Update(16.0f);
        if (f.field.GetRemovedCount() != 0)
            reports.push_back(f.field.GetRemovedCount());
    }
    EXPECT_EQ((std::vector<int>{2, 300}), reports);
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_CLEARED));
    EXPECT_TRUE(f.field.IsFinished());
}

TEST(EraserField, AClickDuringTheSweepTakesNothing)
{
    SFieldFixture f;
    SetBoard(f.field, {"", "", "", "", "", "", "", "RGB"});
    f.field.Update(16.0f);
    f.field.Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_SWEEP, f.field.GetState());
    EXPECT_EQ(0, f.field.SelectGroup(f.field.GetEraserBrick(2, 7)));
    EXPECT_EQ(CEraserField::STATE_SWEEP, f.field.GetState());
    int removed = 0;
    for (int i = 0; i < 500 && !f.field.IsFinished(); ++i)
    {
        f.field.Update(16.0f);
        removed += f.field.GetRemovedCount();
    }
    EXPECT_EQ(-3, removed);
}

TEST(EraserField, AVanishingBrickTakes250MsAndBurstsOnce)
{
    CEraserEvents events;
    CEraserBrick brick(nullptr);
    brick.Mark();
    for (int i = 0; i < 15; ++i)
        EXPECT_FALSE(brick.Vanish(16.0f, &events)) << i;
    EXPECT_TRUE(brick.Vanish(16.0f, &events));
    EXPECT_EQ(25, events.m_sparkles);
}
