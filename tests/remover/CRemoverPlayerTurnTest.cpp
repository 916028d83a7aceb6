#include <gtest/gtest.h>

#include <cmath>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
class RemoverTurns : public ::testing::Test
{
protected:
    void Build(int difficulty, int perStep = 5)
    {
        random.Seed(5);
        params = MakeParams(0, difficulty, perStep);
        field = std::make_unique<CRemoverField>(*params, &events, nullptr, random);
        player = std::make_unique<CRemoverPlayer>(*params, *field, &events, nullptr, random);
    }

    // The player as it stands when the listed cells were placed this turn
    // and the queue is used up: its next update resolves the turn.
    void PlaceAlready(const std::vector<std::pair<int, int>>& cells, int score = 0)
    {
        CConfigFile store;
        store.SetValue("p_m_turns_count", "1");
        store.SetInt("p_m_score", score);
        store.SetValue("p_m_bricks.size", "0");
        store.SetInt("p_m_bricks_placed.size", static_cast<int>(cells.size()));
        for (std::size_t i = 0; i < cells.size(); ++i)
            store.SetInt("p_m_bricks_placed" + std::to_string(i), PackPos(cells[i].first, cells[i].second));
        store.SetValue("p_m_brick_current", "-1");
        ASSERT_TRUE(player->Load(store));
    }

    void Step(const CVector4& cursor = CVector4(), bool button = false)
    {
        player->Update(16.0f, cursor, button);
    }

    CRandom random{5};
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params;
    std::unique_ptr<CRemoverField> field;
    std::unique_ptr<CRemoverPlayer> player;
};
}

TEST_F(RemoverTurns, GroupScoresAreTriangularNumbers)
{
    EXPECT_EQ(0, CRemoverPlayer::GroupScore(0));
    EXPECT_EQ(10, CRemoverPlayer::GroupScore(4));
    EXPECT_EQ(15, CRemoverPlayer::GroupScore(5));
    EXPECT_EQ(21, CRemoverPlayer::GroupScore(6));
}

TEST_F(RemoverTurns, WorkedTurnOfOneGroupAndTwoMisses)
{
    Build(0);
    SetBoard(*field, {"RRRRR.G.B", ".........", "Y.R......", ".........", "....G....", ".........",
                      "......B.."});
    PlaceAlready({{4, 0}, {4, 4}, {6, 6}});
    events.m_sounds.clear();
    Step();
    EXPECT_EQ(CRemoverPlayer::STATE_RESOLVED, player->GetState());
    EXPECT_EQ(15, player->GetScore());
    ASSERT_EQ(3u, player->GetPopups().size());
    EXPECT_EQ(15, player->GetPopups()[0].GetValue());
    EXPECT_EQ(0, player->GetPopups()[1].GetValue());
    EXPECT_EQ(0, player->GetPopups()[2].GetValue());
    EXPECT_EQ(2, field->GetQueuedCount());
    EXPECT_TRUE(field->GetRefillRequest());
    EXPECT_EQ((std::vector<int>{111}), events.m_sounds);
}

TEST_F(RemoverTurns, SecondBrickOfTheSameGroupIsNeitherScoredNorAMiss)
{
    Build(0);
    SetBoard(*field, {"RRRR..G.B", ".........", "Y.R......"});
    PlaceAlready({{0, 0}, {1, 0}});
    events.m_sounds.clear();
    Step();
    EXPECT_EQ(10, player->GetScore());
    EXPECT_EQ(1u, player->GetPopups().size());
    EXPECT_EQ(0, field->GetQueuedCount());
    EXPECT_FALSE(field->GetRefillRequest());
    EXPECT_EQ((std::vector<int>{115}), events.m_sounds);
}

TEST_F(RemoverTurns, CleanTurnRemovesOneBlocker)
{
    Build(0);
    SetBoard(*field, {"RRRR..G.B", ".X.X.....", "Y.R......"});
    PlaceAlready({{0, 0}});
    Step();
    int selectedBlockers = 0;
    for (const std::string& row : GetBoard(*field))
        for (char c : row)
            selectedBlockers += (c == 'x');
    EXPECT_EQ(1, selectedBlockers);
}

