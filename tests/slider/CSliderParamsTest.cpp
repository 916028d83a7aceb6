#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderParams.h"

TEST(SliderParams, MissingOrDamagedKeysAreMadePlayableAndMovesIndexedBySizeThenDifficulty)
{
    CSliderParams params;
    params.ReadParams(CConfigFile());
    EXPECT_GT(params.GetFieldWidth(), 0.0f);
    EXPECT_GT(params.GetAnimateAngle(), 0.0f);
    EXPECT_EQ(1, params.GetColors(2, 2));
    EXPECT_EQ(1, params.GetFirstLevelMoves(2, 2));
    CConfigFile store;
    store.SetValue("m_score_level", "11 12 13 21 22 23 31 32 33");
    store.SetValue("m_colors_medium", "3 9 -1");
    params.ReadParams(store);
    EXPECT_EQ(12, params.GetFirstLevelMoves(0, 1));
    EXPECT_EQ(31, params.GetFirstLevelMoves(2, 0));
    EXPECT_EQ((std::vector<int>{3, 6, 1}),
              (std::vector<int>{params.GetColors(1, 0), params.GetColors(1, 1), params.GetColors(1, 2)}));
}
