#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "tests/files/CTempDir.h"
#include "tests/mover/MoverTestKit.h"

TEST(MoverParams, MissingValuesReadAsZeroButTheWidthStaysUsable)
{
    for (const char* width : {"", "0", "-5", "nan"})
    {
        CMoverParams params;
        CConfigFile store;
        store.SetValue("m_field_width", width);
        store.SetValue("m_score_level", "10 20 30 40");
        params.ReadParams(store);
        EXPECT_EQ(CMoverParams::DEFAULT_FIELD_WIDTH, params.GetFieldWidth());
        EXPECT_EQ(40, params.GetLevelScore(1, 0));
        EXPECT_EQ(0, params.GetLevelScore(2, 2));
        EXPECT_EQ(1, params.GetSkinsCount());
    }
}

TEST(MoverParams, SettingsAndTablesGoToTheMoverFilesWithItsKey)
{
    CTempDir dir;
    CMoverParams params;
    params.SetDataRoot(dir.GetPath());
    params.LoadSettings();
    EXPECT_TRUE(params.GetAutosave());
    params.SetLastSize(2);
    params.SaveSettings();
    CConfigFile store;
    ASSERT_TRUE(store.Load(dir.File("data/mover.cfg"), true, "394m612z", 8));
    EXPECT_EQ("2", store.GetValue("remover_last_size", "?"));
    EXPECT_TRUE(CTempDir::Exists(dir.File("data/scores220.tab")));
}
