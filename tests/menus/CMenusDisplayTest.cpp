// The intro and the main menu drawn on a real GL window (run under a virtual
// display): the intro's viewport and its picture, and the main menu's copied
// still layer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/CFilePack.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CResManager.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"
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
