#include <gtest/gtest.h>

#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverScorePopup.h"
#include "shell/game/CRandom.h"
#include "tests/remover/RemoverTestKit.h"

TEST(RemoverBrick, BonusOfZeroKeepsTheOldBonus)
{
    auto params = MakeParams(0, 0);
    CRemoverBrick brick(params.get(), nullptr);
    brick.SetBonus(2, 1);
    brick.SetBonus(0, 2);
    EXPECT_EQ(2, brick.GetBonusValue());
    EXPECT_EQ(1, brick.GetBonusLife());
}

TEST(RemoverBrick, CountdownWithoutBonusChangesNothingAndBurstsNothing)
{
    auto params = MakeParams(0, 0);
    CRecordingEvents events;
    CRemoverBrick brick(params.get(), nullptr);
    CRandom random(1);
    brick.CountDownBonus(&events, random);
    EXPECT_EQ(0, brick.GetBonusValue());
    EXPECT_TRUE(events.m_sparkles.empty());
}

TEST(RemoverBrick, SelectAndUnselectResetTheAlphaAndTheBlend)
{
    auto params = MakeParams(0, 0);
    CRemoverBrick brick(params.get(), nullptr);
    brick.SetAlpha(0.3f);
    brick.Select();
    EXPECT_TRUE(brick.IsSelected());
    EXPECT_TRUE(brick.GetBlend());
    EXPECT_FLOAT_EQ(1.0f, brick.GetAlpha());
    brick.Unselect();
    EXPECT_FALSE(brick.GetBlend());
}

TEST(RemoverScorePopup, RisesFadesAndIsDroppedOnceInvisible)
{
    CRandom random(1);
    CRemoverScorePopup popup(nullptr, random);
    EXPECT_EQ(0, popup.GetValue());
    float rise = popup.GetVelocity().y;
    EXPECT_GE(rise, 1.0f);
    EXPECT_LE(rise, 3.0f);
    popup.Update();
    EXPECT_FLOAT_EQ(rise, popup.GetPosition().y);
    EXPECT_FLOAT_EQ(0.995f, popup.GetAlpha());
    int updates = 1;
    while (popup.GetAlpha() >= 0.0f && updates < 1000)
    {
        popup.Update();
        ++updates;
    }
    EXPECT_NEAR(200, updates, 1);
}
