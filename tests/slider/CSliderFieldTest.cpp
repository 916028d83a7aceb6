#include <gtest/gtest.h>

#include <algorithm>

#include "games/slider/CSliderBrick.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
class SliderField : public ::testing::Test
{
protected:
    void Make(int size, int colors)
    {
        params = MakeSliderParams(size, 0, colors);
        field = std::make_unique<CSliderField>(*params, &events, nullptr, SliderRandom());
    }
    void SetUp() override
    {
        SliderRandom().Seed(11);
        Make(0, 4);
    }

    CSliderEvents events;
    std::unique_ptr<CSliderParams> params;
    std::unique_ptr<CSliderField> field;
};

struct DealCase
{
    int colors;
    std::vector<int> counts;
};
}

class SliderDeal : public SliderField, public ::testing::WithParamInterface<DealCase>
{
};

TEST_P(SliderDeal, DealGivesEveryColourItsShareOfTheInnerCells)
{
    Make(0, GetParam().colors);
    field->NewLevel();
    std::vector<int> counts(GetParam().colors, 0);
    for (int y = 0; y < field->GetHeight(); ++y)
        for (int x = 0; x < field->GetWidth(); ++x)
            if (const CSliderBrick* brick = field->GetSliderBrick(x, y))
            {
                ASSERT_TRUE(field->IsInner(x, y)) << x << "," << y;
                ++counts[brick->GetColor()];
            }
    EXPECT_EQ(GetParam().counts, counts);
}

INSTANTIATE_TEST_SUITE_P(Colours, SliderDeal,
                         ::testing::Values(DealCase{4, {25, 25, 25, 25}}, DealCase{6, {17, 17, 17, 17, 16, 16}},
                                           DealCase{1, {100}}));

TEST_F(SliderField, BoardsOfTheThreeSizesHaveTheirArrowRingWithoutCorners)
{
    for (int size = 0; size < 3; ++size)
    {
        Make(size, 4);
        int w = field->GetWidth();
        EXPECT_EQ(12 + 3 * size, w);
        int arrows = 0;
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < w; ++x)
                arrows += field->GetArrow(x, y) != nullptr;
        EXPECT_EQ(4 * (w - 2), arrows);
        EXPECT_EQ(nullptr, field->GetArrow(0, 0));
        EXPECT_EQ(nullptr, field->GetArrow(w - 1, w - 1));
    }
}

TEST_F(SliderField, ColourCountsOutsideOneToSixAreClampedBeforeTheDeal)
{
    for (int colors : {0, -3, 7, 40})
    {
        Make(0, colors);
        EXPECT_GE(field->GetColorCount(), 1);
        EXPECT_LE(field->GetColorCount(), 6);
        field->NewLevel();
        EXPECT_EQ(100, field->CountBricks());
    }
}

TEST_F(SliderField, GroupOfFourStaysAndScoresNothing)
{
    SetSliderBoard(*field, {"RRRRG", "GBGBY"});
    field->RemoveGroups();
    EXPECT_EQ(0, field->GetScore());
    EXPECT_EQ("RRRRG.....", GetSliderBoard(*field)[0]);
    EXPECT_EQ(0, events.CountSound(CSliderField::SOUND_REMOVED));
    EXPECT_TRUE(field->GetPopups().empty());
}

TEST_F(SliderField, GroupsOfFiveAndSixOfOneMoveScoreTogether)
{
    SetSliderBoard(*field, {"RRRRRG", "BGBGBG", "YYY...", "Y.YY.."});
    field->RemoveGroups();
    // 5 + 6 bricks: 11 x 12.
    EXPECT_EQ(132, field->GetScore());
    EXPECT_EQ("rrrrrG....", GetSliderBoard(*field)[0]);
    EXPECT_EQ("yyy.......", GetSliderBoard(*field)[2]);
    EXPECT_EQ("y.yy......", GetSliderBoard(*field)[3]);
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_REMOVED));
    ASSERT_EQ(1u, field->GetPopups().size());
    EXPECT_EQ("132", field->GetPopups()[0].GetText());
}

TEST_F(SliderField, DiagonalNeighboursDoNotJoin)
{
    SetSliderBoard(*field, {"R.R.R", ".R.R.", "R.R.R"});
    field->RemoveGroups();
    EXPECT_EQ(0, field->GetScore());
}

TEST_F(SliderField, GroupAlongTheRingIsFound)
{
    SetSliderBoard(*field, {"G", "G", "G", "G", "G"});
    field->RemoveGroups();
    EXPECT_EQ(30, field->GetScore());
}

TEST_F(SliderField, RemovedBricksVanishThenTheFinishTestRuns)
{
    SetSliderBoard(*field, {"RRRRRGGBB", "YY"});
    field->RemoveGroups();
    int updates = RunUntilIdle(*field);
    // 25 fade steps, then the update that finds none left.
    EXPECT_EQ(CSliderBrick::FADE_STEPS + 1, updates);
    EXPECT_EQ(".....GGBB.", GetSliderBoard(*field)[0]);
    EXPECT_TRUE(field->GetFinished());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_FINISHED));
    EXPECT_EQ(5 * 25, events.m_sparkles);
}

TEST_F(SliderField, EmptyBoardIsClearedAndFinished)
{
    SetSliderBoard(*field, {});
    EXPECT_TRUE(field->IsCleared());
    EXPECT_TRUE(field->NoGroupsLeft());
}

TEST_F(SliderField, BonusShowsOnlyWhenTheLastBricksGo)
{
    SetSliderBoard(*field, {"RRRRR"});
    field->RemoveGroups();
    field->ShowBonus(40);
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_BONUS));
    ASSERT_EQ(2u, field->GetPopups().size());
    EXPECT_EQ("BONUS 40", field->GetPopups()[1].GetText());

    SetSliderBoard(*field, {"RRRRRG"});
    field->RemoveGroups();
    field->ShowBonus(40);
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_BONUS));
}

TEST_F(SliderField, PopupFadesOutAfterAboutHundredFortyThreeFrames)
{
    SetSliderBoard(*field, {"RRRRR"});
    field->RemoveGroups();
    int frames = 0;
    while (!field->GetPopups().empty() && frames < 1000)
    {
        field->DrawPopups(nullptr);
        ++frames;
    }
    EXPECT_EQ(143, frames);
}
