#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CRandom.h"
#include "tests/files/CTempDir.h"

namespace
{
TEST(JewelParams, ParameterTextWithoutKeysStillGivesAPlayableBoard)
{
    CJewelParams params;
    CConfigFile empty;
    params.ReadParams(empty);
    EXPECT_GT(params.GetFieldWidth(), 0.0f);
    EXPECT_GT(params.GetFallSpeed(), 0.0f);
    // The deal ends even with the fewest colours and the longest runs.
    CConfigFile odd;
    odd.SetValue("m_group_size", "1 99");
    odd.SetValue("m_colors_field", "0 1 44");
    params.ReadParams(odd);
    EXPECT_EQ(3, params.GetGroupSize(0));
    EXPECT_EQ(CJewelParams::MAX_GROUP, params.GetGroupSize(1));
    CRandom random(2);
    params.SetLastDifficulty(1);
    CJewelField field(params, random, nullptr, nullptr, nullptr);
    field.NewLevel(1);
    EXPECT_FALSE(field.IsStuck());
}

TEST(JewelParams, SettingsOutOfRangeAreClampedToABoardThatFits)
{
    CTempDir dir;
    mkdir(dir.File("data").c_str(), 0755);
    CConfigFile settings;
    settings.SetValue("remover_last_size", "9");
    settings.SetValue("remover_last_difficult", "-4");
    settings.SetValue("m_current_skin", "40");
    ASSERT_TRUE(settings.Save(dir.File("data/jewel.cfg"), "394m612z", 8));
    CJewelParams params;
    params.SetDataRoot(dir.GetPath());
    params.LoadSettings();
    EXPECT_GE(params.GetBoardSize(), 8);
    EXPECT_LE(params.GetBoardSize(), 14);
    EXPECT_LT(params.GetCurrentSkin(), params.GetSkinsCount());
}
}
