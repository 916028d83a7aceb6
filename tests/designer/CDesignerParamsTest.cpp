#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerParams.h"
#include "tests/files/CTempDir.h"
#include "tests/gamebase/TestParams.h"

TEST(DesignerParams, MissingOrBadTuningValuesTakeSafeOnes)
{
    const struct { const char *width, *attempt, *low, *high, *skins; } cases[] = {
        {"0", "0", "0", "0", "0"}, {"-5", "-1", "9 12 -3", "2 0 99", "1"}, {"nan", "100000", "5", "4", "2"}};
    for (const auto& c : cases)
    {
        auto params = ReadTestParams<CDesignerParams>({{"m_field_width", c.width}, {"m_attempt", c.attempt},
                                                       {"m_min_count", c.low}, {"m_max_count", c.high},
                                                       {"m_skins_count", c.skins}});
        EXPECT_GT(params->GetFieldWidth(), 0.0f);
        EXPECT_GE(params->GetAttempt(), 1);
        EXPECT_LE(params->GetAttempt(), CDesignerParams::MAX_ATTEMPT);
        EXPECT_GE(params->GetSkinsCount(), CDesignerParams::MIN_SKINS);
        EXPECT_EQ(CDesignerParams::DEFAULT_SKIN, params->GetCurrentSkin());
        for (int d = 0; d < 3; ++d)
        {
            EXPECT_LE(1, params->GetMinCount(d));
            EXPECT_LE(params->GetMinCount(d), params->GetMaxCount(d));
            EXPECT_LE(params->GetMaxCount(d), 9);
        }
    }
}

// Reading the settings back is the shared parameter base's, tested with the
// remover; what is the designer's own are the names.
TEST(DesignerParams, SettingsAndTablesAreStoredUnderTheDesignersNames)
{
    CTempDir dir;
    ASSERT_EQ(0, mkdir(dir.File("data").c_str(), 0700));
    {
        CDesignerParams params;
        params.SetDataRoot(dir.GetPath());
        params.SetLastSize(2);
        params.GetScoreTable(5)->Add("Ada", 900);
        params.SaveSettings();
    }
    CConfigFile raw;
    EXPECT_TRUE(raw.Load(dir.File("data/designer.cfg"), true, "729p3k5x", 8));
    EXPECT_EQ("2", raw.GetValue("remover_last_size", ""));
    EXPECT_TRUE(CTempDir::Exists(dir.File("data/scores412.tab")));
}
