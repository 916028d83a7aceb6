#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/CFramePrint.h"
#include "tests/gamebase/PrintParts.h"
#include "tests/remover/RemoverDriver.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
std::uint64_t KeyOf(const void* thing)
{
    return reinterpret_cast<std::uintptr_t>(thing);
}

bool Holds(const CFramePrint::SPart& part, const CVector4& low, const CVector4& high)
{
    const float slack = 1e-4f;
    return part.board && part.hasBox && part.low.x <= low.x + slack && part.low.y <= low.y + slack &&
           part.low.z <= low.z + slack && part.high.x >= high.x - slack && part.high.y >= high.y - slack &&
           part.high.z >= high.z - slack;
}

// What a brick of the test skins draws: its unit box of the skin's depth,
// scaled at its position, and a bonus brick's two sprites on the right half
// of its top face. Empty when the part's box leaves some of it out.
std::string CheckBrickBox(const SPrintParts& split, const CRemoverBrick& brick)
{
    auto part = split.parts.find(KeyOf(&brick));
    if (part == split.parts.end())
        return "no part";
    const CVector4& p = brick.GetPosition();
    const float s = brick.GetScale();
    const float halfDepth = brick.GetScaledSizeZ() / 2.0f;
    if (!Holds(part->second, CVector4(p.x - s / 2, p.y - s / 2, p.z - halfDepth),
               CVector4(p.x + s / 2, p.y + s / 2, p.z + halfDepth)))
        return "the model sticks out";
    if (brick.HasBonusSprite() && !Holds(part->second, CVector4(p.x, p.y - s / 2, p.z + halfDepth),
                                         CVector4(p.x + s / 2, p.y + s / 2, p.z + halfDepth)))
        return "the bonus sprites stick out";
    return "";
}

class RemoverFramePrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetBoard(game.GetField(), {"R.G.B", ".Y.P.", "R.G.B"});
    }

    CRecordingEvents events;
    CTwoSkinParams params;
    CRemoverGame game{nullptr, params, &events, 17};
};
}

// A brick's drawing reads its own values only: whatever happens to it must
// change its part, and nothing outside it, or the frame would be drawn whole.
TEST_F(RemoverFramePrint, ABrickThatChangesChangesOnlyItsOwnPart)
{
    const struct
    {
        const char* name;
        std::function<void(CRemoverBrick&)> change;
    } cases[] = {
        {"moved", [](CRemoverBrick& b) { b.SetPosition(b.GetPosition() + CVector4(0.5f, 0.0f, 0.0f)); }},
        {"lifted", [](CRemoverBrick& b) { b.SetPosition(b.GetPosition() + CVector4(0.0f, 0.0f, 2.0f)); }},
        {"scaled", [](CRemoverBrick& b) { b.SetScale(b.GetScale() * 0.5f); }},
        {"turned", [](CRemoverBrick& b) { b.SetAngleZ(30.0f); }},
        {"selected", [](CRemoverBrick& b) { b.Select(); }},
        {"fading", [](CRemoverBrick& b) {
             b.Select();
             b.Vanish(nullptr);
         }},
        {"placed this turn", [](CRemoverBrick& b) { b.SetNew(true); }},
        {"given a bonus", [](CRemoverBrick& b) { b.SetBonus(3, 2); }},
    };
    for (const auto& c : cases)
    {
        SetUp();
        CRemoverBrick* brick = game.GetField().GetRemoverBrick(2, 2);
        ASSERT_NE(nullptr, brick);
        const SPrintParts before = PartsOf(game);
        c.change(*brick);
        const SPrintParts after = PartsOf(game);
        EXPECT_EQ(before.outside, after.outside) << c.name;
        EXPECT_EQ(std::set<std::uint64_t>{KeyOf(brick)}, ChangedParts(before, after)) << c.name;
    }
}

TEST_F(RemoverFramePrint, ABrickGoneOrComeIsItsPartGoneOrCome)
{
    CRemoverField& field = game.GetField();
    const CRemoverBrick* going = field.GetRemoverBrick(0, 0);
    SPrintParts before = PartsOf(game);
    field.RemoveBrick(0, 0);
    SPrintParts after = PartsOf(game);
    EXPECT_EQ(before.outside, after.outside);
    EXPECT_EQ(std::set<std::uint64_t>{KeyOf(going)}, ChangedParts(before, after));

    before = after;
    const CRemoverBrick* coming = field.CreateBrickAt(1, 0, 3);
    after = PartsOf(game);
    EXPECT_EQ(before.outside, after.outside);
    EXPECT_EQ(std::set<std::uint64_t>{KeyOf(coming)}, ChangedParts(before, after));
}

TEST_F(RemoverFramePrint, EveryBricksPartHoldsWhatItDrawsBonusSpritesToo)
{
    CRemoverField& field = game.GetField();
    field.GetRemoverBrick(0, 0)->SetBonus(1, 2);
    field.GetRemoverBrick(2, 2)->SetBonus(4, 0);
    field.GetRemoverBrick(4, 2)->SetScale(field.GetBrickSize() * 0.25f);
    field.GetRemoverBrick(3, 1)->SetPosition(CVector4(-400.0f, 400.0f, 20.0f));
    ASSERT_TRUE(field.GetRemoverBrick(0, 0)->HasBonusSprite());
    const SPrintParts split = PartsOf(game);
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            if (const CRemoverBrick* brick = field.GetRemoverBrick(x, y))
            {
                EXPECT_EQ("", CheckBrickBox(split, *brick)) << "cell " << x << "," << y;
            }
        }
}

