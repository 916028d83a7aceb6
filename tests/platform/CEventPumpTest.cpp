#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <deque>
#include <vector>

#include "platform/CEventPump.h"
#include "platform/CInputState.h"
#include "platform/CPlatformEvents.h"

namespace
{
SDL_Event Event(Uint32 type)
{
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    return e;
}

SDL_Event KeyEvent(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE)
{
    SDL_Event e = Event(type);
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event ButtonEvent(Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event e = Event(type);
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event WindowEvent(Uint8 what)
{
    SDL_Event e = Event(SDL_WINDOWEVENT);
    e.window.event = what;
    return e;
}

class CEventPumpTest : public ::testing::Test
{
protected:
    void SetUp() override { CInputState::Instance().ReleaseAll(); }
    void TearDown() override { CInputState::Instance().ReleaseAll(); }
    std::deque<SPlatformEvent> m_out;
};
}

TEST_F(CEventPumpTest, EventsBecomeTheGamesEventsInDrawablePixels)
{
    // Alt+F4 and the window manager's quit ask for the orderly close; typed
    // text gives one character per printable byte; a middle press gives nothing.
    SDL_Event text = Event(SDL_TEXTINPUT);
    std::strcpy(text.text.text, "H\xc3\xbci");
    const struct
    {
        SDL_Event event;
        std::vector<std::vector<int>> out;   // type, key, x, y, left button flag
    } cases[] = {
        {KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE), {{int(EPlatformEvent::KeyDown), 27, 0, 0, 0}}},
        {KeyEvent(SDL_KEYDOWN, SDLK_F4, KMOD_LALT), {{int(EPlatformEvent::CloseRequest), 0, 0, 0, 0}}},
        {Event(SDL_QUIT), {{int(EPlatformEvent::CloseRequest), 0, 0, 0, 0}}},
        {text, {{int(EPlatformEvent::Char), 'H', 0, 0, 0}, {int(EPlatformEvent::Char), 'i', 0, 0, 0}}},
        {ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 50), {{int(EPlatformEvent::LButtonDown), 0, 200, 100, 1}}},
        {ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 50), {{int(EPlatformEvent::LButtonUp), 0, 200, 100, 0}}},
        {ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 2), {{int(EPlatformEvent::RButtonUp), 0, 2, 4, 0}}},
        {ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 2), {}},
    };
    for (const auto& c : cases)
    {
        m_out.clear();
        CEventPump::Translate(c.event, 2.0f, 2.0f, m_out);
        std::vector<std::vector<int>> out;
        for (const SPlatformEvent& e : m_out)
        {
            const bool key = e.m_type == EPlatformEvent::KeyDown || e.m_type == EPlatformEvent::Char;
            const bool mouse = !key && e.m_type != EPlatformEvent::CloseRequest;
            out.push_back({int(e.m_type), key ? e.m_key : 0, mouse ? e.m_x : 0, mouse ? e.m_y : 0,
                           (e.m_flags & SPlatformEvent::MK_LBUTTON) != 0});
        }
        EXPECT_EQ(out, c.out) << c.event.type;
    }
    // Keys and buttons are held until released.
    EXPECT_TRUE(CInputState::Instance().IsKeyDown(27));
    EXPECT_TRUE(CInputState::Instance().IsButtonDown(2));
    EXPECT_EQ(2, CInputState::Instance().GetMouseX());
    CEventPump::Translate(KeyEvent(SDL_KEYUP, SDLK_ESCAPE), 1.0f, 1.0f, m_out);
    EXPECT_FALSE(CInputState::Instance().IsKeyDown(27));
}

TEST_F(CEventPumpTest, LosingFocusReleasesHeldKeys)
{
    CEventPump::Translate(KeyEvent(SDL_KEYDOWN, SDLK_LCTRL), 1.0f, 1.0f, m_out);
    CEventPump::Translate(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), 1.0f, 1.0f, m_out);
    EXPECT_EQ(EPlatformEvent::FocusLost, m_out.back().m_type);
    EXPECT_FALSE(CInputState::Instance().IsKeyDown(17));
}

// A board must not keep aiming at the last cell once the pointer is gone.
TEST_F(CEventPumpTest, PointerLeavingTheWindowIsOutsideUntilItMovesAgain)
{
    CEventPump::Translate(WindowEvent(SDL_WINDOWEVENT_LEAVE), 1.0f, 1.0f, m_out);
    EXPECT_FALSE(CInputState::Instance().IsMouseInside());
    CEventPump::Translate(Event(SDL_MOUSEMOTION), 1.0f, 1.0f, m_out);
    EXPECT_TRUE(CInputState::Instance().IsMouseInside());
}

TEST_F(CEventPumpTest, OwnQuitEventCarriesTheExitCode)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_EVENTS));
    CPlatformEvents::Register();
    ASSERT_TRUE(CPlatformEvents::Push(CPlatformEvents::GetQuitType(), 3));
    ASSERT_TRUE(CPlatformEvents::Push(CPlatformEvents::GetCloseType(), 0));
    SPlatformEvent event;
    ASSERT_TRUE(CEventPump::Poll(event));
    EXPECT_EQ(EPlatformEvent::Quit, event.m_type);
    EXPECT_EQ(3, event.m_code);
    ASSERT_TRUE(CEventPump::Poll(event));
    EXPECT_EQ(EPlatformEvent::CloseRequest, event.m_type);
    EXPECT_FALSE(CEventPump::Poll(event));
    SDL_Quit();
}
