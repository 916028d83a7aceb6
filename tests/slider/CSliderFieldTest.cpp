#include <gtest/gtest.h>

#include "games/slider/CSliderBrick.h"
#include "tests/slider/SliderTestKit.h"

TEST(SliderDeal, DealGivesEveryColourItsShareOfTheInnerCells)
{
    // Colour counts outside 1..6 are clamped before they size the deal.
    const struct { int colors; std::vector<int> counts; } cases[] = {
        {4, {25, 25, 25, 25, 0, 0}}, {6, {17, 17, 17, 17, 16, 16}}, {0, {100, 0, 0, 0, 0, 0}},
        {9, {17, 17, 17, 17, 16, 16}}};
    for (const auto& c : cases)
    {
        auto params = MakeSliderParams(0, 0, c.colors);
        CSliderField field(*params, nullptr, nullptr, SliderRandom());
        field.NewLevel();
        std::vector<int> counts(6, 0);
        for (int y = 0; y < field.GetHeight(); ++y)
            for (int x = 0; x < field.GetWidth(); ++x)
                if (const CSliderBrick* brick = field.GetSliderBrick(x, y))
                {
                    ASSERT_TRUE(field.IsInner(x, y)) << x << "," << y;
                    ++counts[brick->GetColor()];
                }
        EXPECT_EQ(c.counts, counts) << c.colors << " colours";
    }
}

TEST(SliderGroups, GroupsOfFiveOrMoreOfOneMoveScoreTogether)
{
    const struct { std::vector<std::string> board; int score; std::vector<std::string> after; } cases[] = {
        {{"RRRRG", "GBGBY"}, 0, {"RRRRG.....", "GBGBY....."}},
        {{"R.R.R", ".R.R.", "R.R.R"}, 0, {"R.R.R....."}},   // diagonals do not join
        // 5 + 6 bricks: 11 x 12, not 5 x 6 + 6 x 7.
        {{"RRRRRG", "BGBGBG", "YYY...", "Y.YY.."}, 132, {"rrrrrG....", "BGBGBG....", "yyy.......", "y.yy......"}},
        {{"G", "G", "G", "G", "G"}, 30, {"g.........", "g........."}},   // along the ring
    };
    for (const auto& c : cases)
    {
        auto params = MakeSliderParams(0, 0);
        CRecordingEvents events;
        CSliderField field(*params, &events, nullptr, SliderRandom());
        SetSliderBoard(field, c.board);
        field.RemoveGroups();
        EXPECT_EQ(c.score, field.GetScore()) << c.board[0];
        std::vector<std::string> board = GetSliderBoard(field);
        board.resize(c.after.size());
        EXPECT_EQ(c.after, board);
        EXPECT_EQ(c.score > 0 ? 1 : 0, events.CountSound(CSliderField::SOUND_REMOVED));
        EXPECT_EQ(c.score > 0 ? 1u : 0u, field.GetPopups().size());
    }
}

TEST(SliderRemoval, RemovedBricksFadeThenTheFinishTestRunsOnce)
{
    auto params = MakeSliderParams(0, 0);
    CRecordingEvents events;
    CSliderField field(*params, &events, nullptr, SliderRandom());
    SetSliderBoard(field, {"RRRRRGGBB", "YY"});
    field.RemoveGroups();
    // 25 fade steps, then the update that finds none left.
    EXPECT_EQ(CSliderBrick::FADE_STEPS + 1, RunUntilIdle(field));
    EXPECT_EQ(".....GGBB.", GetSliderBoard(field)[0]);
    EXPECT_TRUE(field.GetFinished());
    EXPECT_EQ(1, events.CountSound(CSliderField::SOUND_FINISHED));
    EXPECT_EQ(5 * 25, events.CountSparkles());
}
