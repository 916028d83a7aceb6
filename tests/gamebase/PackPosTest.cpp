#include <gtest/gtest.h>

#include "shell/game/CGameBackground.h"
#include "shell/game/PackPos.h"

TEST(PackPos, ColumnGoesHighRowGoesLow)
{
    EXPECT_EQ(3 * 65536 + 5, PackPos(3, 5));
    int x = -1;
    int y = -1;
    UnpackPos(PackPos(3, 5), x, y);
    EXPECT_EQ(3, x);
    EXPECT_EQ(5, y);
    UnpackPos(PackPos(32767, 65535), x, y);
    EXPECT_EQ(32767, x);
    EXPECT_EQ(65535, y);
}

TEST(GameBackground, ScoreIsRightAlignedInSixPlaces)
{
    EXPECT_EQ("Score:     42", CGameBackground::FormatScore(42));
    EXPECT_EQ("Score: 1234567", CGameBackground::FormatScore(1234567));
}
