#include "engine/widgets/CCheckBox.h"

#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
constexpr int U = CCheckBox::kUnchecked;
constexpr int UH = CCheckBox::kUncheckedHover;
constexpr int C = CCheckBox::kChecked;
constexpr int CH = CCheckBox::kCheckedHover;
constexpr int kHover = CWidget::kHoverSound;
constexpr int kClick = CWidget::kClickSound;
}

TEST(CCheckBoxTest, MouseDrivesTheStatesCommandsAndSounds)
{
    // A 32 x 32 box at its default place (200, 40) with a caption of 100:
    // hits run from x 200 to 332; (300, 50) is over the caption.
    const std::vector<SWidgetScript> scripts = {
        {"the caption takes the hover once",
         {{'m', 330, 50, true, UH}, {'m', 331, 50, true, UH}, {'m', 333, 50, false, U}}, 0, {kHover}},
        {"release while hovered toggles",
         {{'m', 300, 50, true, UH}, {'u', 300, 50, true, CH}, {'u', 300, 50, true, UH}}, 2,
         {kHover, kClick, kClick}},
        {"release while not hovered does nothing",
         {{'u', 300, 50, false, U}, {'1', 0, 0, false, C}, {'u', 300, 50, false, C}}, 0, {}},
        {"press only reports a hit", {{'d', 210, 50, true, U}, {'d', 10, 50, false, U}}, 0, {}},
        {"leaving a checked box keeps it checked",
         {{'1', 0, 0, false, C}, {'m', 300, 50, true, CH}, {'m', 0, 0, false, C}}, 0, {kHover}},
        {"setting drops the hover", {{'m', 300, 50, true, UH}, {'1', 0, 0, false, C}, {'0', 0, 0, false, U}}, 0,
         {kHover}},
        {"reset keeps the state", {{'1', 0, 0, false, C}, {'r', 0, 0, false, C}}, 0, {}},
    };
    const auto texture = MakeTexture(32, 128);
    RunScripts<CCheckBox>(
        scripts, [&](CScreen* owner) { return std::make_unique<CCheckBox>(owner, texture.get(), 100.0f); },
        [](CCheckBox& box, char input) { box.SetChecked(input == '1'); });
}
