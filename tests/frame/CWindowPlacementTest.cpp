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
        {"middle beyond the right edge halves x", 1500, 10, 800, 600, 1024, 768, 750, 10},
        {"middle exactly on the edge", 624, 468, 800, 600, 1024, 768, 312, 234},
        {"still off after halving", 5000, 4000, 800, 600, 1024, 768, 112, 84},
        {"wholly left", -900, 100, 800, 600, 1024, 768, 112, 84},
        {"wholly above", 100, -700, 800, 600, 1024, 768, 112, 84},
        {"partly visible", -200, 100, 800, 600, 1024, 768, -200, 100},
        {"larger than the desktop", 0, 0, 1200, 900, 1024, 768, -88, -66},
    };
    for (const auto& c : cases)
    {
        const SWindowPlace place = CWindowPlacement::Place(c.x, c.y, c.width, c.height, c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(place.x, c.placedX) << c.name;
        EXPECT_EQ(place.y, c.placedY) << c.name;
    }
}
