#include "engine/widgets/CButton.h"

#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
class CButtonTest : public CWidgetTest
{
protected:
    CButtonTest()
        : m_texture(MakeTexture(100, 90))
        , m_button(&m_owner, m_texture.get())
    {
        m_button.SetPosition(10.0f, 20.0f, 0.0f);
    }

    std::unique_ptr<CTexture> m_texture;
    CButton m_button;
};

std::vector<int> Sounds(std::initializer_list<int> ids)
{
    return std::vector<int>(ids);
}
}

TEST_F(CButtonTest, SizesItselfFromAThreeFrameStrip)
{
    EXPECT_FLOAT_EQ(m_button.GetWidth(), 100.0f);
    EXPECT_FLOAT_EQ(m_button.GetHeight(), 30.0f);
    EXPECT_EQ(m_button.GetState(), CButton::kNormal);
    EXPECT_TRUE(m_button.IsVisible());
}

TEST_F(CButtonTest, StartsAtTheOrigin)
{
    CButton fresh(&m_owner, m_texture.get());
    EXPECT_FLOAT_EQ(fresh.GetPosition().x, 0.0f);
    EXPECT_FLOAT_EQ(fresh.GetPosition().y, 0.0f);
}

TEST_F(CButtonTest, EnteringPlaysTheHoverSoundOnlyOnce)
{
    EXPECT_TRUE(m_button.OnMouseMove(50, 30, 0));
    EXPECT_TRUE(m_button.OnMouseMove(60, 35, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
    EXPECT_EQ(m_context.m_sounds, Sounds({CWidget::kHoverSound}));
}

TEST_F(CButtonTest, LeavingReturnsToNormalUnhandled)
{
    m_button.OnMouseMove(50, 30, 0);
    EXPECT_FALSE(m_button.OnMouseMove(500, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kNormal);
}

TEST_F(CButtonTest, PressFiresTheCommandAtOnceWithTheClickSound)
{
    EXPECT_TRUE(m_button.OnLButtonDown(50, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kPressed);
    ASSERT_EQ(m_owner.m_commands.size(), 1u);
    EXPECT_EQ(m_owner.m_commands[0], &m_button);
    EXPECT_EQ(m_context.m_sounds, Sounds({CWidget::kClickSound}));
}

TEST_F(CButtonTest, PressOutsideLeavesTheState)
{
    m_button.OnMouseMove(50, 30, 0);
    EXPECT_FALSE(m_button.OnLButtonDown(5, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
    EXPECT_TRUE(m_owner.m_commands.empty());
}

TEST_F(CButtonTest, ReleaseOutsideAfterAPressReturnsToHoverThenAMoveOutsideToNormal)
{
    m_button.OnLButtonDown(50, 30, 0);
    EXPECT_TRUE(m_button.OnLButtonUp(500, 500, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
    EXPECT_FALSE(m_button.OnMouseMove(500, 500, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kNormal);
    EXPECT_EQ(m_owner.m_commands.size(), 1u);
}

TEST_F(CButtonTest, ReleaseWithoutAPressIsUnhandled)
{
    m_button.OnMouseMove(50, 30, 0);
    EXPECT_FALSE(m_button.OnLButtonUp(50, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
}

TEST_F(CButtonTest, MovingWhilePressedGoesToHoverSilently)
{
    m_button.OnLButtonDown(50, 30, 0);
    m_context.m_sounds.clear();
    EXPECT_TRUE(m_button.OnMouseMove(51, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CButtonTest, LeavingWhilePressedGoesToNormal)
{
    m_button.OnLButtonDown(50, 30, 0);
    m_button.OnMouseMove(5, 5, 0);
    EXPECT_EQ(m_button.GetState(), CButton::kNormal);
    EXPECT_FALSE(m_button.OnLButtonUp(5, 5, 0));
}

TEST_F(CButtonTest, HiddenButtonIgnoresAllMouseInputAndKeepsItsState)
{
    m_button.OnMouseMove(50, 30, 0);
    m_context.m_sounds.clear();
    m_button.SetVisible(false);
    EXPECT_FALSE(m_button.OnMouseMove(500, 30, 0));
    EXPECT_FALSE(m_button.OnLButtonDown(50, 30, 0));
    EXPECT_FALSE(m_button.OnLButtonUp(50, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kHover);
    EXPECT_TRUE(m_owner.m_commands.empty());
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CButtonTest, HiddenPressedButtonKeepsPressedOnRelease)
{
    m_button.OnLButtonDown(50, 30, 0);
    m_button.SetVisible(false);
    EXPECT_FALSE(m_button.OnLButtonUp(50, 30, 0));
    EXPECT_EQ(m_button.GetState(), CButton::kPressed);
}

TEST_F(CButtonTest, ResetReturnsToNormal)
{
    m_button.OnLButtonDown(50, 30, 0);
    m_button.Reset();
    EXPECT_EQ(m_button.GetState(), CButton::kNormal);
}

TEST_F(CButtonTest, HitRectangleIsInclusiveWithEdgesTruncated)
{
    m_button.SetPosition(10.7f, 20.2f, 0.0f);
    // x from trunc(10.7) = 10 to trunc(110.7) = 110, y from 20 to trunc(50.2) = 50.
    EXPECT_TRUE(m_button.OnMouseMove(10, 20, 0));
    EXPECT_TRUE(m_button.OnMouseMove(110, 50, 0));
    EXPECT_FALSE(m_button.OnMouseMove(9, 20, 0));
    EXPECT_FALSE(m_button.OnMouseMove(111, 20, 0));
    EXPECT_FALSE(m_button.OnMouseMove(10, 19, 0));
    EXPECT_FALSE(m_button.OnMouseMove(10, 51, 0));
}

TEST_F(CButtonTest, OwnerSeesThePressedStateInItsHandler)
{
    int seen = 0;
    m_owner.m_handler = [&](CWidget*) { seen = m_button.GetState(); };
    m_button.OnLButtonDown(50, 30, 0);
    EXPECT_EQ(seen, CButton::kPressed);
}
