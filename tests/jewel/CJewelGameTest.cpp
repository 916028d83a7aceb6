#include <climits>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CBJBonusesList.h"
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

// A new game on this seed, of the size and difficulty the seed picks.
std::unique_ptr<CJewelGame> NewGameForSeed(CJewelParams& params, unsigned seed)
{
    const SSizeCase& c = kEverySize[seed % 9];
    params.SetLastSize(c.size);
    params.SetLastDifficulty(c.difficulty);
    return std::make_unique<CJewelGame>(nullptr, params, nullptr, seed);
}

TEST(JewelFreshGame, SwapWithoutARunLeavesBoardAndScoreExactlyAsTheyWere)
{
    auto params = MakeJewelParams();
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::unique_ptr<CJewelGame> fresh = NewGameForSeed(*params, seed);
        CJewelGame& game = *fresh;
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
        std::unique_ptr<CJewelGame> game = NewGameForSeed(*params, seed);
        CConfigFile store;
        game->Save(store);
        CJewelGame restored(nullptr, *params, nullptr, seed + 100);
        ASSERT_TRUE(restored.Load(store));
        SettleGame(restored);
        EXPECT_EQ(0, restored.GetScore()) << seed;
        EXPECT_EQ(GetBoard(game->GetField()), GetBoard(restored.GetField())) << seed;
        EXPECT_EQ(CJewelField::STATE_IDLE, restored.GetField().GetState()) << seed;
    }
}

// Run lengths that tell the three difficulties apart.
std::unique_ptr<CJewelParams> MakeParamsWithGroups()
{
    auto params = MakeJewelParams();
    params->SetGroupSize(0, 3);
    params->SetGroupSize(1, 4);
    params->SetGroupSize(2, 5);
    return params;
}

TEST(JewelGameChoice, AContinuedGameKeepsItsOwnSizeDifficultyAndRunLengthWhateverTheSettings)
{
    auto params = MakeParamsWithGroups();
    for (const SSizeCase& c : kEverySize)
    {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " difficulty " << c.difficulty);
        params->SetLastSize(c.size);
        params->SetLastDifficulty(c.difficulty);
        CJewelGameScreen screen(nullptr, *params, nullptr, 40 + c.size * 3 + c.difficulty);
        EXPECT_EQ(c.size, screen.GetGameSize());
        EXPECT_EQ(c.difficulty, screen.GetGameDifficulty());
        CConfigFile store;
        screen.Save(store);
        // The remembered choice now names another game (or was lost).
        params->SetLastSize(2 - c.size);
        params->SetLastDifficulty(c.difficulty == 0 ? 2 : 0);
        CJewelGameScreen restored(nullptr, *params, nullptr, 5);
        ASSERT_TRUE(restored.Load(store));
        EXPECT_EQ(c.size, restored.GetGameSize());
        EXPECT_EQ(c.difficulty, restored.GetGameDifficulty());
        const CJewelField& field = restored.GetGame().GetField();
        EXPECT_EQ(CJewelParams::BoardCells(c.size, c.difficulty), field.GetWidth());
        EXPECT_EQ(3 + c.difficulty, field.GetGroupSize());
    }
}

// Saves written before the choice was kept name it by their width alone;
// where two choices give that width, the remembered one decides when it
// fits, else the easier one.
TEST(JewelGameChoice, ASaveWithoutItsChoiceIsReadFromItsWidth)
{
    struct SCase { int width; int lastSize; int lastDifficulty; int size; int difficulty; };
    const SCase cases[] = {{8, 2, 2, 0, 0},  {9, 0, 0, 0, 1},  {10, 0, 2, 0, 2}, {10, 2, 2, 1, 0},
                           {11, 0, 0, 1, 1}, {12, 1, 2, 1, 2}, {12, 0, 0, 2, 0}, {14, 0, 0, 2, 2}};
    auto params = MakeParamsWithGroups();
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "width " << c.width << " remembered " << c.lastSize << "/" << c.lastDifficulty);
        // Any game of that width writes the save.
        params->SetLastSize(c.size);
        params->SetLastDifficulty(c.difficulty);
        CJewelGameScreen screen(nullptr, *params, nullptr, 9);
        CConfigFile written;
        screen.Save(written);
        CConfigFile store;
        for (const auto& pair : written.GetPairs())
            if (pair.first != "f_m_size" && pair.first != "f_m_difficulty")
                store.SetValue(pair.first, pair.second);
        params->SetLastSize(c.lastSize);
        params->SetLastDifficulty(c.lastDifficulty);
        CJewelGameScreen restored(nullptr, *params, nullptr, 10);
        ASSERT_TRUE(restored.Load(store));
        EXPECT_EQ(c.size, restored.GetGameSize());
        EXPECT_EQ(c.difficulty, restored.GetGameDifficulty());
        EXPECT_EQ(c.width, restored.GetGame().GetField().GetWidth());
    }
}

