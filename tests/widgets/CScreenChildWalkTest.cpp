#include <memory>
#include <vector>

#include "engine/widgets/CButton.h"
#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
// A screen whose command handler builds more buttons, as a dialog that opens
// a page of choices might.
class CGrowingScreen : public CFakeOwner
{
public:
    explicit CGrowingScreen(CTexture* texture) : m_texture(texture) {}

    void OnCommand(CWidget* sender) override
    {
        CFakeOwner::OnCommand(sender);
        for (int i = 0; i < 64; ++i) {
            m_added.push_back(std::make_unique<CButton>(this, m_texture));
            AddChild(m_added.back().get());
        }
    }

    CTexture* m_texture;
    std::vector<std::unique_ptr<CButton>> m_added;
};
}

TEST_F(CWidgetTest, ChildrenAddedByACommandAreNotVisitedInTheSameWalk)
{
    auto texture = MakeTexture(40, 30);
    CGrowingScreen screen(texture.get());
    CButton first(&screen, texture.get());
    CButton second(&screen, texture.get());
    screen.AddChild(&first);
    screen.AddChild(&second);

    // Every added button sits under the cursor too; none may fire now.
    screen.OnLButtonDown(5, 5, 0);
    EXPECT_EQ(screen.m_commands.size(), 2u);
    EXPECT_EQ(screen.GetChildren().size(), 2u + 128u);
    EXPECT_EQ(first.GetState(), CButton::kPressed);
    EXPECT_EQ(second.GetState(), CButton::kPressed);
}
