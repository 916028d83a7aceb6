#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverParams.h"
#include "tests/files/CTempDir.h"
#include "tests/remover/RemoverTestKit.h"
#include "tests/gamebase/TestParams.h"

namespace
{
class RemoverParamsFiles : public ::testing::Test
{
protected:
    void SetUp() override { mkdir((root + "/data").c_str(), 0755); }
    bool Exists(const std::string& relative) const { return CTempDir::Exists(root + "/" + relative); }
    std::unique_ptr<CRemoverParams> Make() const
    {
        auto params = MakeParams(0, 0);
        params->SetDataRoot(root);
        return params;
    }

    CTempDir m_dir;
    const std::string root = m_dir.GetPath();
};
}

TEST_F(RemoverParamsFiles, SettingsHoldExactlyTheFourKeysAndTheNineTablesAreWritten)
{
    auto params = Make();
    params->SetLastSize(2);
    params->SetLastDifficulty(1);
    params->SetCurrentSkin(2);
    params->SetAutosave(false);
    params->SaveSettings();
    CConfigFile raw;
    ASSERT_TRUE(raw.Load(root + "/data/remover.cfg", true, "52kq781w", 8));
    CConfigFile::Pairs expected = {{"m_autosave", "0"},
                                   {"m_current_skin", "2"},
                                   {"remover_last_difficult", "1"},
                                   {"remover_last_size", "2"}};
    EXPECT_EQ(expected, raw.GetPairs());
    for (int d = 0; d < 3; ++d)
        for (int s = 0; s < 3; ++s)
            EXPECT_TRUE(Exists("data/scores1" + std::to_string(d) + std::to_string(s) + ".tab"));
}

TEST_F(RemoverParamsFiles, StoredChoicesOutOfRangeAreTheFirstAndAMissingAutosaveIsOff)
{
    // Skin, size, difficulty and autosave as stored (no file when the skin is
    // null), then as read.
    const struct
    {
        const char* skin;
        const char* size;
        const char* difficulty;
        const char* autosave;
        int readSkin, readSize, readDifficulty;
        bool readAutosave;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, 0, 0, 0, true},
        {"2", "2", "1", "0", 2, 2, 1, false},
        {"99", "7", "-3", "1", 2, 0, 0, true},
        {"1", "5", "99", "1", 1, 0, 0, true},
        {"1", "1", "2", nullptr, 1, 1, 2, false},
    };
    for (const auto& c : cases)
    {
        if (c.skin != nullptr)
        {
            CConfigFile raw;
            raw.SetValue("m_current_skin", c.skin);
            raw.SetValue("remover_last_size", c.size);
            raw.SetValue("remover_last_difficult", c.difficulty);
            if (c.autosave != nullptr)
                raw.SetValue("m_autosave", c.autosave);
            ASSERT_TRUE(raw.Save(root + "/data/remover.cfg", "52kq781w", 8));
        }
        auto params = Make();
        params->LoadSettings();
        EXPECT_EQ(c.readSkin, params->GetCurrentSkin()) << c.size;
        EXPECT_EQ(c.readSize, params->GetLastSize()) << c.size;
        EXPECT_EQ(c.readDifficulty, params->GetLastDifficulty()) << c.size;
        EXPECT_EQ(c.readAutosave, params->GetAutosave()) << c.size;
    }
}

// Autosave off read from a file we did not write whole must never delete a
// saved game: only a file holding every key as a number is the player's word.
TEST_F(RemoverParamsFiles, OnlyAWholeSettingsFileIsTrusted)
{
    const std::string path = root + "/data/remover.cfg";
    CConfigFile whole;
    whole.SetValue("m_autosave", "0");
    whole.SetValue("m_current_skin", "1");
    whole.SetValue("remover_last_difficult", "1");
    whole.SetValue("remover_last_size", "1");
    CConfigFile lacksAutosave = whole;
    lacksAutosave.SetValue("m_autosave", "");
    CConfigFile lacksSize = whole;
    lacksSize.SetValue("remover_last_size", "x");
    const struct
    {
        const char* what;
        const CConfigFile* store;
        const char* key;
        bool trusted;
    } cases[] = {
        {"whole", &whole, "52kq781w", true},
        {"scrambled with another key", &whole, "w187qk25", false},
        {"autosave not a number", &lacksAutosave, "52kq781w", false},
        {"size not a number", &lacksSize, "52kq781w", false},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(c.store->Save(path, c.key, 8));
        auto params = Make();
        params->LoadSettings();
        EXPECT_EQ(c.trusted, params->IsAutosaveTrusted()) << c.what;
    }
    CConfigFile noneOfOurs;
    noneOfOurs.SetValue("m_window_width", "800");
    ASSERT_TRUE(noneOfOurs.Save(path, "52kq781w", 8));
    auto params = Make();
    params->LoadSettings();
    EXPECT_FALSE(params->IsAutosaveTrusted());
    EXPECT_FALSE(params->GetAutosave());
}

TEST_F(RemoverParamsFiles, TablesAreReadWithoutASettingsFileAndFollowDifficultyThenSize)
{
    CConfigFile table;
    table.SetValue("num", "1");
    table.SetValue("name0", "Keeper");
    table.SetValue("score0", "4321");
    ASSERT_TRUE(table.Save(root + "/data/scores121.tab", "ko%58w", 6));
    auto params = Make();
    params->LoadSettings();
    ASSERT_EQ(1, params->GetScoreTable(7)->GetCount());
    EXPECT_EQ("Keeper", params->GetScoreTable(7)->GetName(0));
    EXPECT_EQ(0, params->GetScoreTable(5)->GetCount());
    // Hard (2), medium field (1): table 7.
    params->SetLastDifficulty(2);
    params->SetLastSize(1);
    EXPECT_EQ(params->GetScoreTable(7), params->GetCurrentScoreTable());
    CScoreCaptionList list;
    params->GetScoreCaption(list);
    ASSERT_EQ(9u, list.size());
    EXPECT_EQ("Easy - Large Field", list[2].first);
    EXPECT_EQ("Medium - Small Field", list[3].first);
    EXPECT_EQ("Hard - Medium Field", list[7].first);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(params->GetScoreTable(i), list[i].second);
}

TEST(RemoverParams, BadValuesTakeSafeOnes)
{
    auto params = ReadTestParams<CRemoverParams>(
        {{"m_bricks_per_step", "5 4"}, {"m_field_width", "-4"}, {"m_skins_count", "0"}});
    EXPECT_EQ(4, params->GetBricksPerStep(1));
    EXPECT_EQ(1, params->GetBricksPerStep(2));
    EXPECT_GT(params->GetFieldWidth(), 0.0f);
    EXPECT_EQ(1, params->GetSkinsCount());
    EXPECT_EQ(static_cast<std::size_t>(CGameParams::MODELS_PER_SKIN), params->GetBrickModelTable().size());
}
