#include "engine/widgets/CButton.h"

#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
constexpr int N = CButton::kNormal;
constexpr int H = CButton::kHover;
constexpr int P = CButton::kPressed;
constexpr int kHover = CWidget::kHoverSound;
constexpr int kClick = CWidget::kClickSound;
}

TEST(CButtonTest, MouseDrivesTheStatesCommandsAndSounds)
{
    // The button covers (10, 20) to (110, 50): (50, 30) is inside, x 500 and (5, 5) outside.
    const std::vector<SWidgetScript> scripts = {
        {"hover sounds once", {{'m', 50, 30, true, H}, {'m', 60, 35, true, H}}, 0, {kHover}},
        {"leaving is unhandled", {{'m', 50, 30, true, H}, {'m', 500, 30, false, N}}, 0, {kHover}},
        {"press fires at once", {{'d', 50, 30, true, P}}, 1, {kClick}},
        {"press outside", {{'m', 50, 30, true, H}, {'d', 5, 30, false, H}}, 0, {kHover}},
        {"release outside after a press",
         {{'d', 50, 30, true, P}, {'u', 500, 500, true, H}, {'m', 500, 500, false, N}}, 1, {kClick}},
        {"release without a press", {{'m', 50, 30, true, H}, {'u', 50, 30, false, H}}, 0, {kHover}},
        {"moving while pressed is silent", {{'d', 50, 30, true, P}, {'m', 51, 30, true, H}}, 1, {kClick}},
        {"leaving while pressed", {{'d', 50, 30, true, P}, {'m', 5, 5, false, N}, {'u', 5, 5, false, N}}, 1,
         {kClick}},
        {"hidden ignores the mouse",
         {{'m', 50, 30, true, H}, {'h', 0, 0, false, H}, {'m', 500, 30, false, H}, {'d', 50, 30, false, H},
          {'u', 50, 30, false, H}},
         0, {kHover}},
        {"hidden pressed stays pressed", {{'d', 50, 30, true, P}, {'h', 0, 0, false, P}, {'u', 50, 30, false, P}},
         1, {kClick}},
        {"reset", {{'d', 50, 30, true, P}, {'r', 0, 0, false, N}}, 1, {kClick}},
    };
    const auto texture = MakeTexture(100, 90);
    RunScripts<CButton>(
        scripts,
        [&](CScreen* owner) {
            auto button = std::make_unique<CButton>(owner, texture.get());
            button->SetPosition(10.0f, 20.0f, 0.0f);
            return button;
        },
        [](CButton& button, char) { button.SetVisible(false); });
}

TEST_F(CWidgetTest, ButtonHitRectangleIsAThirdOfTheStripInclusiveWithEdgesTruncated)
{
    const auto texture = MakeTexture(100, 90);
    CButton button(&m_owner, texture.get());
    EXPECT_FLOAT_EQ(button.GetHeight(), 30.0f);
    button.SetPosition(10.7f, 20.2f, 0.0f);
    // x from trunc(10.7) = 10 to trunc(110.7) = 110, y from 20 to trunc(50.2) = 50.
    const struct
    {
        int x, y;
        bool inside;
    } cases[] = {{10, 20, true}, {110, 50, true}, {9, 20, false}, {111, 20, false}, {10, 19, false}, {10, 51, false}};
    for (const auto& c : cases)
        EXPECT_EQ(button.OnMouseMove(c.x, c.y, 0), c.inside) << c.x << "," << c.y;
}

TEST_F(CWidgetTest, ButtonOwnerSeesThePressedStateInItsHandler)
{
    const auto texture = MakeTexture(100, 90);
    CButton button(&m_owner, texture.get());
    int seen = 0;
    m_owner.m_handler = [&](CWidget* sender) {
        EXPECT_EQ(sender, &button);
        seen = button.GetState();
    };
    button.OnLButtonDown(5, 5, 0);
    EXPECT_EQ(seen, CButton::kPressed);
}
