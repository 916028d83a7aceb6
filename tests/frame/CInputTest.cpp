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
    CPlatformWindow m_window;   // never opened: binding needs no display
};
}

TEST_F(CInputTest, WithoutAWindowPollReadsNothing)
{
    CInput input;
    CInputState::Instance().OnButtonDown(0);
    input.Poll();
    EXPECT_EQ(0, input.GetMouseState()->rgbButtons[0]);
}

TEST_F(CInputTest, ClickBetweenTwoPollsIsSeenAsHeldOnce)
{
    CInput input;
    input.Create(&m_window);
    CInputState::Instance().OnButtonDown(0);
    CInputState::Instance().OnButtonUp(0);
    input.Poll();
    EXPECT_EQ(0x80, input.GetMouseState()->rgbButtons[0]);
    input.Poll();
    EXPECT_EQ(0, input.GetMouseState()->rgbButtons[0]);
}

TEST_F(CInputTest, PressFromAFrameNobodyPolledIsForgotten)
{
    CInput input;
    input.Create(&m_window);
    CInputState::Instance().OnButtonDown(0);
    CInputState::Instance().OnButtonUp(0);
    CInputState::Instance().EndFrame();
    input.Poll();
    EXPECT_EQ(0, input.GetMouseState()->rgbButtons[0]);
}

TEST_F(CInputTest, PressBeforeTheWindowExistedDoesNotCount)
{
    CInputState::Instance().OnButtonDown(1);
    CInputState::Instance().OnButtonUp(1);
    CInput input;
    input.Create(&m_window);
    input.Poll();
    EXPECT_EQ(0, input.GetMouseState()->rgbButtons[1]);
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

TEST_F(CInputTest, ReleaseLeavesNoButtonHeld)
{
    CInput input;
    input.Create(&m_window);
    CInputState::Instance().OnButtonDown(0);
    input.Poll();
    input.Release();
    EXPECT_EQ(0, input.GetMouseState()->rgbButtons[0]);
    EXPECT_FALSE(input.IsCreated());
}
