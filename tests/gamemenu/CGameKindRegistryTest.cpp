#include <gtest/gtest.h>

#include <set>

#include "games/GameKinds.h"
#include "shell/CGameKindRegistry.h"
#include "tests/gamemenu/CFakeKind.h"

TEST(GameKindRegistry, RefusesBadIndexesAndDuplicatesAndAKindWithoutMakersIsNotPlayable)
{
    CGameKindRegistry kinds;
    EXPECT_FALSE(kinds.Add(MakeFakeKind(-1, nullptr)));
    EXPECT_FALSE(kinds.Add(MakeFakeKind(8, nullptr)));
    EXPECT_TRUE(kinds.Add(MakeFakeKind(2, nullptr)));
    EXPECT_FALSE(kinds.Add(MakeFakeKind(2, nullptr)));
    EXPECT_TRUE(kinds.IsPlayable(2));
    EXPECT_FALSE(kinds.IsPlayable(1));
    SGameKind noScreen = MakeFakeKind(3, nullptr);
    noScreen.m_make_game_screen = nullptr;
    EXPECT_TRUE(kinds.Add(noScreen));
    EXPECT_EQ(kinds.GetCount(), 2u);
    EXPECT_FALSE(kinds.IsPlayable(3));
    EXPECT_EQ(kinds.Find(3), nullptr);
    ASSERT_NE(kinds.Get(3), nullptr);
    EXPECT_STREQ(kinds.GetKindName(3), noScreen.m_name.c_str());
    EXPECT_EQ(kinds.GetKindName(4), nullptr);
}

TEST(GameKindRegistry, EveryKindOfTheTableHasItsOwnNameFilesAndTableDigit)
{
    CGameKindRegistry kinds;
    RegisterGameKinds(kinds);
    ASSERT_EQ(kinds.GetCount(), GetGameKinds().size());
    ASSERT_LE(kinds.GetCount(), static_cast<std::size_t>(CGameKindRegistry::MAX_KINDS));
    std::set<std::string> names;
    std::set<std::string> settings;
    std::set<int> digits;
    for (int k = 0; k < static_cast<int>(kinds.GetCount()); ++k)
    {
        const SGameKind* kind = kinds.Get(k);
        ASSERT_NE(kind, nullptr) << k;
        EXPECT_FALSE(kind->m_caption.empty()) << k;
        EXPECT_TRUE(names.insert(kind->m_name).second) << kind->m_name;
        EXPECT_TRUE(settings.insert(kind->m_settings_file).second) << kind->m_name;
        EXPECT_TRUE(digits.insert(kind->m_table_digit).second) << kind->m_name;
    }
}
