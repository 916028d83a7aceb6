#include <gtest/gtest.h>

#include "shell/game/CGameBackground.h"

TEST(GameBackground, ScoreIsRightAlignedInSixPlaces)
{
    EXPECT_EQ("Score:     42", CGameBackground::FormatScore(42));
    EXPECT_EQ("Score: 1234567", CGameBackground::FormatScore(1234567));
}
