#include <gtest/gtest.h>

#include <filesystem>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserParams.h"
#include "tests/eraser/EraserTestKit.h"
#include "tests/files/CTempDir.h"

TEST(EraserParams, MissingOrSenselessValuesTakePlayableDefaults)
{
    for (const char* groups : {"", "0 0 0", "-3 0 500"})
        for (const char* colors : {"", "0 0 0", "7 9 -1"})
        {
            CEraserParams params;
            CConfigFile store;
            store.SetValue("m_group_size", groups);
            store.SetValue("m_colors_field", colors);
            store.SetValue("m_fall_effect_speed", "0");
            params.ReadParams(store);
            for (int d = 0; d < 3; ++d)
            {
                EXPECT_GE(params.GetGroupSize(d), 1);
                EXPECT_GE(params.GetColorCount(d), 1);
                EXPECT_LE(params.GetColorCount(d), 6);
            }
            EXPECT_GT(params.GetFallSpeed(), 0.0f);
            EXPECT_GT(params.GetFieldWidth(), 0.0f);
            EXPECT_GE(params.GetSkinsCount(), 1);
        }
}

TEST(EraserParams, TheTextsValuesAreTakenAsTheyStand)
{
    auto params = MakeParams(0, 0);
    EXPECT_EQ(640.0f, params->GetFieldWidth());
    EXPECT_EQ(10, params->GetScoreBrick());
    EXPECT_EQ(5, params->GetScoreBrickPenalty());
    EXPECT_EQ(3, params->GetGroupSize(1));
    EXPECT_EQ(6, params->GetColorCount(2));
    EXPECT_EQ(3, params->GetSkinsCount());
}

TEST(EraserParams, SettingsAreClampedAndWrittenWithTheirKey)
{
    CTempDir dir;
    std::filesystem::create_directories(dir.File("data"));
    CConfigFile bad;
    bad.SetValue("remover_last_size", "9");
    bad.SetValue("remover_last_difficult", "-4");
    bad.SetValue("m_current_skin", "40");
    bad.SetValue("m_autosave", "0");
    ASSERT_TRUE(bad.Save(dir.File("data/eraser.cfg"), "394m612z", 8));

    auto params = MakeParams(0, 0);
    params->SetDataRoot(dir.GetPath());
    params->LoadSettings();
    EXPECT_EQ(2, params->GetLastSize());
    EXPECT_EQ(0, params->GetLastDifficulty());
    EXPECT_EQ(2, params->GetCurrentSkin());
    EXPECT_FALSE(params->GetAutosave());
    EXPECT_EQ(12, params->GetBoardSize());

    params->SetLastDifficulty(2);
    params->SetLastSize(1);
    params->SaveSettings();
    CConfigFile back;
    ASSERT_TRUE(back.Load(dir.File("data/eraser.cfg"), true, "394m612z", 8));
    EXPECT_EQ("2", back.GetValue("remover_last_difficult", ""));
    EXPECT_EQ("1", back.GetValue("remover_last_size", ""));
    EXPECT_EQ("2", back.GetValue("m_current_skin", ""));
    EXPECT_EQ("0", back.GetValue("m_autosave", ""));
    EXPECT_EQ(dir.File("data/scores521.tab"), params->GetScoreTablePath(2, 1));
    EXPECT_EQ(params->GetScoreTable(7), params->GetCurrentScoreTable());
}
