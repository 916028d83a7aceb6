// Draws widgets into a real GL context (run under Xvfb) and reads the pixels
// back, to check which band of a picture strip each state shows; and pastes
// through the application's own widget context from the system clipboard.

#include <memory>
#include <vector>

#include "engine/frame/CAppWidgetContext.h"
#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/widgets/CEditBox.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/gfx/CTexture.h"
#include "platform/CInputState.h"
#include "platform/CKeyMap.h"
#include "platform/CPlatform.h"
#include "tests/draw/CGlWindowTest.h"
#include "tests/files/CTestPictures.h"
#include "tests/widgets/CWidgetTestKit.h"

namespace
{
using CColor = std::vector<int>;

const CColor kRed{255, 0, 0};
const CColor kGreen{0, 255, 0};
const CColor kBlue{0, 0, 255};
const CColor kWhite{255, 255, 255};
const CColor kBlack{0, 0, 0};

class CWidgetDrawTest : public CGlWindowTest
{
protected:
    void SetUp() override
    {
        CGlWindowTest::SetUp();
        if (IsSkipped())
            return;
        // Widgets place themselves in window pixels from the top left.
        glMatrixMode(GL_PROJECTION);
        glOrtho(0.0, kWidth, kHeight, 0.0, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
    }

    void TearDown() override
    {
        m_textures.clear();
        CGlWindowTest::TearDown();
    }

    // A strip of frames of one colour each, 8 pixels square, stored as a 32-bit
    // TGA: the first rows of the file are the bottom of the picture.
    CTexture* Strip(const std::vector<CColor>& frames)
    {
        std::vector<unsigned char> pixels;
        for (const CColor& color : frames)
            for (int i = 0; i < 8 * 8; ++i)
                pixels.insert(pixels.end(), {static_cast<unsigned char>(color[2]), static_cast<unsigned char>(color[1]),
                                             static_cast<unsigned char>(color[0]), 255});
        const auto tga = CTestPictures::Tga(8, 8 * static_cast<int>(frames.size()), 32, pixels);
        m_textures.push_back(std::make_unique<CTexture>());
        EXPECT_TRUE(m_textures.back()->DecodeTga(tga.data(), tga.size(), false, true));
        return m_textures.back().get();
    }

    // Clears, draws in the given current colour and reads the pixel at (x, y).
    CColor DrawAndRead(CWidget& widget, int x, int y, float current = 1.0f)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(current, current, current);
        widget.Draw();
        return PixelAt(x, y);
    }

    CFakeOwner m_owner;
    CFakeContext m_context;
    std::vector<std::unique_ptr<CTexture>> m_textures;
};
}

TEST_F(CWidgetDrawTest, ButtonShowsTheBandOfItsStateAndNothingWhenHidden)
{
    CButton button(&m_owner, Strip({kRed, kGreen, kBlue}));
    button.SetPosition(100.0f, 100.0f, 0.0f);
    EXPECT_EQ(DrawAndRead(button, 104, 102), kRed);
    button.OnMouseMove(104, 102, 0);
    EXPECT_EQ(DrawAndRead(button, 104, 102), kGreen);
    button.OnLButtonDown(104, 102, 0);
    EXPECT_EQ(DrawAndRead(button, 104, 102), kBlue);
    button.SetVisible(false);
    EXPECT_EQ(DrawAndRead(button, 104, 102), kBlack);
}

TEST_F(CWidgetDrawTest, CheckBoxDrawsItsFourStatesInWhite)
{
    CCheckBox box(&m_owner, Strip({kRed, kGreen, kBlue, kWhite}), 50.0f);
    box.SetPosition(10.0f, 10.0f, 0.0f);
    EXPECT_EQ(DrawAndRead(box, 14, 12, 0.0f), kRed);
    box.SetChecked(true);
    EXPECT_EQ(DrawAndRead(box, 14, 12, 0.0f), kBlue);
    box.OnMouseMove(14, 12, 0);
    EXPECT_EQ(DrawAndRead(box, 14, 12, 0.0f), kWhite);
    // The caption area takes clicks but is not drawn by the box.
    EXPECT_EQ(DrawAndRead(box, 40, 12), kBlack);
}

