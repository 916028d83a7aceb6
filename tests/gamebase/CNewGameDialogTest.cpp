#include <gtest/gtest.h>

#include <vector>

#include "shell/game/CNewGameDialog.h"

TEST(CNewGameDialogTest, RememberedChoiceThatCannotBeShownFallsToAShownOne)
{
    struct SCase
    {
        const char* what;
        std::vector<bool> shown;
        int remembered;
        int chosen;
    };
    const SCase cases[] = {
        {"shown choice stands", {true, true, true}, 2, 2},
        {"out of range: first shown", {true, true, true}, 7, 0},
        {"negative: first shown", {false, true, true}, -1, 1},
        {"hidden middle size: the one below", {true, false, true}, 1, 0},
        {"hidden hard: the one below", {true, true, false}, 2, 1},
        {"hidden first: the one above", {false, true, true}, 0, 1},
        {"four sizes", {true, true, true, true}, 3, 3},
        {"all hidden: the stored one stands", {false, false, false}, 2, 2},
        {"all hidden, out of range: the first", {false, false, false}, 5, 0},
        {"no choices", {}, 0, -1},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(c.chosen, CNewGameDialog::ChooseShown(c.shown, c.remembered)) << c.what;
}
