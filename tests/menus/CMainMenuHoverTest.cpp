#include <gtest/gtest.h>

#include "shell/CMainMenuHover.h"

namespace
{
const int kNone = -1;

// Steps until the title stands above the thumbnail height, at most limit times.
int StepsUntilThumbnail(CMainMenuHover& hover, float dt, int kind, int limit)
{
    for (int i = 1; i <= limit; ++i)
    {
        hover.Step(dt, kind);
        if (hover.IsThumbnailShown(kind))
            return i;
    }
    return -1;
}
}

TEST(CMainMenuHover, StartsLoweredWithTitleDownAndNothingShown)
{
    CMainMenuHover hover;
    EXPECT_EQ(CMainMenuHover::kLowered, hover.GetMotion());
    EXPECT_FLOAT_EQ(-5.0f, hover.GetTitleY());
    EXPECT_FLOAT_EQ(0.0f, hover.GetAlpha());
    for (int k = 0; k < CMainMenuHover::kKindCount; ++k)
        EXPECT_FALSE(hover.IsThumbnailShown(k));
}

TEST(CMainMenuHover, HoverShorterThanFiftyMillisecondsLeavesTheTitleDown)
{
    CMainMenuHover hover;
    hover.Step(16.0f, 3);
    hover.Step(16.0f, 3);
    hover.Step(16.0f, 3);
    EXPECT_FLOAT_EQ(48.0f, hover.GetHoverTime());
    EXPECT_EQ(CMainMenuHover::kLowered, hover.GetMotion());
    EXPECT_FLOAT_EQ(-5.0f, hover.GetTitleY());
}

TEST(CMainMenuHover, FiftyMillisecondsOfHoverRaiseTheTitleAndHoldTheTimerAtFifty)
{
    CMainMenuHover hover;
    hover.Step(30.0f, 0);
    hover.Step(30.0f, 0);
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    EXPECT_FLOAT_EQ(50.0f, hover.GetHoverTime());
    // One twentieth of the remaining way up in the same update.
    EXPECT_FLOAT_EQ(-5.0f + 10.0f / 20.0f, hover.GetTitleY());
}

TEST(CMainMenuHover, HoverInterruptedBeforeFiftyMillisecondsCountsDownAgain)
{
    CMainMenuHover hover;
    hover.Step(40.0f, 1);
    hover.Step(16.0f, kNone);
    EXPECT_FLOAT_EQ(24.0f, hover.GetHoverTime());
    hover.Step(20.0f, 1);
    EXPECT_EQ(CMainMenuHover::kLowered, hover.GetMotion());
}

TEST(CMainMenuHover, TitleMovesOneTwentiethOfTheRemainingWayPerUpdate)
{
    CMainMenuHover hover;
    hover.Step(50.0f, 2);
    float expected = -5.0f + (5.0f - -5.0f) / 20.0f;
    EXPECT_FLOAT_EQ(expected, hover.GetTitleY());
    hover.Step(16.0f, 2);
    expected += (5.0f - expected) / 20.0f;
    EXPECT_FLOAT_EQ(expected, hover.GetTitleY());
}

TEST(CMainMenuHover, ThumbnailShowsOnlyOnceTheTitleIsAboveThree)
{
    CMainMenuHover hover;
    hover.Step(50.0f, 4);
    EXPECT_FALSE(hover.IsThumbnailShown(4));
    EXPECT_FLOAT_EQ(0.0f, hover.GetAlpha());
    // y_n = 5 - 10 * (19/20)^n passes 3 at n = 32.
    const int steps = StepsUntilThumbnail(hover, 16.0f, 4, 100);
    EXPECT_EQ(31, steps);
    EXPECT_GT(hover.GetTitleY(), 3.0f);
    EXPECT_FLOAT_EQ(0.05f, hover.GetAlpha());
}

TEST(CMainMenuHover, AlphaRisesByAStepPerUpdateAndStopsAtOne)
{
    CMainMenuHover hover;
    StepsUntilThumbnail(hover, 50.0f, 0, 100);
    float previous = hover.GetAlpha();
    for (int i = 0; i < 10; ++i)
    {
        hover.Step(16.0f, 0);
        EXPECT_NEAR(previous + 0.05f, hover.GetAlpha(), 1e-5f);
        previous = hover.GetAlpha();
    }
    for (int i = 0; i < 40; ++i)
        hover.Step(16.0f, 0);
    EXPECT_FLOAT_EQ(1.0f, hover.GetAlpha());
}

