#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CModel.h"
#include "games/jewel/CBJBonusesList.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelPlayer.h"
#include "tests/jewel/JewelTestKit.h"

namespace
{
class JewelBonuses : public JewelFieldFixture<>
{
protected:
    CBJBonusesList list{*params, field};

    int Kind(int slot) const { return list.GetSlot(slot) ? static_cast<int>(list.GetSlot(slot)->GetParam().x) : 0; }
};

TEST_F(JewelBonuses, ThresholdIsStrictlyAboveThreeHundredPerFigureAndAnEmptiedFirstSlotFillsFirst)
{
    list.AddPoints(300);
    EXPECT_EQ(0, list.CountAll());
    list.AddPoints(1);
    EXPECT_EQ(1, Kind(0));
    EXPECT_EQ(0, list.GetPoints());
    list.AddPoints(600);
    EXPECT_EQ(0, list.GetSlot(1));
    list.AddPoints(1);
    EXPECT_EQ(2, Kind(1));
    ASSERT_TRUE(list.HitTest(list.GetSlot(0)->GetPosition()));
    EXPECT_EQ(0, list.CountLeading());
    list.AddPoints(301);
    EXPECT_EQ(1, Kind(0));
    EXPECT_EQ(2, list.CountAll());
}

TEST_F(JewelBonuses, FullPlainColumnGivesColouredFiguresAndFullListOnlyResets)
{
    for (int n = 0; n < 4; ++n)
        list.AddPoints((n + 1) * 300 + 1);
    EXPECT_EQ(4, list.CountAll());
    list.AddPoints(1500);
    EXPECT_EQ(4, list.CountAll());
    list.AddPoints(1);
    ASSERT_TRUE(list.GetSlot(4));
    int kind = Kind(4);
    EXPECT_GE(kind, 10);
    EXPECT_LT(kind, 10 + field.GetColorCount());
    EXPECT_EQ(kind - 10 + 4, static_cast<int>(list.GetSlot(4)->GetParam().y));
    for (int n = 0; n < 4; ++n)
        list.AddPoints(1501);
    EXPECT_EQ(9, list.CountAll());
    list.AddPoints(1501);
    EXPECT_EQ(9, list.CountAll());
    EXPECT_EQ(0, list.GetPoints());
}

// The game's view: the board 40 units away at the scale 0.06. A figure's
// four bevels carry the edges of its frame; leant along the line of sight,
// each shows as wide on the screen as the others, in the side slots as in
// the middle.
TEST_F(JewelBonuses, EveryBevelOfAFigureInAnySlotShowsAsWideAsTheOthers)
{
    const float scale = 0.06f;
    const float modelview[16] = {scale, 0, 0, 0, 0, scale, 0, 0, 0, 0, scale, 0, 0, 0, -40.0f, 1};
    // A point of the board on the screen, in units of the near plane.
    auto project = [&](const CVector4& p) {
        float depth = 40.0f - scale * p.z;
        return CVector4(scale * p.x / depth, scale * p.y / depth, 0.0f);
    };
    for (int n = 0; n < 4; ++n)
        list.AddPoints((n + 1) * 300 + 1);
    for (int n = 0; n < 5; ++n)
        list.AddPoints(1501);
    ASSERT_EQ(9, list.CountAll());
    std::vector<CVector4> places;
    for (int i = 0; i < CBJBonusesList::SLOTS; ++i)
        places.push_back(list.GetSlot(i)->GetPosition());
    places.push_back(CVector4(0.0f, 0.0f, 3.0f));
    // Each bevel runs from the top's edge (0.36 out, 0.34 up) to the side's
    // top (0.5 out, 0.18 up), in units of the figure's side: right, left, up, down.
    const float out[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const float side = field.GetBrickSize();
    float middle = 0.0f;
    for (int place = static_cast<int>(places.size()) - 1; place >= 0; --place)
    {
        const CVector4& at = places[place];
        SCOPED_TRACE(testing::Message() << "figure at " << at.x << ", " << at.y);
        float a = 0.0f;
        float b = 0.0f;
        ASSERT_TRUE(CBJBonusesList::EyeSlope(modelview, at, a, b));
        // x' = x + a z, y' = y + b z over the figure's own height.
        auto leant = [&](float x, float y, float z) {
            return CVector4(at.x + side * (x + a * z), at.y + side * (y + b * z), at.z + side * z);
        };
        for (const auto& o : out)
        {
            CVector4 inner = project(leant(0.36f * o[0], 0.36f * o[1], 0.34f));
            CVector4 outer = project(leant(0.5f * o[0], 0.5f * o[1], 0.18f));
            float width = (outer.x - inner.x) * o[0] + (outer.y - inner.y) * o[1];
            if (place + 1 == static_cast<int>(places.size()) && o[0] > 0.0f)
                middle = width;
            EXPECT_NEAR(middle, width, middle * 0.2f) << "bevel " << o[0] << ", " << o[1];
        }
    }
}

TEST_F(JewelBonuses, APointOnTheFigureEdgeDoesNotHitIt)
{
    list.AddPoints(301);
    CVector4 p = list.GetSlot(0)->GetPosition();
    float h = list.GetSlot(0)->GetScale() / 2.0f;
    EXPECT_FALSE(list.HitTest(CVector4(p.x + h, p.y, 0.0f)));
    EXPECT_TRUE(list.HitTest(CVector4(p.x + h * 0.9f, p.y, 0.0f)));
}

class JewelPlayerMouse : public JewelFieldFixture<>
{
protected:
    CJewelPlayer player{*params, field, &events};

    void Frame(int x, int y, bool button, float dt = 16.0f)
    {
        SJewelPointer pointer;
        pointer.m_point = field.GetBrickPosition(x, y);
        pointer.m_window_x = x * 10;
        pointer.m_window_y = y * 10;
        pointer.m_button = button;
        field.Update(dt);
        player.OnMouse(dt, pointer);
    }
};

TEST_F(JewelPlayerMouse, HeldButtonSelectsOnceAndANeighbourSwaps)
{
    SetBoard(field, {"GRRBY", "RBYPC", "BYPCG", "YPCGB", "PCGBY"});
    for (int i = 0; i < 5; ++i)
        Frame(0, 1, true);
    EXPECT_TRUE(field.BrickAt(0, 1)->IsSelected());
    EXPECT_EQ(1, events.CountSound(CJewelPlayer::SOUND_SELECT));
    Frame(0, 1, false);
    Frame(0, 0, true);
    EXPECT_EQ(CJewelField::STATE_SWAP, field.GetState());
    EXPECT_EQ(CJewelPlayer::INPUT_WAITING, player.GetInputMode());
    for (int i = 0; i < 2000 && !field.IsIdle() && !field.IsStuck(); ++i)
    {
        EXPECT_EQ(CJewelPlayer::INPUT_WAITING, player.GetInputMode());
        Frame(0, 0, false);
    }
    EXPECT_FALSE(HasHole(field));
    if (field.IsIdle())
    {
        EXPECT_EQ(CJewelPlayer::INPUT_READY, player.GetInputMode());
    }
}

TEST_F(JewelPlayerMouse, PickedFigureIsFiredOnTheBrickUnderTheButton)
{
    SetBoard(field, {"RGBYP", "GBYPR", "BYPRG", "YPRGB", "PRGBY"});
    player.AddPoints(301);
    EXPECT_TRUE(field.IsBonusHeld());
    SJewelPointer pointer;
    pointer.m_point = player.GetBonuses().GetSlot(0)->GetPosition();
    pointer.m_button = true;
    player.OnMouse(16.0f, pointer);
    ASSERT_TRUE(player.GetFigure());
    EXPECT_TRUE(field.IsBonusHeld());
    Frame(2, 2, true);
    EXPECT_FALSE(player.GetFigure());
    EXPECT_FALSE(field.IsBonusHeld());
    EXPECT_EQ(1, events.CountSound(CJewelField::SOUND_STRIKE));
}

TEST_F(JewelPlayerMouse, HintComesAfterFiveSecondsOfStillCursor)
{
    SetBoard(field, {"RRBR", "BYRG", "RGBY", "BYRG"});
    for (int i = 0; i < 312; ++i)
        Frame(3, 3, false);
    EXPECT_FALSE(field.HasSelection());
    for (int i = 0; i < 2; ++i)
        Frame(3, 3, false);
    EXPECT_TRUE(field.BrickAt(2, 0)->IsSelected());
}

TEST_F(JewelPlayerMouse, FiguresHeldAfterLoadKeepTheNoMoveTestOffEvenWithTheFirstSlotEmpty)
{
    player.AddPoints(301);
    player.AddPoints(601);
    player.GetBonuses().HitTest(player.GetBonuses().GetSlot(0)->GetPosition());
    CConfigFile store;
    player.Save(store);
    field.SetBonusHeld(false);
    CJewelPlayer restored(*params, field, &events);
    ASSERT_TRUE(restored.Load(store));
    EXPECT_EQ(0, restored.GetBonuses().CountLeading());
    EXPECT_EQ(1, restored.GetBonuses().CountAll());
    EXPECT_TRUE(field.IsBonusHeld());
}
}
