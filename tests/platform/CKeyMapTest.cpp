#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include "platform/CKeyMap.h"

#include <string>

TEST(CKeyMap, KeysGiveTheirVirtualKeyNumbersAndUnnamedOnesZero)
{
    // Both Shift and both Control keys give one code; letters their upper-case code.
    const struct
    {
        SDL_Keycode key;
        int code;
    } cases[] = {
        {SDLK_ESCAPE, 27}, {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_BACKSPACE, 8}, {SDLK_DELETE, 46},
        {SDLK_HOME, 36},   {SDLK_END, 35},    {SDLK_INSERT, 45},   {SDLK_LEFT, 37},     {SDLK_UP, 38},
        {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},   {SDLK_LSHIFT, 16},   {SDLK_RSHIFT, 16},   {SDLK_LCTRL, 17},
        {SDLK_RCTRL, 17},  {SDLK_a, 65},      {SDLK_v, 86},        {SDLK_z, 90},        {SDLK_0, '0'},
        {SDLK_9, '9'},     {SDLK_F1, 112},    {SDLK_F4, 115},      {SDLK_F12, 123},     {SDLK_F13, 0},
        {SDLK_VOLUMEUP, 0}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CKeyMap::ToVirtualKey(c.key), c.code) << "key " << c.key;
}

TEST(CKeyMap, TypedTextKeepsOnlyPrintableSingleBytesWithinTheBuffer)
{
    char out[32];
    ASSERT_EQ(4, CKeyMap::ToCharBytes("a\xc3\xa9 b~\t\x7f", out, sizeof(out)));
    EXPECT_EQ(std::string(out, 4), "a b~");
    char small[3] = {0, 0, 0};
    EXPECT_EQ(2, CKeyMap::ToCharBytes("abcdef", small, 2));
    EXPECT_EQ(0, small[2]);
    EXPECT_EQ(0, CKeyMap::ToCharBytes(nullptr, small, 2));
}
