#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/remover/CRemoverNewGameDialog.h"
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
