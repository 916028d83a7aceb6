#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/remover/CRemoverGame.h"
#include "games/remover/CRemoverGameScreen.h"
#include "games/remover/CRemoverNewGameDialog.h"
#include "games/remover/CRemoverPlayer.h"
#include "tests/remover/RemoverTestKit.h"

TEST(RemoverNewGameDialog, PreselectsTheRememberedChoicesAndIsCentred)
{
    auto params = MakeParams(2, 1);
    CConfigFile layout;
    layout.SetValue("m_nd_width", "500");
    layout.SetValue("m_nd_height", "400");
    CRemoverNewGameDialog dialog(&layout, params.get());
    EXPECT_FLOAT_EQ(150.0f, dialog.GetX());
    EXPECT_FLOAT_EQ(100.0f, dialog.GetY());
    EXPECT_EQ(2, dialog.GetSizeGroup().GetSelectedIndex());
    EXPECT_EQ(1, dialog.GetDifficultyGroup().GetSelectedIndex());
    EXPECT_EQ(3u, dialog.GetSizeGroup().GetCount());
    EXPECT_EQ(3u, dialog.GetDifficultyGroup().GetCount());
}

TEST(RemoverNewGameDialog, EnterStartsAndEscapeCancels)
{
    auto params = MakeParams(0, 0);
    CConfigFile layout;
    CRemoverNewGameDialog start(&layout, params.get());
    start.OnKeyDown(13);
    EXPECT_EQ(0, start.GetResult());
    CRemoverNewGameDialog cancel(&layout, params.get());
    cancel.OnKeyDown(27);
    EXPECT_EQ(1, cancel.GetResult());
    // Once closing, a second key does not change the answer.
    cancel.OnKeyDown(13);
    EXPECT_EQ(1, cancel.GetResult());
}

TEST(RemoverGameScreen, StandsStillForAHundredMillisecondsAndSavesItsScoreUnderTheSharedKey)
{
    auto params = MakeParams(0, 0);
    CRecordingEvents events;
    CRemoverGameScreen screen(nullptr, *params, &events, 2);
    screen.Activate();
    screen.Update(60.0f);
    screen.Update(39.0f);
    EXPECT_EQ(0, screen.GetGame().GetPlayer().GetTurns());
    EXPECT_TRUE(screen.GetGame().IsEffectRunning());
    for (int i = 0; i < 2000 && screen.GetGame().IsEffectRunning(); ++i)
        screen.Update(16.0f);
    screen.Update(16.0f);
    EXPECT_EQ(1, screen.GetGame().GetPlayer().GetTurns());
    CConfigFile store;
    screen.Save(store);
    EXPECT_EQ("0", store.GetValue("m_score", ""));
    EXPECT_EQ("1", store.GetValue("gf_m_current_level", ""));
}
