#include <climits>

#include <gtest/gtest.h>

#include "engine/frame/CWindowPlacement.h"

TEST(CWindowPlacement, ZeroPositionMeansCentred)
{
    const SWindowPlace place = CWindowPlacement::Place(0, 0, 800, 600, 1920, 1080);
    EXPECT_EQ(560, place.x);
    EXPECT_EQ(240, place.y);
}

TEST(CWindowPlacement, StoredPositionOnTheDesktopIsKept)
{
    const SWindowPlace place = CWindowPlacement::Place(30, 40, 800, 600, 1920, 1080);
    EXPECT_EQ(30, place.x);
    EXPECT_EQ(40, place.y);
}

TEST(CWindowPlacement, MiddleBeyondTheRightEdgeHalvesThePosition)
{
    // 1024 <= 400 + 1500, so x is halved to 750.
    const SWindowPlace place = CWindowPlacement::Place(1500, 10, 800, 600, 1024, 768);
    EXPECT_EQ(750, place.x);
    EXPECT_EQ(10, place.y);
}

TEST(CWindowPlacement, MiddleExactlyOnTheEdgeIsPulledIn)
{
    const SWindowPlace place = CWindowPlacement::Place(624, 468, 800, 600, 1024, 768);
    EXPECT_EQ(312, place.x);
    EXPECT_EQ(234, place.y);
}

TEST(CWindowPlacement, WindowStillOffTheDesktopAfterHalvingIsCentred)
{
    const SWindowPlace place = CWindowPlacement::Place(5000, 4000, 800, 600, 1024, 768);
    EXPECT_EQ(112, place.x);
    EXPECT_EQ(84, place.y);
}

TEST(CWindowPlacement, WindowWhollyLeftOrAboveTheDesktopIsCentred)
{
    const SWindowPlace left = CWindowPlacement::Place(-900, 100, 800, 600, 1024, 768);
    EXPECT_EQ(112, left.x);
    EXPECT_EQ(84, left.y);
    const SWindowPlace above = CWindowPlacement::Place(100, -700, 800, 600, 1024, 768);
    EXPECT_EQ(112, above.x);
    EXPECT_EQ(84, above.y);
}

TEST(CWindowPlacement, PartlyVisibleWindowStaysWhereItWas)
{
    const SWindowPlace place = CWindowPlacement::Place(-200, 100, 800, 600, 1024, 768);
    EXPECT_EQ(-200, place.x);
    EXPECT_EQ(100, place.y);
}

TEST(CWindowPlacement, StoredSizeIsCutToTheDesktopAndStaysOnIt)
{
    struct Case
    {
        int x, y, width, height;
    };
    const Case cases[] = {
        {0, 0, 1200, 900},
        {0, 0, 20000, 20000},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, 4000, 4000},
        {INT_MAX, INT_MIN, 800, 600},
    };
    for (const Case& c : cases)
    {
        const SWindowPlace place = CWindowPlacement::Place(c.x, c.y, c.width, c.height, 1024, 768);
        EXPECT_LE(place.width, 1024) << c.x << " " << c.width;
        EXPECT_LE(place.height, 768) << c.y << " " << c.height;
        EXPECT_GE(place.x, 0) << c.x << " " << c.width;
        EXPECT_GE(place.y, 0) << c.y << " " << c.height;
        EXPECT_LE(place.x + place.width, 1024) << c.x << " " << c.width;
        EXPECT_LE(place.y + place.height, 768) << c.y << " " << c.height;
    }
}
