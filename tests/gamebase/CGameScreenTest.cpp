#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "platform/CKeyMap.h"
#include "shell/game/CGameScreen.h"

namespace
{
// A game that counts its steps, ends when told and saves one key.
class CCountingScreen : public CGameScreen
{
public:
    explicit CCountingScreen(const SRules& rules, bool takesBackKey = false)
        : CGameScreen(nullptr, rules), m_takes_back_key(takesBackKey)
    {
    }

    int m_steps = 0;
    int m_back_keys = 0;
    bool m_finished = false;
    bool m_refuse_load = false;
    int m_game_score = 0;

protected:
    void UpdateGame(float) override
    {
        ++m_steps;
        m_game_score += 10;
    }
    void DrawGame() override {}
    bool IsGameFinished() const override { return m_finished; }
    int GetGameScore() const override { return m_game_score; }
    void SaveGame(CConfigFile& store) override { store.SetInt("gf_m_steps", m_steps); }
    bool LoadGame(const CConfigFile& store) override
    {
        if (m_refuse_load)
            return false;
        m_steps = StrToInt(store.GetValue("gf_m_steps", "0"));
        return true;
    }
    bool OnBackKey() override
    {
        ++m_back_keys;
        return m_takes_back_key;
    }

private:
    bool m_takes_back_key;
};

CGameScreen::SRules FillerLike()
{
    CGameScreen::SRules rules;
    rules.m_start_delay_ms = 0.0f;
    rules.m_score_key = "score";
    return rules;
}
}

TEST(CGameScreenTest, GameStandsStillForTheStartDelayAfterEveryActivation)
{
    struct SCase
    {
        CGameScreen::SRules rules;
        int stepsAfterFiveFrames;
    };
    const SCase cases[] = {{CGameScreen::SRules(), 2}, {FillerLike(), 5}};
    for (const SCase& c : cases)
    {
        CCountingScreen screen(c.rules);
        screen.Activate();
        for (int frame = 0; frame < 5; ++frame)
            screen.Update(34.0f);
        // 100 ms take three frames of 34 ms to run out.
        EXPECT_EQ(c.stepsAfterFiveFrames, screen.m_steps) << c.rules.m_score_key;
        EXPECT_EQ(10 * screen.m_steps, screen.GetScore());
    }
}

TEST(CGameScreenTest, FinishedGameSetsTheFlagEvenInTheStartDelayAndIsNotSteppedAgain)
{
    CCountingScreen screen((CGameScreen::SRules()));
    screen.Activate();
    screen.m_finished = true;
    screen.Update(16.0f);
    EXPECT_TRUE(screen.IsGameOver());
    for (int i = 0; i < 10; ++i)
        screen.Update(16.0f);
    EXPECT_EQ(0, screen.m_steps);
}

TEST(CGameScreenTest, BackKeyGoesToTheKindsHookAndEnterDoesNot)
{
    CCountingScreen screen(CGameScreen::SRules(), true);
    screen.OnKeyDown(CKeyMap::VK_RETURN);
    EXPECT_EQ(0, screen.m_back_keys);
    screen.OnKeyDown(CKeyMap::VK_ESCAPE);
    EXPECT_EQ(1, screen.m_back_keys);
}

TEST(CGameScreenTest, SaveWritesTheKindsScoreKeyAndLoadRestoresIt)
{
    // The key is part of every saved game: "m_score" unless a kind says otherwise.
    const std::pair<CGameScreen::SRules, const char*> cases[] = {{CGameScreen::SRules(), "m_score"},
                                                                 {FillerLike(), "score"}};
    for (const auto& [rules, key] : cases)
    {
        CCountingScreen screen(rules);
        screen.Update(16.0f);
        screen.Update(16.0f);
        screen.Update(16.0f);
        CConfigFile store;
        screen.Save(store);
        EXPECT_EQ("30", store.GetValue(key, "none"));
        CCountingScreen back(rules);
        ASSERT_TRUE(back.Load(store));
        EXPECT_EQ(screen.GetScore(), back.GetScore());
        EXPECT_EQ(screen.m_steps, back.m_steps);
    }
}

TEST(CGameScreenTest, LoadRefusesABadScoreOrARefusedGameAndKeepsTheScore)
{
    struct SCase
    {
        const char* score;
        bool refuseGame;
    };
    const SCase cases[] = {{"-5", false}, {"many", false}, {"70", true}};
    for (const SCase& c : cases)
    {
        CCountingScreen screen((CGameScreen::SRules()));
        screen.m_refuse_load = c.refuseGame;
        CConfigFile store;
        store.SetValue("m_score", c.score);
        store.SetValue("gf_m_steps", "4");
        EXPECT_FALSE(screen.Load(store)) << c.score;
        EXPECT_EQ(0, screen.GetScore()) << c.score;
    }
}
