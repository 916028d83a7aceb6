#include <gtest/gtest.h>

#include <filesystem>

#include "engine/files/CConfigFile.h"
#include "tests/eraser/EraserTestKit.h"
#include "tests/files/CTempDir.h"

TEST(EraserParams, MissingOrSenselessValuesTakePlayableDefaults)
{
    for (const char* bad : {"", "0 0 0", "-3 7 500"})
    {
        CEraserParams params;
        CConfigFile store;
        store.SetValue("m_group_size", bad);
        store.SetValue("m_colors_field", bad);
        params.ReadParams(store);
        for (int d = 0; d < 3; ++d)
        {
            EXPECT_GE(params.GetGroupSize(d), 1);
            EXPECT_GE(params.GetColorCount(d), 1);
            EXPECT_LE(params.GetColorCount(d), 6);
        }
        EXPECT_GT(params.GetFallSpeed(), 0.0f);
        EXPECT_GT(params.GetFieldWidth(), 0.0f);
    }
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
    EXPECT_EQ(12, params->GetBoardSize()) << "large, easy";
    EXPECT_EQ(2, params->GetCurrentSkin());
    EXPECT_FALSE(params->GetAutosave());

    params->SetLastDifficulty(2);
    params->SetLastSize(1);
    params->SaveSettings();
    CConfigFile back;
    ASSERT_TRUE(back.Load(dir.File("data/eraser.cfg"), true, "394m612z", 8));
    EXPECT_EQ("2 1 2 0", back.GetValue("remover_last_difficult", "") + " " + back.GetValue("remover_last_size", "") +
                             " " + back.GetValue("m_current_skin", "") + " " + back.GetValue("m_autosave", ""));
    EXPECT_EQ(dir.File("data/scores521.tab"), params->GetScoreTablePath(2, 1));
    EXPECT_EQ(params->GetScoreTable(7), params->GetCurrentScoreTable());
}