// The hand draws its brick blended, the queue does not: the brick taken
// into the hand looks different where it stands, before it moves.
TEST(RemoverHandPrint, ABrickTakenIntoTheHandChangesItsPartBeforeItMoves)
{
    SGrownTurn turn(5);
    CRemoverPlayer& player = turn.player;
    ASSERT_EQ(nullptr, player.GetHeld());
    const CRemoverBrick* next = player.GetQueued(0);
    const CVector4 at = next->GetPosition();
    const SPrintParts before = PartsOf(player);

    player.Update(16.0f, CVector4(), false);
    ASSERT_EQ(next, player.GetHeld());
    ASSERT_EQ(0.0f, (at - next->GetPosition()).LengthSquared());
    EXPECT_EQ(std::set<std::uint64_t>{KeyOf(next)}, ChangedParts(before, PartsOf(player)));
}

TEST(RemoverScorePart, TheScoreLineIsAScreenPartReachingTheRightEdge)
{
    CRecordingEvents events;
    auto params = MakeParams(0, 0);
    CRemoverGame game(nullptr, *params, &events, 3);
    const SPrintParts split = PartsOf(game);
    const CFramePrint::SPart* score = nullptr;
    for (const auto& part : split.parts)
        if (!part.second.board)
            score = &part.second;
    ASSERT_NE(nullptr, score);
    // "Score: %6d" is drawn from x 550 with 24 units high glyphs on y 40.
    EXPECT_LE(score->rect.x, 550.0f);
    EXPECT_GE(score->rect.x + score->rect.width, 800.0f);
    EXPECT_LE(score->rect.y, 40.0f - 24.0f);
    EXPECT_GE(score->rect.y + score->rect.height, 40.0f);
}

// Played game, frame by frame after the entrance: bricks fly in, are placed
// from the hand, fade, popups rise and the score grows, yet nothing outside
// the parts changes; every brick, popup and the score line is one part,
// keyed by itself, whose box holds what the brick draws.
TEST(RemoverPlayedFrames, OnlyPartsChangeAndEveryThingDrawnIsOnePartKeyedByItself)
{
    CRecordingEvents events;
    CTwoSkinParams params;
    CRemoverGame game(nullptr, params, &events, 29);
    for (int i = 0; i < 1000 && game.IsEffectRunning(); ++i)
        DriveFrame(game);
    ASSERT_FALSE(game.IsEffectRunning());

    CRemoverField& field = game.GetField();
    CRemoverPlayer& player = game.GetPlayer();
    SPrintParts last = PartsOf(game);
    const std::vector<unsigned char> outside = last.outside;
    int lastScore = game.GetScore();
    int flying = 0, fading = 0, popups = 0, held = 0, bonuses = 0, scored = 0;
    for (int frame = 0; frame < 4000 && !game.IsEffectRunning() && !game.IsGameOver(); ++frame)
    {
        DriveFrame(game);
        if (game.IsEffectRunning())
            break;
        const SPrintParts split = PartsOf(game);
        ASSERT_TRUE(split.unique) << "frame " << frame;
        ASSERT_EQ(outside, split.outside) << "frame " << frame;

        std::set<std::uint64_t> expected;
        std::vector<const CRemoverBrick*> bricks;
        for (int y = 0; y < field.GetHeight(); ++y)
            for (int x = 0; x < field.GetWidth(); ++x)
            {
                if (const CRemoverBrick* brick = field.GetRemoverBrick(x, y))
                {
                    bricks.push_back(brick);
                    fading += brick->IsSelected() && brick->GetAlpha() < 1.0f;
                }
            }
        for (int i = 0; i < field.GetFlyingCount(); ++i)
            bricks.push_back(field.GetFlyingBrick(i));
        for (int i = 0; i < player.GetQueueCount(); ++i)
            bricks.push_back(player.GetQueued(i));
        if (player.GetHeld())
            bricks.push_back(player.GetHeld());
        for (const CRemoverBrick* brick : bricks)
        {
            expected.insert(KeyOf(brick));
            bonuses += brick->HasBonusSprite();
            ASSERT_EQ("", CheckBrickBox(split, *brick)) << "frame " << frame;
        }
        for (const CRemoverScorePopup& popup : player.GetPopups())
            expected.insert(KeyOf(&popup));
        std::set<std::uint64_t> keys;
        for (const auto& part : split.parts)
            if (part.second.board)
                keys.insert(part.first);
        ASSERT_EQ(expected, keys) << "frame " << frame;
        ASSERT_EQ(split.parts.size(), keys.size() + 1) << "frame " << frame << ": the score line";

        // The score line shows the game's score, taken at the frame's start.
        std::uint64_t scoreKey = 0;
        for (const auto& part : split.parts)
            if (!part.second.board)
                scoreKey = part.first;
        const bool scoreChanged = game.GetScore() != lastScore;
        EXPECT_EQ(scoreChanged, ChangedParts(last, split).count(scoreKey) == 1) << "frame " << frame;
        scored += scoreChanged;
        flying += field.GetFlyingCount() > 0;
        popups += !player.GetPopups().empty();
        held += player.GetHeld() != nullptr;
        lastScore = game.GetScore();
        last = split;
    }
    EXPECT_GT(flying, 0);
    EXPECT_GT(fading, 0);
    EXPECT_GT(popups, 0);
    EXPECT_GT(held, 0);
    EXPECT_GT(bonuses, 0);
    EXPECT_GT(scored, 0);
}