TEST(JewelScores, ScoresNearTheTopStayThereAndTheNextSaveIsAccepted)
{
    auto params = MakeJewelParams();
    CJewelGameScreen screen(nullptr, *params, nullptr, 13);
    CConfigFile store;
    screen.Save(store);
    const std::string top = std::to_string(INT_MAX);
    const std::string nearTop = std::to_string(INT_MAX - 10);
    store.SetValue("m_score", top);
    store.SetValue("gf_m_score", nearTop);
    store.SetValue("gf_m_score_level", nearTop);
    store.SetValue("CBJBonusesList", nearTop);
    // A standing run of three in the top row: the landing after loading pays it.
    for (int x = 0; x < 3; ++x)
        store.SetInt("f_color" + std::to_string(x) + "-0", 4);
    store.SetInt("f_color3-0", 0);
    CJewelGameScreen restored(nullptr, *params, nullptr, 14);
    ASSERT_TRUE(restored.Load(store));
    CJewelGame& game = restored.GetGame();
    for (int i = 0; i < 2000 && game.GetField().GetState() != CJewelField::STATE_LEVEL_END; ++i)
        restored.Update(16.0f);
    ASSERT_EQ(CJewelField::STATE_LEVEL_END, game.GetField().GetState());
    EXPECT_EQ(INT_MAX, game.GetLevelScore());
    EXPECT_EQ(INT_MAX, restored.GetScore());
    for (int i = 0; i < 40000 && game.GetLevel() == 1; ++i)
        restored.Update(16.0f);
    ASSERT_EQ(2, game.GetLevel());
    EXPECT_EQ(INT_MAX, game.GetTotalScore());
    EXPECT_EQ(INT_MAX, restored.GetScore());
    // The bonus points passed every threshold: a figure, and a fresh count.
    EXPECT_EQ(1, game.GetPlayer().GetBonuses().CountAll());
    EXPECT_GE(game.GetPlayer().GetBonuses().GetPoints(), 0);
    CConfigFile again;
    restored.Save(again);
    CJewelGameScreen continued(nullptr, *params, nullptr, 15);
    ASSERT_TRUE(continued.Load(again));
    EXPECT_EQ(INT_MAX, continued.GetScore());
}

TEST(JewelScores, BonusPointsNearTheTopGiveTheFigureInsteadOfWrapping)
{
    auto params = MakeJewelParams();
    CJewelGame game(nullptr, *params, nullptr, 3);
    CConfigFile store;
    game.Save(store);
    store.SetValue("CBJBonusesList", std::to_string(INT_MAX - 10));
    ASSERT_TRUE(game.GetPlayer().Load(store));
    game.GetPlayer().AddPoints(150);
    EXPECT_EQ(1, game.GetPlayer().GetBonuses().CountAll());
    EXPECT_EQ(0, game.GetPlayer().GetBonuses().GetPoints());
}

// A row figure fired on a fresh board, and the game saved while the row
// still fades.
TEST(JewelStrikeSave, AStrikeSavedWhileItsBricksFadeIsSavedDoneAndPaid)
{
    auto params = MakeJewelParams();
    CJewelGame game(nullptr, *params, nullptr, 17);
    SettleGame(game);
    CJewelPlayer& player = game.GetPlayer();
    player.AddPoints(301);
    player.AddPoints(601);
    ASSERT_EQ(2, player.GetBonuses().CountAll());
    SJewelPointer pointer;
    pointer.m_point = player.GetBonuses().GetSlot(1)->GetPosition();
    pointer.m_button = true;
    game.SetPointer(pointer);
    game.Update(16.0f);
    ASSERT_TRUE(player.GetFigure());
    pointer.m_point = game.GetField().GetBrickPosition(3, 2);
    game.SetPointer(pointer);
    game.Update(16.0f);
    ASSERT_FALSE(player.GetFigure());
    ASSERT_EQ(CJewelField::STATE_REMOVING, game.GetField().GetState());
    pointer.m_button = false;
    game.SetPointer(pointer);
    for (int i = 0; i < 5; ++i)
        game.Update(16.0f);
    ASSERT_EQ(0, game.GetLevelScore());

    CConfigFile store;
    game.Save(store);
    // Eight bricks at once on level 1: 50 + 5 x 50.
    const int rowPoints = CJewelGame::Points(50, 1, 8);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ("-1", store.GetValue("f_color" + std::to_string(x) + "-2", "")) << x;
    CJewelGame restored(nullptr, *params, nullptr, 18);
    ASSERT_TRUE(restored.Load(store));
    EXPECT_EQ(rowPoints, restored.GetLevelScore());
    EXPECT_EQ(rowPoints, restored.GetPlayer().GetBonuses().GetPoints());
    EXPECT_EQ(1, restored.GetPlayer().GetBonuses().CountAll());
    EXPECT_FALSE(restored.GetPlayer().GetFigure());
    // The running game, finished at the save, pays the row only once.
    SettleGame(game);
    EXPECT_GE(game.GetLevelScore(), rowPoints);
    EXPECT_EQ(0, (game.GetLevelScore() - rowPoints) % 50);
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
        // Levels that disagree, and colour counts no level plays.
        {{"gf_m_current_level", "2"}},
        {{"fe_m_current_level", "2"}},
        {{"f_m_colors", "1"}},
        {{"f_m_colors", "2"}},
        {{"f_m_colors", "6"}},
        {{"gf_m_score_step", "0"}},
        {{"gf_m_score_step", nullptr}},
        // A size and difficulty that do not give the saved width.
        {{"f_m_size", "1"}},
        {{"f_m_difficulty", "3"}},
        {{"f_m_width_bricks", "7"}, {"f_m_height_bricks", "7"}},
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
