#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include "platform/CKeyMap.h"

TEST(CKeyMap, NamedKeysGiveTheirVirtualKeyNumbers)
{
    EXPECT_EQ(27, CKeyMap::ToVirtualKey(SDLK_ESCAPE));
    EXPECT_EQ(13, CKeyMap::ToVirtualKey(SDLK_RETURN));
    EXPECT_EQ(13, CKeyMap::ToVirtualKey(SDLK_KP_ENTER));
    EXPECT_EQ(8, CKeyMap::ToVirtualKey(SDLK_BACKSPACE));
    EXPECT_EQ(46, CKeyMap::ToVirtualKey(SDLK_DELETE));
    EXPECT_EQ(36, CKeyMap::ToVirtualKey(SDLK_HOME));
    EXPECT_EQ(35, CKeyMap::ToVirtualKey(SDLK_END));
    EXPECT_EQ(45, CKeyMap::ToVirtualKey(SDLK_INSERT));
    EXPECT_EQ(37, CKeyMap::ToVirtualKey(SDLK_LEFT));
    EXPECT_EQ(38, CKeyMap::ToVirtualKey(SDLK_UP));
    EXPECT_EQ(39, CKeyMap::ToVirtualKey(SDLK_RIGHT));
    EXPECT_EQ(40, CKeyMap::ToVirtualKey(SDLK_DOWN));
}

TEST(CKeyMap, BothShiftAndBothControlKeysMapToOneCode)
{
    EXPECT_EQ(16, CKeyMap::ToVirtualKey(SDLK_LSHIFT));
    EXPECT_EQ(16, CKeyMap::ToVirtualKey(SDLK_RSHIFT));
    EXPECT_EQ(17, CKeyMap::ToVirtualKey(SDLK_LCTRL));
    EXPECT_EQ(17, CKeyMap::ToVirtualKey(SDLK_RCTRL));
}

TEST(CKeyMap, LettersAreUpperCaseCodesWhateverTheShift)
{
    EXPECT_EQ(65, CKeyMap::ToVirtualKey(SDLK_a));
    EXPECT_EQ(86, CKeyMap::ToVirtualKey(SDLK_v));
    EXPECT_EQ(90, CKeyMap::ToVirtualKey(SDLK_z));
    EXPECT_EQ('0', CKeyMap::ToVirtualKey(SDLK_0));
    EXPECT_EQ('9', CKeyMap::ToVirtualKey(SDLK_9));
}

TEST(CKeyMap, FunctionKeysRunFrom112To123)
{
    EXPECT_EQ(112, CKeyMap::ToVirtualKey(SDLK_F1));
    EXPECT_EQ(115, CKeyMap::ToVirtualKey(SDLK_F4));
    EXPECT_EQ(116, CKeyMap::ToVirtualKey(SDLK_F5));
    EXPECT_EQ(123, CKeyMap::ToVirtualKey(SDLK_F12));
}

TEST(CKeyMap, KeysTheGameNeverNamesGiveZero)
{
    EXPECT_EQ(0, CKeyMap::ToVirtualKey(SDLK_F13));
    EXPECT_EQ(0, CKeyMap::ToVirtualKey(SDLK_VOLUMEUP));
    EXPECT_EQ(0, CKeyMap::ToVirtualKey(0));
}

TEST(CKeyMap, TypedTextKeepsOnlyPrintableSingleBytes)
{
    char out[32];
    const int count = CKeyMap::ToCharBytes("a\xc3\xa9 b~\t\x7f", out, sizeof(out));
    ASSERT_EQ(4, count);
    EXPECT_EQ('a', out[0]);
    EXPECT_EQ(' ', out[1]);
    EXPECT_EQ('b', out[2]);
    EXPECT_EQ('~', out[3]);
}

TEST(CKeyMap, TypedTextNeverWritesPastTheBuffer)
{
    char out[3] = {0, 0, 0};
    EXPECT_EQ(2, CKeyMap::ToCharBytes("abcdef", out, 2));
    EXPECT_EQ(0, out[2]);
    EXPECT_EQ(0, CKeyMap::ToCharBytes(nullptr, out, 2));
}
