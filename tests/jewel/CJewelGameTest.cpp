#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelGame.h"
#include "games/jewel/CJewelGameScreen.h"
#include "platform/CKeyMap.h"
#include "games/jewel/CJewelPlayer.h"
#include "shell/game/CRandom.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
TEST(JewelPoints, StepTimesLevelPlusStepPerBrickBeyondThree)
{
    // Level, bricks, points for a step of 50.
    const int cases[][3] = {{1, 3, 50}, {3, 5, 250}, {1, 1, -50}, {2, 1, 0}, {2, 6, 250}};
    for (const auto& c : cases)
        EXPECT_EQ(c[2], CJewelGame::Points(50, c[0], c[1])) << c[0] << " " << c[1];
}

TEST(JewelTargets, LevelTargetsAreThousandsOfTriangularNumbers)
{
    const int targets[] = {0, 1000, 3000, 6000, 10000, 15000};
    for (int level = 0; level <= 5; ++level)
        EXPECT_EQ(targets[level], 1000 * CJewelGame::TriangularNumber(level));
}

class JewelGame : public ::testing::Test
{
protected:
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CRecordingEvents events;
    CJewelGame game{nullptr, *params, &events, 7};

    // Frames until the start effect is over and the field idle.
    void Settle(int limit = 20000)
    {
        for (int i = 0; i < limit && (game.IsEffectRunning() || !game.GetField().IsIdle()); ++i)
        {
            if (game.GetField().IsStuck() || game.GetField().GetState() == CJewelField::STATE_LEVEL_END)
                return;
            game.Update(16.0f);
        }
    }

    // Plays a swap of the hinted brick that scores, then runs until the
    // field is idle again.
    bool PlayOneSwap()
    {
        CJewelField& field = game.GetField();
        field.ShowHint();
        const int dx[4] = {-1, 1, 0, 0};
        const int dy[4] = {0, 0, -1, 1};
        for (int sx = 0; sx < field.GetWidth(); ++sx)
            for (int sy = 0; sy < field.GetHeight(); ++sy)
                for (int k = 0; k < 4 && field.BrickAt(sx, sy)->IsSelected(); ++k)
                {
                    int before = game.GetLevelScore();
                    if (!field.BrickAt(sx + dx[k], sy + dy[k]))
                        continue;
                    field.TrySwap(sx + dx[k], sy + dy[k]);
                    Settle();
                    if (game.GetLevelScore() != before)
                        return true;
                    field.BrickAt(sx, sy)->SetSelected(true);
                }
        return false;
    }
};

TEST_F(JewelGame, WholeGameReachesLevelTwoAndASaveDuringTheLevelEndGrantsTheBonusOnce)
{
    Settle();
    while (game.GetLevelScore() < 1000 && !game.GetField().IsStuck() && PlayOneSwap())
    {
    }
    ASSERT_EQ(CJewelField::STATE_LEVEL_END, game.GetField().GetState());
    int withBonus = game.GetLevelScore();
    for (int i = 0; i < 30; ++i)
        game.Update(16.0f);
    CConfigFile store;
    game.Save(store);
    for (int i = 0; i < 40000 && game.GetLevel() == 1; ++i)
        game.Update(16.0f);
    ASSERT_EQ(2, game.GetLevel());
    EXPECT_EQ(6, game.GetField().GetColorCount());
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_NEXT_LEVEL));

    CJewelGame restored(nullptr, *params, nullptr, 99);
    ASSERT_TRUE(restored.Load(store));
    EXPECT_EQ(withBonus - 1000, restored.GetLevelScore());
    for (int i = 0; i < 40000 && restored.GetLevel() == 1 && !restored.GetField().IsStuck(); ++i)
        restored.Update(16.0f);
    ASSERT_EQ(2, restored.GetLevel());
    EXPECT_GE(restored.GetTotalScore(), withBonus);
    EXPECT_LT(restored.GetTotalScore(), withBonus + 1000);
}

TEST_F(JewelGame, RestoredBoardWithHolesAndRunsFallsAndSettles)
{
    Settle();
    CConfigFile store;
    game.Save(store);
    store.SetInt("f_color0-7", -1);
    store.SetInt("f_color3-3", -1);
    for (int x = 0; x < 4; ++x)
        store.SetInt("f_color" + std::to_string(x) + "-5", 2);
    CJewelGame restored(nullptr, *params, &events, 3);
    ASSERT_TRUE(restored.Load(store));
    for (int i = 0; i < 5000 && !restored.GetField().IsIdle() && !restored.GetField().IsStuck(); ++i)
        restored.Update(16.0f);
    EXPECT_FALSE(HasHole(restored.GetField()));
    EXPECT_FALSE(HasStandingRun(restored.GetField(), 3));
}

TEST_F(JewelGame, SaveDuringASwapStoresTheBoardBeforeIt)
{
    Settle();
    std::vector<std::string> before = GetBoard(game.GetField());
    game.GetField().BrickAt(0, 0)->SetSelected(true);
    game.GetField().TrySwap(1, 0);
    CConfigFile store;
    game.Save(store);
    CJewelGame restored(nullptr, *params, &events, 5);
    ASSERT_TRUE(restored.Load(store));
    EXPECT_EQ(before, GetBoard(restored.GetField()));
}

// Runs a game until its start effect is over and the field rests.
void SettleGame(CJewelGame& game)
{
    for (int i = 0; i < 20000 && (game.IsEffectRunning() || !game.GetField().IsIdle()); ++i)
    {
        if (game.GetField().IsStuck())
            return;
        game.Update(16.0f);
    }
}

