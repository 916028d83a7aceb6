#include <gtest/gtest.h>

#include "games/slider/CSliderBrick.h"
#include "tests/slider/SliderTestKit.h"

namespace
{
struct DealCase
{
    int colors;
    std::vector<int> counts;
};

class SliderDeal : public ::testing::TestWithParam<DealCase>
{
};
}

TEST_P(SliderDeal, DealGivesEveryColourItsShareOfTheInnerCells)
{
    auto params = MakeSliderParams(0, 0, GetParam().colors);
    CSliderField field(*params, nullptr, nullptr, SliderRandom());
    field.NewLevel();
    std::vector<int> counts(GetParam().counts.size(), 0);
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
            if (const CSliderBrick* brick = field.GetSliderBrick(x, y))
            {
                ASSERT_TRUE(field.IsInner(x, y)) << x << "," << y;
                ++counts[brick->GetColor()];
            }
    EXPECT_EQ(GetParam().counts, counts);
}

// Colour counts outside 1..6 are clamped before they size the deal.
INSTANTIATE_TEST_SUITE_P(Colours, SliderDeal,
                         ::testing::Values(DealCase{4, {25, 25, 25, 25}}, DealCase{6, {17, 17, 17, 17, 16, 16}},
                                           DealCase{0, {100}}, DealCase{9, {17, 17, 17, 17, 16, 16}}));

namespace
{
struct GroupCase
{
    const char* name;
    std::vector<std::string> board;
    int score;
    std::vector<std::string> after;
};

class SliderGroups : public ::testing::TestWithParam<GroupCase>
{
};
}

TEST_P(SliderGroups, GroupsOfFiveOrMoreOfOneMoveScoreTogether)
{
    auto params = MakeSliderParams(0, 0);
    CSliderEvents events;
    CSliderField field(*params, &events, nullptr, SliderRandom());
    SetSliderBoard(field, GetParam().board);
    field.RemoveGroups();
    EXPECT_EQ(GetParam().score, field.GetScore());
    std::vector<std::string> board = GetSliderBoard(field);
    board.resize(GetParam().after.size());
    EXPECT_EQ(GetParam().after, board);
    EXPECT_EQ(GetParam().score > 0 ? 1 : 0, events.CountSound(CSliderField::SOUND_REMOVED));
    EXPECT_EQ(GetParam().score > 0 ? 1u : 0u, field.GetPopups().size());
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SliderGroups,
    ::testing::Values(GroupCase{"FourStay", {"RRRRG", "GBGBY"}, 0, {"RRRRG.....", "GBGBY....."}},
                      GroupCase{"DiagonalsDoNotJoin", {"R.R.R", ".R.R.", "R.R.R"}, 0, {"R.R.R....."}},
                      // 5 + 6 bricks: 11 x 12, not 5 x 6 + 6 x 7.
                      GroupCase{"FiveAndSix", {"RRRRRG", "BGBGBG", "YYY...", "Y.YY.."}, 132,
                                {"rrrrrG....", "BGBGBG....", "yyy.......", "y.yy......"}},
                      GroupCase{"AlongTheRing", {"G", "G", "G", "G", "G"}, 30, {"g.........", "g........."}}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(SliderRemoval, RemovedBricksFadeThenTheFinishTestRunsOnce)
{
    auto params = MakeSliderParams(0, 0);
    CSliderEvents events;
    CSliderField field(*params, &events, nullptr, SliderRandom());
    SetSliderBoard(field, {"RRRRRGGBB", "YY"});
    field.RemoveGroups();
    // 25 fade steps, then the update that finds none left.
    EXPECT_EQ(CSliderBrick::FADE_STEPS + 1, RunUntilIdle(field));
    EXPECT_EQ(".....GGBB.", GetSliderBoard(field)[0]);
    EXPECT_TRUE(field.GetFinished());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_FINISHED));
    EXPECT_EQ(5 * 25, events.m_sparkles);
}
