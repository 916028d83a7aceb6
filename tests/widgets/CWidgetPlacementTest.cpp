#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/widgets/CRadioButton.h"
#include "tests/widgets/CWidgetTestKit.h"

TEST_F(CWidgetTest, AWidgetReadsItsPlaceUnderItsOwnKeyMissingOnesAsZero)
{
    const char* text = "m_ok.x 5\nm_ok_btn.x 120.5\nm_ok_btn.y 300 m_ok_btn.z 2\n"
                       "m_box.y 17\nm_size1.x 400\nm_size1.y 250\n";
    CConfigFile layout;
    layout.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text), std::strlen(text), true);
    const auto texture = MakeTexture(64, 96);
    CButton button(&m_owner, texture.get());
    button.LoadPosition(layout, "m_ok_btn");
    CCheckBox box(&m_owner, texture.get(), 0.0f);
    box.LoadPosition(layout, "m_box");
    CRadioButton radio(&m_owner, texture.get(), 0.0f);
    radio.LoadPosition(layout, "m_size1");
    const struct
    {
        const char* key;
        CVector4 place;
        float x, y, z;
    } cases[] = {{"m_ok_btn", button.GetPosition(), 120.5f, 300.0f, 2.0f},
                 {"m_box", box.GetPosition(), 0.0f, 17.0f, 0.0f},
                 {"m_size1", radio.GetPosition(), 400.0f, 250.0f, 0.0f}};
    for (const auto& c : cases)
    {
        EXPECT_FLOAT_EQ(c.place.x, c.x) << c.key;
        EXPECT_FLOAT_EQ(c.place.y, c.y) << c.key;
        EXPECT_FLOAT_EQ(c.place.z, c.z) << c.key;
    }
    // The hit area moves with the place.
    EXPECT_TRUE(radio.OnLButtonDown(464, 274, 0));
    EXPECT_FALSE(radio.OnLButtonDown(210, 50, 0));
}
