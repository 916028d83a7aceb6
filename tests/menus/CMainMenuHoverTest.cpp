#include <gtest/gtest.h>

#include "shell/CMainMenuHover.h"

#include <sstream>

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

TEST(CMainMenuHover, FiftyMillisecondsOfHoverRaiseTheTitleAndSevenHundredIdleLowerIt)
{
    // Steps "ms:kind" (kind -1 or one outside the eight is none). Hover time
    // rises while a kind is hovered up to 50 and falls at most one step below
    // zero; idle time rises while none is, is paid back by hover, and at 700
    // lowers the title again.
    const struct
    {
        const char* steps;
        bool raised;
        float hover;
        float idle;
    } cases[] = {
        {"16:3 16:3 16:3", false, 48.0f, 0.0f},
        {"30:0 30:0", true, 50.0f, 0.0f},
        {"40:1 16:-1", false, 24.0f, 16.0f},
        {"30:0 40:-1 40:-1", false, -10.0f, 80.0f},
        {"100:8", false, 0.0f, 100.0f},
        {"50:0 100:-1 100:-1 100:-1 100:-1 100:-1 100:-1", true, -50.0f, 600.0f},
        {"50:0 100:-1 100:-1 100:-1 100:-1 100:-1 100:-1 100:-1", false, -50.0f, 700.0f},
        {"100:-1 100:-1 100:-1 100:-1 100:-1 100:-1 100:-1 100:2 100:2 100:2 100:-1 100:-1", true, -50.0f, 600.0f},
        {"100:-1 100:-1 100:-1 100:-1 100:-1 100:-1 100:-1 100:2 100:2 100:2 100:-1 100:-1 100:-1", false, -50.0f,
         700.0f},
    };
    for (const auto& c : cases)
    {
        CMainMenuHover hover;
        std::istringstream steps(c.steps);
        float ms = 0.0f;
        char colon = 0;
        int kind = 0;
        while (steps >> ms >> colon >> kind)
            hover.Step(ms, kind);
        EXPECT_EQ(hover.GetMotion(), c.raised ? CMainMenuHover::kRaised : CMainMenuHover::kLowered) << c.steps;
        EXPECT_FLOAT_EQ(hover.GetHoverTime(), c.hover) << c.steps;
        EXPECT_FLOAT_EQ(hover.GetIdleTime(), c.idle) << c.steps;
    }
}

TEST(CMainMenuHover, ThumbnailFadesInOnceTheTitleIsAboveThreeSwitchesKindAtOnceAndFadesOutWithTheTitleUp)
{
    CMainMenuHover hover;
    hover.Step(50.0f, 4);
    EXPECT_FALSE(hover.IsThumbnailShown(4));
    // y_n = 5 - 10 * (19/20)^n passes 3 at n = 32.
    EXPECT_EQ(31, StepsUntilThumbnail(hover, 16.0f, 4, 100));
    EXPECT_FLOAT_EQ(0.05f, hover.GetAlpha());
    for (int i = 0; i < 10; ++i)
        hover.Step(16.0f, 4);
    EXPECT_NEAR(0.55f, hover.GetAlpha(), 1e-5f);
    for (int i = 0; i < 40; ++i)
        hover.Step(16.0f, 4);
    EXPECT_FLOAT_EQ(1.0f, hover.GetAlpha());
    const float y = hover.GetTitleY();
    hover.Step(16.0f, 5);
    EXPECT_TRUE(hover.IsThumbnailShown(5));
    EXPECT_FALSE(hover.IsThumbnailShown(4));
    EXPECT_GT(hover.GetTitleY(), y);
    EXPECT_FLOAT_EQ(1.0f, hover.GetAlpha());
    hover.Step(16.0f, kNone);
    EXPECT_TRUE(hover.IsThumbnailShown(5));
    EXPECT_FLOAT_EQ(0.95f, hover.GetAlpha());
    for (int i = 0; i < 25; ++i)
        hover.Step(16.0f, kNone);
    EXPECT_FLOAT_EQ(0.0f, hover.GetAlpha());
    EXPECT_EQ(CMainMenuHover::kRaised, hover.GetMotion());
}
