#include <memory>
#include <vector>

#include "engine/widgets/CButton.h"
#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

TEST_F(CWidgetTest, ChildrenAddedByACommandAreNotVisitedInTheSameWalk)
{
    auto texture = MakeTexture(40, 30);
    // The owner builds more buttons when told, as a dialog that opens a page
    // of choices might; every added button sits under the cursor too.
    std::vector<std::unique_ptr<CButton>> added;
    m_owner.m_handler = [&](CWidget*) {
        for (int i = 0; i < 64; ++i) {
            added.push_back(std::make_unique<CButton>(&m_owner, texture.get()));
            m_owner.AddChild(added.back().get());
        }
    };
    CButton first(&m_owner, texture.get());
    CButton second(&m_owner, texture.get());
    m_owner.AddChild(&first);
    m_owner.AddChild(&second);

    m_owner.OnLButtonDown(5, 5, 0);
    EXPECT_EQ(m_owner.m_commands.size(), 2u);
    EXPECT_EQ(m_owner.GetChildren().size(), 2u + 128u);
    EXPECT_EQ(first.GetState(), CButton::kPressed);
    EXPECT_EQ(second.GetState(), CButton::kPressed);
}
