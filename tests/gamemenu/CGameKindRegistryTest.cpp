#include <gtest/gtest.h>

#include "shell/CGameKindRegistry.h"
#include "tests/gamemenu/CFakeKind.h"

TEST(GameKindRegistry, KindsAreFoundByTheirIndexOnly)
{
    CGameKindRegistry kinds;
    EXPECT_TRUE(kinds.Add(MakeFakeKind(0, nullptr)));
    EXPECT_TRUE(kinds.IsPlayable(0));
    EXPECT_FALSE(kinds.IsPlayable(1));
    EXPECT_EQ(kinds.Find(7), nullptr);
}

TEST(GameKindRegistry, RefusesBadIndexesDuplicatesAndMissingMakers)
{
    CGameKindRegistry kinds;
    EXPECT_FALSE(kinds.Add(MakeFakeKind(-1, nullptr)));
    EXPECT_FALSE(kinds.Add(MakeFakeKind(8, nullptr)));
    EXPECT_TRUE(kinds.Add(MakeFakeKind(2, nullptr)));
    EXPECT_FALSE(kinds.Add(MakeFakeKind(2, nullptr)));
    SGameKind noScreen = MakeFakeKind(3, nullptr);
    noScreen.m_make_game_screen = nullptr;
    EXPECT_FALSE(kinds.Add(noScreen));
    EXPECT_EQ(kinds.GetCount(), 1u);
}

TEST(GameKindRegistry, NamesKeysAndGroupsFollowTheKindOrder)
{
    EXPECT_EQ(CGameKindRegistry::GetParamKey(0), "m_bricks_remover_game_param");
    EXPECT_EQ(CGameKindRegistry::GetParamKey(5), "m_bricks_eraser2_game_param");
    EXPECT_EQ(CGameKindRegistry::GetParamKey(7), "m_bricks_jewel_game_param");
    EXPECT_EQ(CGameKindRegistry::GetGroupName(6), "filler_menu");
    EXPECT_EQ(CGameKindRegistry::GetKindName(8), nullptr);
    EXPECT_EQ(CGameKindRegistry::GetParamKey(-1), "");
}
