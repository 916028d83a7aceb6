// The intro and the main menu drawn on a real GL window (run under a virtual
// display): the intro's viewport and its picture, the main menu's copied
// still layer, and the veil a dialog lays over the screen under it.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/CFilePack.h"
#include "engine/frame/CScreen.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CResManager.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"
#include "shell/game/CHeldDialogFrame.h"
#include "tests/draw/PatternPicture.h"
#include "tests/frame/CGLWindowTest.h"
#include "tests/menus/MenuTestFiles.h"

namespace
{
class CMenusDisplayTest : public CGLWindowTest
{
protected:
    std::vector<unsigned char> ReadWindow(int width, int height)
    {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
        glFinish();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The bottom-left pixel carries a frame stamp in its two low bits a
    // channel; everything else must match exactly.
    static bool SameButTheStamp(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
    {
        if (a.size() != b.size() || a.size() < 4)
            return false;
        for (int k = 0; k < 3; ++k)
            if ((a[k] & 0xfc) != (b[k] & 0xfc))
                return false;
        return std::equal(a.begin() + 4, a.end(), b.begin() + 4);
    }

    CMenuTestFiles m_files;
};
}

TEST_F(CMenusDisplayTest, IntroThatFitsTheWindowIsCopiedIntoItAsItIs)
{
    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    const CPicture picture = MakePatternPicture(width, height);
    CIntroScreen intro(picture);
    EXPECT_TRUE(intro.IsCopied());
    m_window->SetScreen(&intro);
    m_window->Render();

    // Rows bottom first on both sides.
    const std::vector<unsigned char> shown = ReadWindow(width, height);
    int wrong = 0;
    for (int i = 0; i < width * height; ++i)
        for (int c = 0; c < 3; ++c)
            wrong += shown[i * 4 + c] != picture.m_pixels[i * 3 + c] ? 1 : 0;
    EXPECT_EQ(0, wrong);
    m_window->RemoveScreen(&intro);
}

TEST_F(CMenusDisplayTest, IntroOfAnotherSizeIsDrawnOverTheWholeWindow)
{
    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    CIntroScreen intro(MakePatternPicture(width / 2, height / 2, true));
    EXPECT_FALSE(intro.IsCopied());
    m_window->SetScreen(&intro);
    m_window->Render();

    const std::vector<unsigned char> shown = ReadWindow(width, height);
    int wrong = 0;
    for (int i = 0; i < width * height; ++i)
        wrong += shown[i * 4] != 200 || shown[i * 4 + 1] != 100 || shown[i * 4 + 2] != 50 ? 1 : 0;
    EXPECT_EQ(0, wrong);
    m_window->RemoveScreen(&intro);
}

TEST_F(CMenusDisplayTest, IntroViewportIsTheDrawableSize)
{
    // The picture itself does not matter here: one that does not decode will do.
    m_files.Write("mui/intro.jpg", "not a picture");
    CFilePack pack;
    CIntroScreen intro(pack);
    m_window->SetScreen(&intro);
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(m_window->GetWidth(), viewport[2]);
    EXPECT_EQ(m_window->GetHeight(), viewport[3]);
    m_window->RemoveScreen(&intro);
}

TEST_F(CMenusDisplayTest, CopiedStillLayerShowsExactlyWhatAFullDrawShows)
{
    m_files.WriteTga("pics/back.tga", 800, 600, true);
    CFilePack pack;
    CResManager resources(&pack);
    {
        CMainMenu menu(resources);
        m_window->SetScreen(&menu);
        const int width = m_window->GetWidth();
        const int height = m_window->GetHeight();

        // The test title has no mesh: two frames differ only if the copy does.
        // The second copies back over what the first drew over the layer.
        m_window->Render();
        const std::vector<unsigned char> drawn = ReadWindow(width, height);
        m_window->Render();
        const std::vector<unsigned char> copied = ReadWindow(width, height);
        EXPECT_TRUE(SameButTheStamp(drawn, copied));

        // A hovered button changes the layer: the next frame shows it.
        menu.OnMouseMove(CMenuTestFiles::kKindX[0] + 5, CMenuTestFiles::kKindTop + 5, 0);
        m_window->Render();
        const std::vector<unsigned char> hovered = ReadWindow(width, height);
        m_window->Render();
        EXPECT_TRUE(SameButTheStamp(hovered, ReadWindow(width, height)));
        m_window->RemoveScreen(&menu);
    }
}

namespace
{
// Three bands of colour over the window; darkened, it draws them as a
// quarter as bright itself when it may.
class CBandsScreen : public CScreen
{
  public:
    static constexpr unsigned char kBands[3][3] = {{200, 100, 40}, {40, 220, 120}, {252, 252, 252}};

    explicit CBandsScreen(bool shades) : m_shades(shades) {}

    void Draw() override { DrawBands(1.0f); }
    bool DrawShaded(float light) override
    {
        if (!m_shades)
            return false;
        DrawBands(light);
        ++m_shaded;
        return true;
    }

    int m_shaded = 0;

  private:
    void DrawBands(float light) const
    {
        int width = 0, height = 0;
        CDraw2D::GetViewportSize(width, height);
        for (int band = 0; band < 3; ++band)
            CDraw2D::ClearColorInRect(band * width / 3, 0, width / 3 + 1, height, kBands[band][0] * light / 255.0f,
                                      kBands[band][1] * light / 255.0f, kBands[band][2] * light / 255.0f);
    }

    bool m_shades;
};
}

TEST_F(CMenusDisplayTest, ADialogsVeilLiesOnceOverTheScreenUnderItWhetherThatDarkensItselfOrNot)
{
    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    CDraw2D::SetOrthoProjection(width, height, 800.0, 600.0, -50.0, 50.0);
    for (bool shades : {true, false})
    {
        CBandsScreen under(shades);
        CScreen dialog;
        CHeldDialogFrame frame(dialog);
        CHeldDialogFrame::SLayers layers;
        layers.veilLight = 0.25f;
        frame.Draw(&under, layers, {});
        EXPECT_EQ(under.m_shaded, shades ? 1 : 0);
        const std::vector<unsigned char> window = ReadWindow(width, height);
        for (int band = 0; band < 3; ++band)
        {
            const std::size_t at = (static_cast<std::size_t>(height / 2) * width + band * width / 3 + width / 6) * 4;
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(window[at + k], CBandsScreen::kBands[band][k] / 4, 2)
                    << "band " << band << (shades ? ", darkened by the screen" : ", veiled by the dialog");
        }
    }
}
