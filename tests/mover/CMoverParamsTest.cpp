#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverParams.h"
#include "games/mover/CMoverField.h"
#include "shell/game/CRandom.h"
#include "tests/files/CTempDir.h"

TEST(MoverParams, MissingOrBadValuesReadAsZeroButTheWidthStaysUsable)
{
    struct SCase
    {
        const char* width;
        float expected;
    };
    const SCase cases[] = {{nullptr, CMoverParams::DEFAULT_FIELD_WIDTH},
                           {"0", CMoverParams::DEFAULT_FIELD_WIDTH},
                           {"-5", CMoverParams::DEFAULT_FIELD_WIDTH},
                           {"nan", CMoverParams::DEFAULT_FIELD_WIDTH},
                           {"640", 640.0f}};
    for (const SCase& c : cases)
    {
        CMoverParams params;
        CConfigFile store;
        if (c.width)
            store.SetValue("m_field_width", c.width);
        store.SetValue("m_score_level", "10 20 30 40");
        store.SetValue("m_score_step", "7 8");
        params.ReadParams(store);
        EXPECT_EQ(c.expected, params.GetFieldWidth());
        EXPECT_EQ(1, params.GetSkinsCount());
        EXPECT_EQ(40, params.GetLevelScore(1, 0));
        EXPECT_EQ(0, params.GetLevelScore(2, 2));
        EXPECT_EQ(8, params.GetStepScore(1));
        EXPECT_EQ(0, params.GetStepScore(2));
        CRandom random(1);
        CMoverField field(params, nullptr, nullptr, random);
        EXPECT_GT(field.GetBrickSize(), 0.0f);
    }
}

TEST(MoverParams, SettingsAndTablesGoToTheMoverFilesWithItsKey)
{
    CTempDir dir;
    CMoverParams params;
    params.SetDataRoot(dir.GetPath());
    params.LoadSettings();
    EXPECT_EQ(0, params.GetLastSize());
    EXPECT_EQ(0, params.GetLastDifficulty());
    EXPECT_TRUE(params.GetAutosave());
    params.SetLastSize(2);
    params.SetLastDifficulty(1);
    params.SaveSettings();

    CConfigFile store;
    ASSERT_TRUE(store.Load(dir.File("data/mover.cfg"), true, "394m612z", 8));
    EXPECT_EQ("2", store.GetValue("remover_last_size", "?"));
    EXPECT_EQ("1", store.GetValue("remover_last_difficult", "?"));
    EXPECT_TRUE(CTempDir::Exists(dir.File("data/scores220.tab")));

    CScoreCaptionList captions;
    params.GetScoreCaption(captions);
    ASSERT_EQ(9u, captions.size());
    EXPECT_EQ("Hard - Small Field", captions[6].first);
    EXPECT_EQ(params.GetScoreTable(6), captions[6].second);
}
