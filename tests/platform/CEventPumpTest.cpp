#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <deque>

#include "platform/CEventPump.h"
#include "platform/CInputState.h"
#include "platform/CPlatformEvents.h"

namespace
{
SDL_Event KeyEvent(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE)
{
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event ButtonEvent(Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
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

TEST_F(CEventPumpTest, EscapeKeyBecomesKeyDown27AndIsHeld)
{
    CEventPump::Translate(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE), 1.0f, 1.0f, m_out);
    ASSERT_EQ(1u, m_out.size());
    EXPECT_EQ(EPlatformEvent::KeyDown, m_out[0].m_type);
    EXPECT_EQ(27, m_out[0].m_key);
    EXPECT_TRUE(CInputState::Instance().IsKeyDown(27));
    CEventPump::Translate(KeyEvent(SDL_KEYUP, SDLK_ESCAPE), 1.0f, 1.0f, m_out);
    EXPECT_FALSE(CInputState::Instance().IsKeyDown(27));
}

TEST_F(CEventPumpTest, AltF4AndTheWindowManagersQuitAskForTheOrderlyClose)
{
    SDL_Event quit;
    SDL_zero(quit);
    quit.type = SDL_QUIT;
    for (const SDL_Event& e : {KeyEvent(SDL_KEYDOWN, SDLK_F4, KMOD_LALT), quit})
    {
        m_out.clear();
        CEventPump::Translate(e, 1.0f, 1.0f, m_out);
        ASSERT_EQ(1u, m_out.size());
        EXPECT_EQ(EPlatformEvent::CloseRequest, m_out[0].m_type);
    }
}

TEST_F(CEventPumpTest, TypedTextGivesOneCharEventPerPrintableByte)
{
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "H\xc3\xbci");
    CEventPump::Translate(e, 1.0f, 1.0f, m_out);
    ASSERT_EQ(2u, m_out.size());
    EXPECT_EQ(EPlatformEvent::Char, m_out[0].m_type);
    EXPECT_EQ('H', m_out[0].m_key);
    EXPECT_EQ('i', m_out[1].m_key);
}

TEST_F(CEventPumpTest, LeftPressCarriesPositionInDrawablePixelsAndButtonFlag)
{
    CEventPump::Translate(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 50), 2.0f, 2.0f, m_out);
    ASSERT_EQ(1u, m_out.size());
    EXPECT_EQ(EPlatformEvent::LButtonDown, m_out[0].m_type);
    EXPECT_EQ(200, m_out[0].m_x);
    EXPECT_EQ(100, m_out[0].m_y);
    EXPECT_NE(0u, m_out[0].m_flags & SPlatformEvent::MK_LBUTTON);
    EXPECT_EQ(200, CInputState::Instance().GetMouseX());
}

TEST_F(CEventPumpTest, ClickInsideOneFrameReachesThePoll)
{
    CEventPump::Translate(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10), 1.0f, 1.0f, m_out);
    CEventPump::Translate(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 10), 1.0f, 1.0f, m_out);
    ASSERT_EQ(2u, m_out.size());
    EXPECT_EQ(EPlatformEvent::LButtonUp, m_out[1].m_type);
    EXPECT_EQ(0u, m_out[1].m_flags & SPlatformEvent::MK_LBUTTON);
    int dx = 0, dy = 0;
    unsigned char buttons[4];
    CInputState::Instance().SnapshotMouse(dx, dy, buttons);
    EXPECT_EQ(0x80, buttons[0]);
    CInputState::Instance().SnapshotMouse(dx, dy, buttons);
    EXPECT_EQ(0, buttons[0]);
}

TEST_F(CEventPumpTest, RightReleaseIsReportedAndMiddleOnlyHeld)
{
    CEventPump::Translate(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 2), 1.0f, 1.0f, m_out);
    CEventPump::Translate(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 2), 1.0f, 1.0f, m_out);
    ASSERT_EQ(1u, m_out.size());
    EXPECT_EQ(EPlatformEvent::RButtonUp, m_out[0].m_type);
    EXPECT_TRUE(CInputState::Instance().IsButtonDown(2));
}

TEST_F(CEventPumpTest, LosingFocusReleasesHeldKeys)
{
    CEventPump::Translate(KeyEvent(SDL_KEYDOWN, SDLK_LCTRL), 1.0f, 1.0f, m_out);
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    CEventPump::Translate(e, 1.0f, 1.0f, m_out);
    EXPECT_EQ(EPlatformEvent::FocusLost, m_out.back().m_type);
    EXPECT_FALSE(CInputState::Instance().IsKeyDown(17));
}

// A board must not keep aiming at the last cell once the pointer is gone.
TEST_F(CEventPumpTest, PointerLeavingTheWindowIsOutsideUntilItMovesAgain)
{
    SDL_Event leave;
    SDL_zero(leave);
    leave.type = SDL_WINDOWEVENT;
    leave.window.event = SDL_WINDOWEVENT_LEAVE;
    CEventPump::Translate(leave, 1.0f, 1.0f, m_out);
    EXPECT_FALSE(CInputState::Instance().IsMouseInside());
    SDL_Event move;
    SDL_zero(move);
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 5;
    move.motion.y = 6;
    CEventPump::Translate(move, 1.0f, 1.0f, m_out);
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
