#include "engine/widgets/CCheckBox.h"

#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
class CCheckBoxTest : public CWidgetTest
{
protected:
    CCheckBoxTest()
        : m_texture(MakeTexture(32, 128))
        , m_box(&m_owner, m_texture.get(), 100.0f)
    {
    }

    // Over the caption, right of the box picture.
    void Hover() { m_box.OnMouseMove(300, 50, 0); }

    std::unique_ptr<CTexture> m_texture;
    CCheckBox m_box;
};
}

TEST_F(CCheckBoxTest, SizesFromAFourFrameStripAndCountsTheCaptionForHits)
{
    EXPECT_FLOAT_EQ(m_box.GetWidth(), 32.0f);
    EXPECT_FLOAT_EQ(m_box.GetHitWidth(), 132.0f);
    EXPECT_FLOAT_EQ(m_box.GetHeight(), 32.0f);
    EXPECT_FLOAT_EQ(m_box.GetPosition().x, 200.0f);
    EXPECT_FLOAT_EQ(m_box.GetPosition().y, 40.0f);
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUnchecked);
}

TEST_F(CCheckBoxTest, TheCaptionTakesHoverWithOneSound)
{
    EXPECT_TRUE(m_box.OnMouseMove(330, 50, 0));
    EXPECT_TRUE(m_box.OnMouseMove(331, 50, 0));
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUncheckedHover);
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kHoverSound});
    EXPECT_FALSE(m_box.OnMouseMove(333, 50, 0));
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUnchecked);
}

TEST_F(CCheckBoxTest, ReleaseWhileHoveredTogglesWithOneCommand)
{
    Hover();
    m_context.m_sounds.clear();
    EXPECT_TRUE(m_box.OnLButtonUp(300, 50, 0));
    EXPECT_TRUE(m_box.IsChecked());
    EXPECT_EQ(m_box.GetState(), CCheckBox::kCheckedHover);
    EXPECT_EQ(m_context.m_sounds, std::vector<int>{CWidget::kClickSound});
    ASSERT_EQ(m_owner.m_commands.size(), 1u);
    EXPECT_EQ(m_owner.m_commands[0], &m_box);

    EXPECT_TRUE(m_box.OnLButtonUp(300, 50, 0));
    EXPECT_FALSE(m_box.IsChecked());
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUncheckedHover);
    EXPECT_EQ(m_owner.m_commands.size(), 2u);
}

TEST_F(CCheckBoxTest, ReleaseWhileNotHoveredDoesNothing)
{
    EXPECT_FALSE(m_box.OnLButtonUp(300, 50, 0));
    m_box.SetChecked(true);
    EXPECT_FALSE(m_box.OnLButtonUp(300, 50, 0));
    EXPECT_TRUE(m_box.IsChecked());
    EXPECT_TRUE(m_owner.m_commands.empty());
    EXPECT_TRUE(m_context.m_sounds.empty());
}

TEST_F(CCheckBoxTest, PressOnlyReportsWhetherItHit)
{
    EXPECT_TRUE(m_box.OnLButtonDown(210, 50, 0));
    EXPECT_FALSE(m_box.OnLButtonDown(10, 50, 0));
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUnchecked);
    EXPECT_TRUE(m_owner.m_commands.empty());
}

TEST_F(CCheckBoxTest, LeavingACheckedBoxKeepsItChecked)
{
    m_box.SetChecked(true);
    Hover();
    EXPECT_EQ(m_box.GetState(), CCheckBox::kCheckedHover);
    m_box.OnMouseMove(0, 0, 0);
    EXPECT_EQ(m_box.GetState(), CCheckBox::kChecked);
}

TEST_F(CCheckBoxTest, SetCheckedDropsTheHover)
{
    Hover();
    m_box.SetChecked(true);
    EXPECT_EQ(m_box.GetState(), CCheckBox::kChecked);
    m_box.SetChecked(false);
    EXPECT_EQ(m_box.GetState(), CCheckBox::kUnchecked);
}

TEST_F(CCheckBoxTest, ResetKeepsTheState)
{
    m_box.SetChecked(true);
    m_box.Reset();
    EXPECT_TRUE(m_box.IsChecked());
}
