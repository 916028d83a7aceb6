#include "engine/widgets/CRadioButton.h"

#include "engine/gfx/CTexture.h"
#include "engine/widgets/CWidgetGroup.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
// Three choices in a row, 100 units apart, as a new-game dialog lays them out.
class CRadioButtonTest : public CWidgetTest
{
protected:
    CRadioButtonTest()
        : m_texture(MakeTexture(30, 130))
    {
        for (int i = 0; i < 3; ++i) {
            m_buttons.push_back(std::make_unique<CRadioButton>(&m_owner, m_texture.get(), 50.0f));
            m_buttons.back()->SetPosition(100.0f * i, 0.0f, 0.0f);
            m_group.Add(m_buttons.back().get());
        }
        m_owner.m_handler = [this](CWidget* sender) {
            if (m_group.Contains(sender))
                m_group.Select(static_cast<CRadioButton*>(sender));
        };
    }

    CRadioButton& Button(int i) { return *m_buttons[static_cast<std::size_t>(i)]; }

    void Click(int i)
    {
        const int x = 100 * i + 10;
        for (auto& button : m_buttons)
            button->OnMouseMove(x, 10, 0);
        for (auto& button : m_buttons)
            button->OnLButtonDown(x, 10, 0);
        for (auto& button : m_buttons)
            button->OnLButtonUp(x, 10, 0);
    }

    std::unique_ptr<CTexture> m_texture;
    std::vector<std::unique_ptr<CRadioButton>> m_buttons;
    CWidgetGroup m_group;
};
}

TEST_F(CRadioButtonTest, HeightIsAQuarterOfTheTextureInWholeUnits)
{
    EXPECT_FLOAT_EQ(Button(0).GetHeight(), 32.0f);
    EXPECT_FLOAT_EQ(Button(0).GetWidth(), 30.0f);
    EXPECT_FLOAT_EQ(Button(0).GetHitWidth(), 80.0f);
}

TEST_F(CRadioButtonTest, StartsUnselectedVisibleAtItsDefaultPlace)
{
    CRadioButton fresh(&m_owner, m_texture.get(), 0.0f);
    EXPECT_EQ(fresh.GetState(), CRadioButton::kUnselected);
    EXPECT_TRUE(fresh.IsVisible());
    EXPECT_FLOAT_EQ(fresh.GetPosition().x, 200.0f);
    EXPECT_FLOAT_EQ(fresh.GetPosition().y, 40.0f);
}

TEST_F(CRadioButtonTest, NothingSelectedGivesMinusOne)
{
    EXPECT_EQ(m_group.GetSelectedIndex(), -1);
    CWidgetGroup empty;
    EXPECT_EQ(empty.GetSelectedIndex(), -1);
}

TEST_F(CRadioButtonTest, ClickingAnotherSelectsItAndClearsTheRest)
{
    Button(0).SetSelected(true);
    m_group.Select(&Button(0));
    m_context.m_sounds.clear();

    Click(2);
    EXPECT_EQ(m_group.GetSelectedIndex(), 2);
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kUnselected);
    EXPECT_EQ(Button(2).GetState(), CRadioButton::kSelectedHover);
    ASSERT_EQ(m_owner.m_commands.size(), 1u);
    EXPECT_EQ(m_owner.m_commands[0], &Button(2));
    EXPECT_EQ(m_context.m_sounds,
              (std::vector<int>{CWidget::kHoverSound, CWidget::kClickSound}));
}

TEST_F(CRadioButtonTest, ClickingTheSelectedOneIsSilentAndSendsNothing)
{
    Button(1).SetSelected(true);
    m_group.Select(&Button(1));
    Button(1).OnMouseMove(110, 10, 0);
    m_context.m_sounds.clear();
    EXPECT_FALSE(Button(1).OnLButtonUp(110, 10, 0));
    EXPECT_TRUE(m_context.m_sounds.empty());
    EXPECT_TRUE(m_owner.m_commands.empty());
    EXPECT_EQ(m_group.GetSelectedIndex(), 1);
}

TEST_F(CRadioButtonTest, ReleaseWithoutHoverDoesNothing)
{
    EXPECT_FALSE(Button(0).OnLButtonUp(10, 10, 0));
    EXPECT_EQ(m_group.GetSelectedIndex(), -1);
}

TEST_F(CRadioButtonTest, PressOnlyReportsWhetherItHit)
{
    EXPECT_TRUE(Button(0).OnLButtonDown(75, 10, 0));
    EXPECT_FALSE(Button(0).OnLButtonDown(81, 10, 0));
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kUnselected);
}

TEST_F(CRadioButtonTest, SelectLeavesTheGivenMemberAsItIs)
{
    Button(0).SetSelected(true);
    m_group.Select(&Button(1));
    EXPECT_FALSE(Button(1).IsSelected());
    EXPECT_EQ(m_group.GetSelectedIndex(), -1);
}

TEST_F(CRadioButtonTest, SelectedIndexIsTheFirstSelectedMember)
{
    Button(2).SetSelected(true);
    Button(1).SetSelected(true);
    EXPECT_EQ(m_group.GetSelectedIndex(), 1);
}

TEST_F(CRadioButtonTest, HiddenButtonIgnoresAllMouseInputAndKeepsItsState)
{
    Button(0).OnMouseMove(10, 10, 0);
    m_context.m_sounds.clear();
    Button(0).SetVisible(false);
    EXPECT_FALSE(Button(0).OnMouseMove(500, 10, 0));
    EXPECT_FALSE(Button(0).OnLButtonDown(10, 10, 0));
    EXPECT_FALSE(Button(0).OnLButtonUp(10, 10, 0));
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kUnselectedHover);
    EXPECT_TRUE(m_context.m_sounds.empty());
    EXPECT_TRUE(m_owner.m_commands.empty());
}

TEST_F(CRadioButtonTest, HoverOnASelectedButtonAddsAndRemovesTheHover)
{
    Button(0).SetSelected(true);
    EXPECT_TRUE(Button(0).OnMouseMove(10, 10, 0));
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kSelectedHover);
    EXPECT_FALSE(Button(0).OnMouseMove(90, 10, 0));
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kSelected);
}

TEST_F(CRadioButtonTest, ResetKeepsTheChoice)
{
    Button(1).SetSelected(true);
    for (auto& button : m_buttons)
        button->Reset();
    EXPECT_EQ(m_group.GetSelectedIndex(), 1);
}

TEST_F(CRadioButtonTest, GroupKnowsItsMembersOnly)
{
    CRadioButton stranger(&m_owner, m_texture.get(), 0.0f);
    EXPECT_TRUE(m_group.Contains(&Button(2)));
    EXPECT_FALSE(m_group.Contains(&stranger));
    EXPECT_EQ(m_group.GetCount(), 3u);
    EXPECT_EQ(m_group.GetButton(1), &Button(1));
    EXPECT_EQ(m_group.GetButton(3), nullptr);
}