TEST_F(RemoverTurns, LastBrickOfAColourEarnsTheColourBonusAndClearsBlockers)
{
    Build(0);
    SetBoard(*field, {"RRRR..G.B", ".X.......", "Y........"});
    PlaceAlready({{0, 0}});
    events.m_sounds.clear();
    Step();
    EXPECT_EQ(10 + CRemoverPlayer::COLOR_BONUS, player->GetScore());
    EXPECT_EQ(3, field->GetColorCount());
    // Nothing missed, but a colour went: refill asked, and every blocker taken.
    EXPECT_TRUE(field->GetRefillRequest());
    EXPECT_EQ('x', GetBoard(*field)[1][1]);
}

TEST_F(RemoverTurns, PenaltyFactorGrowsAsColoursLeave)
{
    struct Case
    {
        int difficulty;
        std::vector<std::string> board;
        int penalties;
    };
    // One miss each: 6 colours at start and 4 left gives 3; 4 and 2 gives 3,
    // raised to 4; 6 and 2 gives 5.
    std::vector<Case> cases = {
        {2, {"R.G.B.Y..", ".........", "........R"}, 3},
        {0, {"R.G......", ".........", "........R"}, 4},
        {2, {"R.G......", ".........", "........R"}, 5},
    };
    for (const Case& c : cases)
    {
        Build(c.difficulty);
        SetBoard(*field, c.board);
        field->DropVanishedColors();
        PlaceAlready({{8, 2}});
        Step();
        EXPECT_EQ(c.penalties, field->GetQueuedCount()) << "difficulty " << c.difficulty;
    }
}

TEST_F(RemoverTurns, WithOneColourLeftEveryTurnBringsTwoToSixBlockers)
{
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        Build(0);
        random.Seed(seed);
        SetBoard(*field, {"RRRR....."});
        field->DropVanishedColors();
        PlaceAlready({{0, 0}});
        Step();
        EXPECT_GE(field->GetQueuedCount(), 2);
        EXPECT_LE(field->GetQueuedCount(), 6);
        EXPECT_TRUE(field->GetRefillRequest());
    }
}

TEST_F(RemoverTurns, FirstUpdateOfANewGameResolvesAnEmptyTurn)
{
    Build(0);
    field->NewLevel(1);
    field->SetRefillRequest(true);
    Step();
    EXPECT_EQ(CRemoverPlayer::STATE_RESOLVED, player->GetState());
    EXPECT_TRUE(player->GetPopups().empty());
    EXPECT_EQ((std::vector<int>{115}), events.m_sounds);
    EXPECT_FALSE(field->GetRefillRequest());
    EXPECT_EQ(0, field->GetQueuedCount());
    player->NewTurn();
    EXPECT_EQ(5, player->GetQueueCount());
    EXPECT_EQ(CRemoverPlayer::STATE_GROWING, player->GetState());
}

TEST_F(RemoverTurns, TurnSizesCycleDownToTwoAndStartAgainButNeverBelowOne)
{
    const struct
    {
        int perStep;
        std::vector<int> sizes;
    } cases[] = {{5, {5, 4, 3, 2, 5, 4}}, {2, {2, 2, 2}}, {0, {1, 1}}};
    for (const auto& c : cases)
    {
        Build(1, c.perStep);
        std::vector<int> sizes;
        for (std::size_t i = 0; i < c.sizes.size(); ++i)
        {
            player->NewTurn();
            sizes.push_back(player->GetTurnSize());
            EXPECT_EQ(player->GetQueueCount(), sizes.back());
        }
        EXPECT_EQ(c.sizes, sizes) << c.perStep;
    }
}

