#include <gtest/gtest.h>

#include <algorithm>

#include "shell/game/CRandom.h"
#include "tests/eraser/EraserTestKit.h"

namespace
{
struct SField
{
    explicit SField(int size = 0, int difficulty = 0)
        : params(MakeParams(size, difficulty)), random(7), field(*params, &events, nullptr, random)
    {
    }
    // Updates of 16 ms until the field rests or sweeps; the removal counts summed.
    int Settle()
    {
        int removed = 0;
        for (int i = 0; i < 1000; ++i)
        {
            field.Update(16.0f);
            removed += field.GetRemovedCount();
            if (field.GetState() == CEraserField::STATE_IDLE || field.GetState() == CEraserField::STATE_SWEEP)
                break;
        }
        return removed;
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
    SField f(GetParam().size, GetParam().difficulty);
    for (int level = 1; level <= 3; ++level)
    {
        f.field.NewLevel(level);
        ASSERT_EQ(GetParam().side, f.field.GetWidth());
        std::string all;
        for (const std::string& row : GetBoard(f.field))
            all += row;
        std::vector<int> found;
        for (char c : std::string("RGBYPC").substr(0, GetParam().counts.size()))
            found.push_back(static_cast<int>(std::count(all.begin(), all.end(), c)));
        EXPECT_EQ(GetParam().counts, found);
    }
}

// Colours in the order R G B Y P C; the first ones take what does not divide.
INSTANTIATE_TEST_SUITE_P(Sizes, EraserDeal,
                         testing::Values(SDealCase{0, 0, 8, {16, 16, 16, 16}},
                                         SDealCase{0, 1, 9, {17, 16, 16, 16, 16}},
                                         SDealCase{2, 2, 14, {33, 33, 33, 33, 32, 32}}));

TEST(EraserField, ATooSmallGroupRemovesNothingAndTheFieldRestsAgain)
{
    SField f(0, 1); // groups of three
    SetBoard(f.field, Bottom(f.field, {"RRG", "GBBYYY"}));
    f.field.Update(16.0f);
    EXPECT_EQ(0, f.field.SelectGroup(f.field.GetEraserBrick(0, 7)));
    EXPECT_EQ(0, f.Settle());
    EXPECT_EQ(CEraserField::STATE_IDLE, f.field.GetState());
    EXPECT_EQ(Bottom(f.field, {"RRG......", "GBBYYY..."}), GetBoard(f.field));
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_GROUP));
}

TEST(EraserField, ATakenGroupScoresBrickByBrickAndTheRestFallsAndCloses)
{
    SField f;
    // Column 3 holds the group; once it is gone columns 0..2 close to the right.
    SetBoard(f.field, Bottom(f.field, {"BG.R", "GB.R", "BGYR", "GBYR"}));
    f.field.Update(16.0f);
    EXPECT_EQ(4, f.field.SelectGroup(f.field.GetEraserBrick(3, 7)));
    EXPECT_EQ(4, f.Settle());
    EXPECT_EQ(Bottom(f.field, {".BG.....", ".GB.....", ".BGY....", ".GBY...."}), GetBoard(f.field));
    EXPECT_EQ(1, f.events.CountSound(CEraserField::SOUND_GROUP));
    EXPECT_EQ(25 * 4, f.events.m_sparkles);
    EXPECT_EQ(10, f.events.CountSound(CEraserField::SOUND_LANDED)) << "one landing sound a moved brick";
}

TEST(EraserField, TheSweepTakesLeftoversInReadingOrderAndIgnoresClicks)
{
    SField f;
    f.field.NewLevel(3);
    SetBoard(f.field, Bottom(f.field, {"..R", "GBY"}));
    f.field.Update(16.0f);
    ASSERT_EQ(CEraserField::STATE_SWEEP, f.field.GetState());
    std::vector<std::vector<std::string>> boards;
    for (int i = 0; i < 500 && !f.field.IsFinished(); ++i)
    {
        f.field.Update(16.0f);
        EXPECT_EQ(0, f.field.SelectGroup(f.field.GetEraserBrick(1, 7))) << "a click during the sweep";
        if (f.field.GetRemovedCount() != 0)
        {
            EXPECT_EQ(-1, f.field.GetRemovedCount());
            boards.push_back(GetBoard(f.field));
        }
    }
    ASSERT_EQ(4u, boards.size());
    EXPECT_EQ(Bottom(f.field, {"........", "GBY....."}), boards[0]);
    EXPECT_EQ(Bottom(f.field, {"........", ".BY....."}), boards[1]);
    EXPECT_EQ(Bottom(f.field, {"........", "..Y....."}), boards[2]);
    // Level 3: two levels of 10 on top of the base penalty of 5.
    EXPECT_EQ("-25", f.field.GetPopups().GetText(0));
    EXPECT_EQ(0, f.events.CountSound(CEraserField::SOUND_CLEARED));
}
