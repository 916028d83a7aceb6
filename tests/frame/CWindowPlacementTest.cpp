#include <climits>

#include <gtest/gtest.h>

#include "engine/frame/CWindowPlacement.h"

TEST(CWindowPlacement, StoredPlaceIsKeptOnTheDesktopAndPulledInOrCentredOffIt)
{
    const struct
    {
        const char* name;
        int x, y, width, height, desktopWidth, desktopHeight;
        int placedX, placedY;
    } cases[] = {
        {"zero means centred", 0, 0, 800, 600, 1920, 1080, 560, 240},
        {"on the desktop", 30, 40, 800, 600, 1920, 1080, 30, 40},
        {"middle beyond the right edge halves x, then the right edge stops it", 1500, 10, 800, 600, 1024, 768, 224, 10},
        {"halved and whole on the desktop", 1000, 740, 200, 100, 1024, 768, 500, 370},
        {"middle exactly on the edge", 624, 468, 800, 600, 1024, 768, 224, 168},
        {"halved, still over the right and bottom edges", 900, 700, 800, 600, 1024, 768, 224, 168},
        {"over the left and top edges", -100, -50, 800, 600, 1024, 768, 0, 0},
        {"middle on the desktop, edges over it", 200, 200, 1000, 700, 1024, 768, 24, 68},
        {"touching the right and bottom edges", 224, 168, 800, 600, 1024, 768, 224, 168},
        {"still off after halving", 5000, 4000, 800, 600, 1024, 768, 112, 84},
        {"wholly left", -900, 100, 800, 600, 1024, 768, 112, 84},
        {"wholly above", 100, -700, 800, 600, 1024, 768, 112, 84},
        {"partly visible", -200, 100, 800, 600, 1024, 768, 0, 100},
        {"cut to the desktop at the default place", 112, 84, 4000, 4000, 1024, 768, 0, 0},
        {"cut in width only", 112, 84, 20000, 600, 1024, 768, 0, 84},
        {"as large as the desktop", 300, 200, 1024, 768, 1024, 768, 0, 0},
    };
    for (const auto& c : cases)
    {
        const SWindowPlace place = CWindowPlacement::Place(c.x, c.y, c.width, c.height, c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(place.x, c.placedX) << c.name;
        EXPECT_EQ(place.y, c.placedY) << c.name;
        if (c.width <= c.desktopWidth && c.height <= c.desktopHeight)
        {
            // A window that fits keeps its size and shows whole.
            EXPECT_EQ(place.width, c.width) << c.name;
            EXPECT_EQ(place.height, c.height) << c.name;
            EXPECT_GE(place.x, 0) << c.name;
            EXPECT_GE(place.y, 0) << c.name;
            EXPECT_LE(place.x + place.width, c.desktopWidth) << c.name;
            EXPECT_LE(place.y + place.height, c.desktopHeight) << c.name;
        }
    }
}

TEST(CWindowPlacement, StoredSizeIsCutToTheDesktopAndStaysOnIt)
{
    const struct
    {
        int x, y, width, height;
    } cases[] = {
        {0, 0, 1200, 900},
        {0, 0, 20000, 20000},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, 4000, 4000},
        {INT_MAX, INT_MIN, 800, 600},
    };
    for (const auto& c : cases)
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