TEST_F(RemoverTurns, GrowInTakesTheQueueToTheCellSize)
{
    Build(0);
    player->NewTurn();
    int updates = 0;
    while (player->GetState() == CRemoverPlayer::STATE_GROWING && updates < 100)
    {
        Step();
        ++updates;
    }
    EXPECT_EQ(CRemoverPlayer::STATE_AIMING, player->GetState());
    EXPECT_FLOAT_EQ(field->GetBrickSize(), player->GetQueued(0)->GetScale());
    // 4 units per cell at 1.5 per update: 3 updates.
    EXPECT_EQ(3, updates);
}

TEST_F(RemoverTurns, ClickOnAFreeCellPlacesTheHeldBrick)
{
    Build(0);
    SetBoard(*field, {"R.G.B.Y"});
    player->NewTurn();
    while (player->GetState() != CRemoverPlayer::STATE_AIMING)
        Step();
    Step();   // takes the first brick into the hand
    ASSERT_NE(nullptr, player->GetHeld());
    CVector4 cell = field->GetBrickPosition(4, 4);
    Step(cell, true);
    EXPECT_EQ(CRemoverPlayer::STATE_PLACING, player->GetState());
    int updates = 0;
    while (player->GetState() == CRemoverPlayer::STATE_PLACING && updates < 200)
    {
        Step(cell, true);
        ++updates;
    }
    ASSERT_NE(nullptr, field->GetRemoverBrick(4, 4));
    EXPECT_TRUE(field->GetRemoverBrick(4, 4)->IsNew());
    EXPECT_EQ(1u, player->GetPlaced().size());
    EXPECT_EQ(1, events.CountSound(112));
}

TEST_F(RemoverTurns, ClickOffTheBoardStillStartsTheClickPause)
{
    Build(0);
    player->NewTurn();
    while (player->GetState() != CRemoverPlayer::STATE_AIMING)
        Step();
    Step();
    ASSERT_NE(nullptr, player->GetHeld());
    Step(CVector4(-300.0f, 0.0f, 0.0f), true);
    EXPECT_EQ(CRemoverPlayer::STATE_AIMING, player->GetState());
    EXPECT_GT(player->GetClickPause(), 400.0f);
    // While the pause runs, a click on a free cell does nothing.
    Step(field->GetBrickPosition(1, 0), true);
    EXPECT_EQ(CRemoverPlayer::STATE_AIMING, player->GetState());
}

TEST_F(RemoverTurns, CursorCastFindsTheCellUnderThePixel)
{
    // Project a cell centre through the game's camera, then cast it back.
    Build(2);
    const float nearPlane = 0.1f;
    const float fov = 70.0f;
    const float aspect = 4.0f / 3.0f;
    const int width = 1024;
    const int height = 768;
    for (int cx : {0, 4, 8})
        for (int cy : {0, 3, 8})
        {
            CVector4 world = field->GetBrickPosition(cx, cy);
            float eyeZ = 40.0f;   // camera at -40, aim height 0 headless
            float halfH = std::tan(fov / 2.0f * 3.1415927f / 180.0f);
            float ndcX = world.x * 0.06f / eyeZ / (halfH * aspect);
            float ndcY = world.y * 0.06f / eyeZ / halfH;
            int px = static_cast<int>(width / 2 + ndcX * width / 2);
            int py = static_cast<int>(height / 2 - ndcY * height / 2);
            CVector4 cast = CastCursor(px, py, width, height, nearPlane, fov, aspect, -40.0f, 0.06f, 0.0f);
            int x = -1;
            int y = -1;
            ASSERT_TRUE(field->CellFromPoint(cast, &x, &y));
            EXPECT_EQ(cx, x);
            EXPECT_EQ(cy, y);
        }
}

TEST_F(RemoverTurns, BrickInHandComesBackBesideTheQueue)
{
    Build(0);
    CConfigFile store;
    store.SetValue("p_m_turns_count", "2");
    store.SetValue("p_m_score", "30");
    store.SetValue("p_m_bricks.size", "1");
    store.SetValue("p_m_bricks0", "2");
    store.SetValue("p_m_bricks_placed.size", "0");
    store.SetValue("p_m_brick_current", "3");
    ASSERT_TRUE(player->Load(store));
    ASSERT_NE(nullptr, player->GetHeld());
    EXPECT_EQ(3, player->GetHeld()->GetColor());
    EXPECT_FLOAT_EQ(-400.0f, player->GetHeld()->GetPosition().x);
    EXPECT_FLOAT_EQ(1.2f * field->GetBrickSize(), player->GetHeld()->GetPosition().y);
    EXPECT_FLOAT_EQ(field->GetBrickSize(), player->GetHeld()->GetScale());
    EXPECT_EQ(2, player->GetTurnSize());
}