TEST_F(CWidgetDrawTest, RadioButtonDrawsItsStatesUnlessHidden)
{
    CRadioButton radio(&m_owner, Strip({kRed, kGreen, kBlue, kWhite}), 0.0f);
    radio.SetPosition(200.0f, 100.0f, 5.0f);
    radio.OnMouseMove(204, 102, 0);
    EXPECT_EQ(DrawAndRead(radio, 204, 102), kGreen);
    radio.SetSelected(true);
    EXPECT_EQ(DrawAndRead(radio, 204, 102), kBlue);
    radio.SetVisible(false);
    EXPECT_EQ(DrawAndRead(radio, 204, 102), kBlack);
}

TEST_F(CWidgetDrawTest, EditBoxShowsFocusTheCaretOnlyWhileFocusedAndNothingWhenDisabled)
{
    CEditBox box(&m_owner, nullptr, 4.0f, Strip({kRed, kGreen}));
    box.SetPosition(50.0f, 50.0f, 10.0f);
    box.SetTextInset(2.0f);
    box.Update(501.0f);
    // Caret 3 units wide from x = 52, as tall as the font, centred: yellow.
    EXPECT_EQ(DrawAndRead(box, 53, 54), kRed);
    box.OnLButtonDown(53, 54, 0);
    EXPECT_EQ(DrawAndRead(box, 53, 54), (CColor{255, 255, 0}));
    box.Update(501.0f);
    EXPECT_EQ(DrawAndRead(box, 53, 54), kGreen);
    box.SetEnabled(false);
    EXPECT_EQ(DrawAndRead(box, 53, 54), kBlack);
}

// A caret drawn apart: the box draws none and its look does not blink;
// DrawCaret draws it where GetCaretRect says, only while shown and focused.
TEST_F(CWidgetDrawTest, ACaretDrawnApartLeavesTheBoxAndItsLookStill)
{
    CEditBox box(&m_owner, nullptr, 4.0f, Strip({kRed, kGreen}));
    box.SetPosition(50.0f, 50.0f, 10.0f);
    box.SetTextInset(2.0f);
    box.SetCaretApart(true);
    box.OnLButtonDown(53, 54, 0);
    std::vector<float> shown, hidden;
    box.Update(501.0f);
    ASSERT_TRUE(box.IsCaretShown());
    box.AddLook(shown);
    EXPECT_EQ(DrawAndRead(box, 53, 54), kGreen);
    const CDraw2D::SRect caret = box.GetCaretRect();
    EXPECT_EQ(caret.x, 52.0f);
    EXPECT_EQ(caret.width, 3.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    box.DrawCaret();
    EXPECT_EQ(PixelAt(53, 54), (CColor{255, 255, 0}));
    EXPECT_EQ(PixelAt(56, 54), kBlack);
    box.Update(501.0f);
    ASSERT_FALSE(box.IsCaretShown());
    box.AddLook(hidden);
    EXPECT_EQ(shown, hidden);
    glClear(GL_COLOR_BUFFER_BIT);
    box.DrawCaret();
    EXPECT_EQ(PixelAt(53, 54), kBlack);
}

TEST_F(CWidgetDrawTest, PasteTakesTheSystemClipboardOnlyWhileControlIsHeldAndKeepsTheNameStorable)
{
    ASSERT_TRUE(CPlatform::SetClipboardText("pa\"st//ed"));
    CAppWidgetContext context(nullptr);
    CWidgetContext::Install(&context);
    CEditBox box(&m_owner, nullptr, 4.0f, Strip({kRed, kGreen}));
    box.SetPosition(50.0f, 50.0f, 10.0f);
    box.OnLButtonDown(53, 54, 0);
    box.OnKeyDown('V');
    EXPECT_STREQ(box.GetText(), "");
    CInputState::Instance().OnKeyDown(CKeyMap::VK_CONTROL);
    box.OnKeyDown('V');
    CInputState::Instance().ReleaseAll();
    CWidgetContext::Install(&m_context);
    EXPECT_STREQ(box.GetText(), "past/ed");
}
