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
    {
        for (int i = 0; i < 3; ++i) {
            m_buttons.push_back(std::make_unique<CRadioButton>(&m_owner, m_texture.get(), 50.0f));
            m_buttons.back()->SetPosition(100.0f * i, 0.0f, 0.0f);
            m_group.Add(m_buttons.back().get());
            m_owner.AddChild(m_buttons.back().get());
        }
        m_owner.m_handler = [this](CWidget* sender) {
            if (m_group.Contains(sender))
                m_group.Select(static_cast<CRadioButton*>(sender));
        };
    }

    CRadioButton& Button(int i) { return *m_buttons[static_cast<std::size_t>(i)]; }

    std::unique_ptr<CTexture> m_texture = MakeTexture(30, 130);
    std::vector<std::unique_ptr<CRadioButton>> m_buttons;
    CWidgetGroup m_group;
};
}

TEST(CRadioButtonAloneTest, MouseDrivesTheStatesCommandsAndSounds)
{
    constexpr int U = CRadioButton::kUnselected;
    constexpr int UH = CRadioButton::kUnselectedHover;
    constexpr int S = CRadioButton::kSelected;
    constexpr int SH = CRadioButton::kSelectedHover;
    // A 30 x 32 picture (a quarter of 130, in whole units) with a caption of
    // 50 at (0, 0): hits run from x 0 to 80.
    const std::vector<SWidgetScript> scripts = {
        {"press only reports a hit", {{'d', 75, 10, true, U}, {'d', 81, 10, false, U}}, 0, {}},
        {"release without hover", {{'u', 10, 10, false, U}}, 0, {}},
        {"hover on a selected button", {{'1', 0, 0, false, S}, {'m', 10, 10, true, SH}, {'m', 90, 10, false, S}},
         0, {CWidget::kHoverSound}},
        {"clicking the selected one is silent and sends nothing",
         {{'1', 0, 0, false, S}, {'m', 10, 10, true, SH}, {'u', 10, 10, false, SH}}, 0, {CWidget::kHoverSound}},
        {"hidden ignores the mouse",
         {{'m', 10, 10, true, UH}, {'h', 0, 0, false, UH}, {'m', 500, 10, false, UH}, {'d', 10, 10, false, UH},
          {'u', 10, 10, false, UH}},
         0, {CWidget::kHoverSound}},
        {"reset keeps the choice", {{'1', 0, 0, false, S}, {'r', 0, 0, false, S}}, 0, {}},
    };
    const auto texture = MakeTexture(30, 130);
    RunScripts<CRadioButton>(
        scripts,
        [&](CScreen* owner) {
            auto button = std::make_unique<CRadioButton>(owner, texture.get(), 50.0f);
            button->SetPosition(0.0f, 0.0f, 0.0f);
            return button;
        },
        [](CRadioButton& button, char input) {
            if (input == 'h')
                button.SetVisible(false);
            else
                button.SetSelected(input == '1');
        });
}

TEST_F(CRadioButtonTest, ClickingAnotherSelectsItAndClearsTheRest)
{
    Button(0).SetSelected(true);
    m_group.Select(&Button(0));
    // The owner screen hands the mouse to every child, as a dialog does.
    m_owner.OnMouseMove(210, 10, 0);
    m_owner.OnLButtonDown(210, 10, 0);
    m_owner.OnLButtonUp(210, 10, 0);
    EXPECT_EQ(m_group.GetSelectedIndex(), 2);
    EXPECT_EQ(Button(0).GetState(), CRadioButton::kUnselected);
    EXPECT_EQ(Button(2).GetState(), CRadioButton::kSelectedHover);
    ASSERT_EQ(m_owner.m_commands.size(), 1u);
    EXPECT_EQ(m_owner.m_commands[0], &Button(2));
    EXPECT_EQ(m_context.m_sounds, (std::vector<int>{CWidget::kHoverSound, CWidget::kClickSound}));
}

TEST_F(CRadioButtonTest, SelectedIndexIsTheFirstSelectedMemberOrMinusOne)
{
    EXPECT_EQ(m_group.GetSelectedIndex(), -1);
    EXPECT_EQ(CWidgetGroup().GetSelectedIndex(), -1);
    Button(0).SetSelected(true);
    m_group.Select(&Button(1));   // leaves the given member as it is
    EXPECT_FALSE(Button(1).IsSelected());
    EXPECT_EQ(m_group.GetSelectedIndex(), -1);
    Button(2).SetSelected(true);
    Button(1).SetSelected(true);
    EXPECT_EQ(m_group.GetSelectedIndex(), 1);
}

