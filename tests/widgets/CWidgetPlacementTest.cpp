#include <string>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CConfigFile.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/gfx/CTexture.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
CConfigFile MakeLayout(const std::string& text)
{
    CConfigFile layout;
    layout.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    return layout;
}

class CWidgetPlacementTest : public CWidgetTest
{
protected:
    std::unique_ptr<CTexture> m_texture = MakeTexture(64, 96);
};
}

TEST_F(CWidgetPlacementTest, AWidgetReadsItsPlaceUnderItsOwnKeyMissingOnesAsZero)
{
    const CConfigFile layout = MakeLayout("m_ok.x 5\nm_ok_btn.x 120.5\nm_ok_btn.y 300 m_ok_btn.z 2\n"
                                          "m_box.y 17\nm_size1.x 400\nm_size1.y 250\n");
    CButton button(&m_owner, m_texture.get());
    button.LoadPosition(layout, "m_ok_btn");
    EXPECT_FLOAT_EQ(button.GetPosition().x, 120.5f);
    EXPECT_FLOAT_EQ(button.GetPosition().y, 300.0f);
    EXPECT_FLOAT_EQ(button.GetPosition().z, 2.0f);
    CCheckBox box(&m_owner, m_texture.get(), 0.0f);
    box.LoadPosition(layout, "m_box");
    EXPECT_FLOAT_EQ(box.GetPosition().x, 0.0f);
    EXPECT_FLOAT_EQ(box.GetPosition().y, 17.0f);
    CRadioButton radio(&m_owner, m_texture.get(), 0.0f);
    radio.LoadPosition(layout, "m_size1");
    EXPECT_TRUE(radio.OnLButtonDown(400, 250, 0));
    EXPECT_TRUE(radio.OnLButtonDown(464, 274, 0));
    EXPECT_FALSE(radio.OnLButtonDown(210, 50, 0));
}
