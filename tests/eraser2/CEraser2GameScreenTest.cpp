#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/eraser2/CEraser2Game.h"
#include "games/eraser2/CEraser2GameScreen.h"
#include "games/eraser2/CEraser2NewGameDialog.h"
#include "tests/eraser2/Eraser2TestKit.h"

// The score table and the rules of a continued game are those of the board
// it was dealt, whatever the settings hold now; a stored option the dialog
// never offers (2) plays, and is filed as, three colours.
TEST(Eraser2Continue, AContinuedGameKeepsItsOwnColourOptionAndSize)
{
    for (int option = 0; option < 3; ++option)
        for (int size = 0; size < 3; ++size)
        {
            SCOPED_TRACE(testing::Message() << "option " << option << ", size " << size);
            const int played = option == 1 ? 1 : 0;
            auto chosen = MakeParams(size, option);
            CRecordingEvents events;
            CEraser2GameScreen first(nullptr, *chosen, &events, 3);
            EXPECT_EQ(played, first.GetGameDifficulty());
            EXPECT_EQ(size, first.GetGameSize());
            CConfigFile store;
            first.Save(store);

            auto settings = MakeParams(2 - size, 1 - played);
            CEraser2GameScreen continued(nullptr, *settings, &events, 5);
            ASSERT_TRUE(continued.Load(store));
            EXPECT_EQ(played, continued.GetGameDifficulty());
            EXPECT_EQ(size, continued.GetGameSize());
            const CEraser2Field& field = continued.GetGame().GetField();
            EXPECT_EQ(chosen->GetGroupSize(played), field.GetGroupMin());
            EXPECT_EQ(chosen->GetColorCount(played), field.GetColorCount());
        }
}

// What the dialog shows is what the board plays.
TEST(Eraser2NewGameDialog, PreselectsTheColourOptionThatIsPlayed)
{
    const struct
    {
        int stored, selected, colors;
    } cases[] = {{0, 0, 3}, {1, 1, 4}, {2, 0, 3}};
    for (const auto& c : cases)
    {
        auto params = MakeParams(1, c.stored);
        CConfigFile layout;
        CEraser2NewGameDialog dialog(&layout, params.get());
        EXPECT_EQ(c.selected, dialog.GetDifficultyGroup().GetSelectedIndex()) << "stored " << c.stored;
        EXPECT_EQ(1, dialog.GetSizeGroup().GetSelectedIndex()) << "stored " << c.stored;
        EXPECT_EQ(c.colors, params->GetColorCount(params->GetOption())) << "stored " << c.stored;
    }
}