TEST_F(RemoverTurns, StoreWithoutTheHandKeyGivesABrickOfColourZeroInHand)
{
    Build(0);
    CConfigFile store;
    store.SetValue("p_m_turns_count", "1");
    store.SetValue("p_m_score", "0");
    store.SetValue("p_m_bricks.size", "0");
    store.SetValue("p_m_bricks_placed.size", "0");
    ASSERT_TRUE(player->Load(store));
    ASSERT_NE(nullptr, player->GetHeld());
    EXPECT_EQ(0, player->GetHeld()->GetColor());
    EXPECT_EQ(1, player->GetTurnSize());
}

namespace
{
// Two skins whose bricks differ in depth, as the game's skins may.
class CTwoSkinParams : public CRemoverParams
{
public:
    CTwoSkinParams()
    {
        CConfigFile store;
        store.SetValue("m_field_width", "36.0");
        store.SetValue("m_bricks_per_step", "5 5 5");
        store.SetValue("m_skins_count", "2");
        ReadParams(store);
        for (int skin = 0; skin < 2; ++skin)
        {
            const float depth = skin == 0 ? 0.4f : 0.7f;
            std::vector<float> vertices;
            for (int corner = 0; corner < 8; ++corner)
            {
                vertices.push_back((corner & 1) ? 0.5f : -0.5f);
                vertices.push_back((corner & 2) ? 0.5f : -0.5f);
                vertices.push_back((corner & 4) ? depth / 2.0f : -depth / 2.0f);
            }
            auto mesh = std::make_unique<CMesh>();
            mesh->Build("brick", vertices, {}, {}, {0, -1, -1, 1, -1, -1, 7, -1, -1}, {0});
            mesh->ComputeExtents();
            m_models[skin].SetMesh(std::move(mesh));
            for (int color = 0; color < COLOR_MODELS; ++color)
                SetBrickModel(skin, color, &m_models[skin]);
        }
    }

private:
    CModel m_models[2];
};
}

TEST(RemoverReskin, QueueAndHandTakeTheirHeightsFromTheNewSkinWithoutClimbing)
{
    CRandom random(3);
    CTwoSkinParams params;
    CRecordingEvents events;
    CRemoverField field(params, &events, nullptr, random);
    CRemoverPlayer player(params, field, &events, nullptr, random);
    player.Update(16.0f, CVector4(), false);
    player.NewTurn();
    for (int i = 0; i < 200 && player.GetState() != CRemoverPlayer::STATE_AIMING; ++i)
        player.Update(16.0f, CVector4(), false);
    player.Update(16.0f, CVector4(), false);
    ASSERT_NE(nullptr, player.GetHeld());
    ASSERT_GT(player.GetQueueCount(), 0);
    const float shallow = field.GetBrickDepth();
    ASSERT_GT(shallow, 0.0f);
    const CVector4 before = player.GetQueued(0)->GetPosition();

    params.SetCurrentSkin(1);
    for (int change = 0; change < 3; ++change)
    {
        field.Reskin();
        player.Reskin();
    }
    const float deep = field.GetBrickDepth();
    ASSERT_GT(deep, shallow);
    const CVector4 after = player.GetQueued(0)->GetPosition();
    EXPECT_FLOAT_EQ(before.x, after.x);
    EXPECT_FLOAT_EQ(before.y, after.y);
    EXPECT_FLOAT_EQ(3.0f * deep, after.z);
    EXPECT_FLOAT_EQ(1.6f * deep, player.GetHeld()->GetPosition().z);
}
