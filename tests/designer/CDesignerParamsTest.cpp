#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerParams.h"
#include "tests/files/CTempDir.h"

TEST(DesignerParams, MissingOrBadTuningValuesTakeSafeOnes)
{
    const struct { const char *width, *attempt, *low, *high, *skins; } cases[] = {
        {"0", "0", "0", "0", "0"}, {"-5", "-1", "9 12 -3", "2 0 99", "1"}, {"nan", "100000", "5", "4", "2"}};
    for (const auto& c : cases)
    {
        CConfigFile store;
        store.SetValue("m_field_width", c.width);
        store.SetValue("m_attempt", c.attempt);
        store.SetValue("m_min_count", c.low);
        store.SetValue("m_max_count", c.high);
        store.SetValue("m_skins_count", c.skins);
        CDesignerParams params;
        params.ReadParams(store);
        EXPECT_GT(params.GetFieldWidth(), 0.0f);
        EXPECT_GE(params.GetAttempt(), 1);
        EXPECT_LE(params.GetAttempt(), CDesignerParams::MAX_ATTEMPT);
        EXPECT_GE(params.GetSkinsCount(), CDesignerParams::MIN_SKINS);
        EXPECT_EQ(CDesignerParams::DEFAULT_SKIN, params.GetCurrentSkin());
        for (int d = 0; d < 3; ++d)
        {
            EXPECT_LE(1, params.GetMinCount(d));
            EXPECT_LE(params.GetMinCount(d), params.GetMaxCount(d));
            EXPECT_LE(params.GetMaxCount(d), 9);
        }
    }
}

TEST(DesignerParams, SettingsAndTablesRoundTripUnderTheirNames)
{
    CTempDir dir;
    const std::string root = dir.GetPath();
    ASSERT_EQ(0, mkdir(dir.File("data").c_str(), 0700));
    {
        CDesignerParams params;
        params.SetDataRoot(root);
        params.SetLastSize(2);
        params.SetLastDifficulty(1);
        params.SetCurrentSkin(0);
        params.SetAutosave(false);
        params.GetScoreTable(5)->Add("Ada", 900);
        params.SaveSettings();
    }
    CConfigFile raw;
    EXPECT_TRUE(raw.Load(root + "/data/designer.cfg", true, "729p3k5x", 8));
    EXPECT_EQ("2", raw.GetValue("remover_last_size", ""));
    CDesignerParams params;
    params.SetDataRoot(root);
    params.LoadSettings();
    EXPECT_EQ(2, params.GetLastSize());
    EXPECT_EQ(1, params.GetLastDifficulty());
    EXPECT_EQ(0, params.GetCurrentSkin());
    EXPECT_FALSE(params.GetAutosave());
    EXPECT_TRUE(CTempDir::Exists(root + "/data/scores412.tab"));
}
