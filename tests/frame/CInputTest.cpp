#include <gtest/gtest.h>

#include "engine/frame/CInput.h"
#include "platform/CInputState.h"
#include "platform/CPlatformWindow.h"

namespace
{
class CInputTest : public ::testing::Test
{
protected:
    void SetUp() override { CInputState::Instance().ReleaseAll(); }
    void TearDown() override { CInputState::Instance().ReleaseAll(); }
    void RunSteps(const char* steps);
    CPlatformWindow m_window;   // never opened: binding needs no display
};
}

// Steps: c bind the input to the window, d / u press / release the left
// button, e end a frame nobody polled, x release the input, h hold the
// buttons until released, p poll (then the held flag seen: 1 or 0).
void CInputTest::RunSteps(const char* steps)
{
    CInputState::Instance().ReleaseAll();
    CInput input;
    for (const char* c = steps; *c != '\0'; ++c)
    {
        switch (*c)
        {
        case 'c': input.Create(&m_window); break;
        case 'd': CInputState::Instance().OnButtonDown(0); break;
        case 'u': CInputState::Instance().OnButtonUp(0); break;
        case 'e': CInputState::Instance().EndFrame(); break;
        case 'x': input.Release(); break;
        case 'h': input.HoldButtonsUntilReleased(); break;
        case 'p':
            input.Poll();
            EXPECT_EQ(input.GetMouseState()->rgbButtons[0], *++c == '1' ? 0x80 : 0) << steps;
            break;
        }
    }
}

TEST_F(CInputTest, AClickBetweenTwoPollsIsSeenHeldOnceAndOtherPressesAreForgotten)
{
    for (const char* steps : {"dup0", "cdup1p0", "cduep0", "ducp0", "cdp1p1up0", "cdep1", "cdp1xp0"})
        RunSteps(steps);
}

// The press that opened a screen stays down across it and must never count there.
TEST_F(CInputTest, AfterHoldingUntilReleasedAButtonCountsOnlyOnceAPollHasSeenItUp)
{
    for (const char* steps : {"cdp1hp0p0up0dp1", "cdhp0ep0up0dup1p0", "chp0dp1", "cdup1hp0p0dp1"})
        RunSteps(steps);
}

TEST_F(CInputTest, KeysAreReadByVirtualKeyNumber)
{
    CInput input;
    input.Create(&m_window);
    CInputState::Instance().OnKeyDown(17);
    input.Poll();
    EXPECT_TRUE(input.IsKeyDown(17));
    EXPECT_FALSE(input.IsKeyDown(16));
    EXPECT_FALSE(input.IsKeyDown(-1));
    EXPECT_FALSE(input.IsKeyDown(256));
    CInputState::Instance().OnKeyUp(17);
    input.Poll();
    EXPECT_FALSE(input.IsKeyDown(17));
}

TEST_F(CInputTest, MouseMovementIsSummedBetweenPollsAndPositionKept)
{
    CInput input;
    input.Create(&m_window);
    CInputState::Instance().OnMouseMove(10, 20, 3, 4);
    CInputState::Instance().OnMouseMove(12, 25, 2, 5);
    input.Poll();
    EXPECT_EQ(5, input.GetMouseState()->lX);
    EXPECT_EQ(9, input.GetMouseState()->lY);
    EXPECT_EQ(12, input.GetMousePos().x);
    EXPECT_EQ(25, input.GetMousePos().y);
    input.Poll();
    EXPECT_EQ(0, input.GetMouseState()->lX);
}