// A swap of two neighbours of different colours that makes no run; false
// when the board has none.
bool FindSwapWithoutRun(CJewelField& field, int& x, int& y, int& nx, int& ny)
{
    for (y = 0; y < field.GetHeight(); ++y)
        for (x = 0; x + 1 < field.GetWidth(); ++x)
        {
            nx = x + 1;
            ny = y;
            if (field.BrickAt(x, y)->GetColor() == field.BrickAt(nx, ny)->GetColor())
                continue;
            int a = field.BrickAt(x, y)->GetColor();
            int b = field.BrickAt(nx, ny)->GetColor();
            field.BrickAt(x, y)->SetColor(b);
            field.BrickAt(nx, ny)->SetColor(a);
            bool run = HasStandingRun(field, field.GetGroupSize());
            field.BrickAt(x, y)->SetColor(a);
            field.BrickAt(nx, ny)->SetColor(b);
            if (!run)
                return true;
        }
    return false;
}

struct SSizeCase { int size; int difficulty; };
const SSizeCase kEverySize[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};

TEST(JewelFreshGame, SwapWithoutARunLeavesBoardAndScoreExactlyAsTheyWere)
{
    auto params = MakeJewelParams();
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const SSizeCase& c = kEverySize[seed % 9];
        params->SetLastSize(c.size);
        params->SetLastDifficulty(c.difficulty);
        CJewelGame game(nullptr, *params, nullptr, seed);
        SettleGame(game);
        CJewelField& field = game.GetField();
        int x = 0, y = 0, nx = 0, ny = 0;
        ASSERT_TRUE(FindSwapWithoutRun(field, x, y, nx, ny)) << seed;
        const std::vector<std::string> before = GetBoard(field);
        field.BrickAt(x, y)->SetSelected(true);
        field.TrySwap(nx, ny);
        SettleGame(game);
        EXPECT_EQ(before, GetBoard(field)) << seed;
        EXPECT_EQ(0, game.GetScore()) << seed;
        EXPECT_EQ(1, game.GetLevel()) << seed;
    }
}

TEST(JewelFreshGame, ContinuingAnUntouchedGamePaysNothing)
{
    auto params = MakeJewelParams();
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const SSizeCase& c = kEverySize[seed % 9];
        params->SetLastSize(c.size);
        params->SetLastDifficulty(c.difficulty);
        CJewelGame game(nullptr, *params, nullptr, seed);
        CConfigFile store;
        game.Save(store);
        CJewelGame restored(nullptr, *params, nullptr, seed + 100);
        ASSERT_TRUE(restored.Load(store));
        SettleGame(restored);
        EXPECT_EQ(0, restored.GetScore()) << seed;
        EXPECT_EQ(GetBoard(game.GetField()), GetBoard(restored.GetField())) << seed;
        EXPECT_EQ(CJewelField::STATE_IDLE, restored.GetField().GetState()) << seed;
    }
}

// Each case writes its keys over a good save; a first key without a value
// is left out of it instead.
TEST(JewelBadSave, IsRefusedAndLeavesTheGameAsItWas)
{
    using SEdits = std::vector<std::pair<std::string, const char*>>;
    const SEdits cases[] = {
        {{"f_m_colors", nullptr}},
        {{"f_m_width_bricks", "0"}},
        {{"f_m_width_bricks", "16"}, {"f_m_height_bricks", "16"}},
        {{"f_m_height_bricks", "9"}},
        {{"f_color2-3", "10"}},
        {{"f_color2-3", "red"}},
        {{"fe_m_current_level", "0"}},
        {{"gf_m_current_level", "0"}},
        {{"m_bonuses0.m_param.y", "14"}},
        {{"m_bonuses0.m_param.x", "7"}},
        {{"p_m_figure_selected", "1"}, {"p_m_figure_selected.m_param.x", "1"}, {"p_m_figure_selected.m_param.y", "-1"}},
    };
    auto params = MakeJewelParams();
    CJewelGame game(nullptr, *params, nullptr, 11);
    game.GetPlayer().AddPoints(301);
    CConfigFile good;
    game.Save(good);
    for (const SEdits& edits : cases)
    {
        SCOPED_TRACE(edits.back().first);
        CConfigFile store;
        for (const auto& pair : good.GetPairs())
            if (edits.front().second || pair.first != edits.front().first)
                store.SetValue(pair.first, pair.second);
        for (const auto& edit : edits)
            if (edit.second)
                store.SetValue(edit.first, edit.second);
        CJewelGame target(nullptr, *params, nullptr, 12);
        const std::vector<std::string> before = GetBoard(target.GetField());
        EXPECT_FALSE(target.Load(store));
        EXPECT_EQ(before, GetBoard(target.GetField()));
        EXPECT_EQ(1, target.GetLevel());
    }
}

TEST(JewelGameScreen, EscEndsTheGameOnlyWhileGameOverShows)
{
    auto params = MakeJewelParams();
    CJewelGameScreen screen(nullptr, *params, nullptr, 21);
    CJewelField& field = screen.GetGame().GetField();
    screen.OnKeyDown(CKeyMap::VK_ESCAPE);
    screen.Update(200.0f);
    EXPECT_FALSE(screen.IsGameOver());
    SetBoard(field, {"RGBY", "BYRG", "RGBY", "BYRG"});
    ASSERT_TRUE(field.CheckStuck());
    screen.OnKeyDown(CKeyMap::VK_ESCAPE);
    screen.Update(16.0f);
    EXPECT_TRUE(screen.IsGameOver());
}
}