TEST(CMainMenuHover, MovingStraightToAnotherKindSwitchesTheThumbnailAtOnce)
{
    CMainMenuHover hover;
    StepsUntilThumbnail(hover, 50.0f, 1, 100);
    for (int i = 0; i < 30; ++i)
        hover.Step(16.0f, 1);
    const float y = hover.GetTitleY();
    hover.Step(16.0f, 6);
    EXPECT_TRUE(hover.IsThumbnailShown(6));
    EXPECT_FALSE(hover.IsThumbnailShown(1));
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    EXPECT_GT(hover.GetTitleY(), y);
    EXPECT_FLOAT_EQ(1.0f, hover.GetAlpha());
}

TEST(CMainMenuHover, LeavingFadesTheLastThumbnailWhileTheTitleStaysUp)
{
    CMainMenuHover hover;
    StepsUntilThumbnail(hover, 50.0f, 5, 100);
    for (int i = 0; i < 30; ++i)
        hover.Step(16.0f, 5);
    ASSERT_FLOAT_EQ(1.0f, hover.GetAlpha());
    hover.Step(16.0f, kNone);
    EXPECT_TRUE(hover.IsThumbnailShown(5));
    EXPECT_FLOAT_EQ(0.95f, hover.GetAlpha());
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    for (int i = 0; i < 25; ++i)
        hover.Step(16.0f, kNone);
    EXPECT_FLOAT_EQ(0.0f, hover.GetAlpha());
    EXPECT_TRUE(hover.IsThumbnailShown(5));
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
}

TEST(CMainMenuHover, TitleSinksOnlyWhenTheIdleTimeReachesSevenHundred)
{
    CMainMenuHover hover;
    hover.Step(50.0f, 0);
    ASSERT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    for (int i = 0; i < 6; ++i)
        hover.Step(100.0f, kNone);
    EXPECT_FLOAT_EQ(600.0f, hover.GetIdleTime());
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    hover.Step(100.0f, kNone);
    EXPECT_EQ(CMainMenuHover::kLowered, hover.GetMotion());
    EXPECT_FLOAT_EQ(700.0f, hover.GetIdleTime());
}

TEST(CMainMenuHover, IdleTimeIsPaidBackByHoverBeforeTheTitleSinks)
{
    CMainMenuHover hover;
    for (int i = 0; i < 10; ++i)
        hover.Step(100.0f, kNone);
    ASSERT_FLOAT_EQ(700.0f, hover.GetIdleTime());
    // 300 ms of hover take the idle time down to 400: 300 ms away bring it back.
    for (int i = 0; i < 3; ++i)
        hover.Step(100.0f, 2);
    EXPECT_FLOAT_EQ(400.0f, hover.GetIdleTime());
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    hover.Step(100.0f, kNone);
    hover.Step(100.0f, kNone);
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    hover.Step(100.0f, kNone);
    EXPECT_EQ(CMainMenuHover::kLowered, hover.GetMotion());
}

TEST(CMainMenuHover, AFallingTimerStopsAtMostOneStepBelowZero)
{
    CMainMenuHover hover;
    hover.Step(30.0f, 0);
    hover.Step(40.0f, kNone);
    EXPECT_FLOAT_EQ(-10.0f, hover.GetHoverTime());
    hover.Step(40.0f, kNone);
    EXPECT_FLOAT_EQ(-10.0f, hover.GetHoverTime());
}

TEST(CMainMenuHover, ResetKeepsTheMotionButClearsTimersTitleAndThumbnails)
{
    CMainMenuHover hover;
    StepsUntilThumbnail(hover, 50.0f, 7, 100);
    hover.Reset();
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
    EXPECT_FLOAT_EQ(0.0f, hover.GetHoverTime());
    EXPECT_FLOAT_EQ(0.0f, hover.GetIdleTime());
    EXPECT_FLOAT_EQ(0.0f, hover.GetAlpha());
    EXPECT_FLOAT_EQ(-5.0f, hover.GetTitleY());
    EXPECT_FALSE(hover.IsThumbnailShown(7));
    // Still raised: the title climbs again with nothing hovered.
    hover.Step(16.0f, kNone);
    EXPECT_GT(hover.GetTitleY(), -5.0f);
}

TEST(CMainMenuHover, AKindOutsideTheEightCountsAsNone)
{
    CMainMenuHover hover;
    hover.Step(100.0f, 8);
    EXPECT_FLOAT_EQ(100.0f, hover.GetIdleTime());
    EXPECT_FLOAT_EQ(0.0f, hover.GetHoverTime());
    EXPECT_FALSE(hover.IsThumbnailShown(8));
    EXPECT_FALSE(hover.IsThumbnailShown(-1));
}
