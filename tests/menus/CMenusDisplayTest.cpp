// The intro and the main menu drawn on a real GL window (run under a virtual
// display): the intro's viewport and its picture, the main menu's copied
// still layer, and the veil a dialog lays over the screen under it.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/CFilePack.h"
#include "engine/frame/CScreen.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"
#include "shell/game/CDrawnOverCells.h"
#include "shell/game/CHeldDialogFrame.h"
#include "tests/draw/PatternPicture.h"
#include "tests/frame/CGLWindowTest.h"
#include "tests/gfx/CGfxTestFiles.h"
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

    // Red, green and blue of the pixel x, y counted from the top left.
    std::vector<int> PixelAt(int x, int y, int width, int height)
    {
        const std::vector<unsigned char> window = ReadWindow(width, height);
        const std::size_t at = (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
        return {window[at], window[at + 1], window[at + 2]};
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

// A back sparkle's cells are marked from its reach: a pixel it changes
// beyond that would stay behind as a trail. Each cell of a sheet is drawn
// at full alpha, turned, over black; every pixel lit lies within its reach.
TEST_F(CMenusDisplayTest, ASparkleLightsNoPixelBeyondItsReachTurnedAnyWay)
{
    // Cells of 32 x 32: soft discs as the sparkles have, a blob off the
    // middle, a faint texel in a corner, and a cell lit to its edges.
    const int cell = 32;
    const auto bytes = CGfxTestFiles::MakeTga(cell * 3, cell * 2, 32, [cell](int x, int fromTop) -> uint32_t {
        // The rows are kept from the bottom: group 0 is the lower one.
        const int frame = x / cell, group = 1 - fromTop / cell;
        const float dx = x % cell + 0.5f - cell / 2.0f, dy = fromTop % cell + 0.5f - cell / 2.0f;
        float alpha = 0.0f;
        if (group == 0)
        {
            const float radius = 8.0f + 4.0f * frame;
            alpha = std::max(0.0f, 1.0f - std::hypot(dx, dy) / radius);
        }
        else if (frame == 0)
            alpha = std::hypot(dx - 7.0f, dy + 5.0f) < 4.0f ? 1.0f : 0.0f;
        else if (frame == 1)
            alpha = x % cell == 1 && fromTop % cell == 30 ? 1.0f / 255.0f : 0.0f;
        else
            alpha = 1.0f;
        return 0xffffff00u | static_cast<uint32_t>(std::lround(alpha * 255.0f));
    });
    m_files.Write("pics/spark.tga", std::string(bytes.begin(), bytes.end()));
    m_files.Write("pics/spark.spr", "file_name pics/spark.tga\ntex_dynamic 1\nframes 3\ngroups 2\n");
    CFilePack pack;
    CResManager resources(&pack);
    CSprite* sprite = resources.AddSprite("pics/spark.spr", "spark");
    ASSERT_NE(sprite, nullptr);
    ASSERT_NE(sprite->GetTexture(), nullptr);
    sprite->SetFlipV(true);

    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, height, 0.0, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CDraw2D::SetDepthTest(false);
    const CVector4 at(100.3f, 120.7f, 0.0f);
    for (int group = 0; group < 2; ++group)
        for (int frame = 0; frame < 3; ++frame)
            for (float degrees : {0.0f, 17.0f, 45.0f, 90.0f, 133.0f, 251.5f})
            {
                glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
                glClear(GL_COLOR_BUFFER_BIT);
                sprite->SetGroup(group);
                sprite->SetFrame(frame);
                glEnable(GL_TEXTURE_2D);
                glBindTexture(GL_TEXTURE_2D, sprite->GetTexture()->GetId());
                CDraw2D::SetAlphaBlendFunc();
                glEnable(GL_BLEND);
                glBegin(GL_TRIANGLES);
                sprite->EmitCell(at, degrees, 1.0f, 1.0f);
                glEnd();
                glDisable(GL_BLEND);
                glDisable(GL_TEXTURE_2D);

                const float reach = CDrawnOverCells::BackSparkleReach(*sprite, group, frame);
                const std::vector<unsigned char> shown = ReadWindow(width, height);
                int lit = 0, beyond = 0;
                for (int row = 0; row < height; ++row)
                    for (int x = 0; x < width; ++x)
                    {
                        const std::size_t i = (static_cast<std::size_t>(row) * width + x) * 4;
                        if (shown[i] == 0 && shown[i + 1] == 0 && shown[i + 2] == 0)
                            continue;
                        ++lit;
                        // Rows bottom first; the pixel's middle.
                        const float y = height - 1 - row + 0.5f;
                        if (std::hypot(x + 0.5f - at.x, y - at.y) > reach)
                            ++beyond;
                    }
                EXPECT_EQ(0, beyond) << "group " << group << " frame " << frame << " at " << degrees << " degrees";
                // The faint texel may round away; every other cell shows.
                if (!(group == 1 && frame == 1))
                {
                    EXPECT_GT(lit, 0) << "group " << group << " frame " << frame;
                }
            }
}

// A live part is drawn with the depth test over the depth its earlier
// frames left, cleared only now and then: whether it lies nearer or
// farther than in the frame before, it shows in every frame.
TEST_F(CMenusDisplayTest, ALivePartShowsInEveryFrameWhereverItLiesInDepth)
{
    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    CDraw2D::SetOrthoProjection(width, height, width, height, -50.0, 50.0);
    CScreen dialog;
    m_window->OpenOverlay(&dialog);
    CHeldDialogFrame frame(dialog);
    int shown = 0;
    CHeldDialogFrame::SLayers layers;
    layers.width = static_cast<float>(width);
    layers.height = static_cast<float>(height);
    layers.drawGround = [height](const std::vector<CDraw2D::SRect>& parts) {
        for (const CDraw2D::SRect& part : parts)
            CDraw2D::ClearColorInRect(static_cast<int>(part.x), height - static_cast<int>(part.y + part.height),
                                      static_cast<int>(part.width), static_cast<int>(part.height), 0.1f, 0.1f,
                                      0.1f);
    };
    layers.live = {{100.0f, 100.0f, 40.0f, 40.0f}};
    layers.drawLive = [&shown](const std::vector<bool>&) {
        // Near and far in turn, each frame in a colour of its own.
        const float z = shown % 2 == 0 ? 30.0f : -30.0f;
        CDraw2D::SetTexturing(false);
        CDraw2D::SetBlend(false);
        CDraw2D::SetDepthTest(true);
        CDraw2D::SetDepthWrite(true);
        CDraw2D::SetColor(static_cast<float>(shown % 8) / 8.0f, 1.0f - static_cast<float>(shown % 5) / 5.0f, 0.5f,
                          1.0f);
        CTexture::DrawQuad(105.0f, 105.0f, z, 30.0f, 30.0f, 0.0f, 1.0f, 0.0f, 1.0f);
        CDraw2D::SetDepthTest(false);
        CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    };
    int partial = 0;
    for (int i = 0; i < 2 * CHeldDialogFrame::kLiveDepthSlices + 5; ++i)
    {
        shown = i;
        layers.liveLook = {static_cast<float>(i)};
        frame.Draw(nullptr, layers, {});
        partial += frame.GetMode() == CHeldDialogFrame::EMode::Partial ? 1 : 0;
        const std::vector<int> pixel = PixelAt(120, 120, width, height);
        EXPECT_NEAR(pixel[0], 255 * (i % 8) / 8, 2) << "frame " << i;
        EXPECT_NEAR(pixel[1], 255 - 255 * (i % 5) / 5, 2) << "frame " << i;
    }
    EXPECT_GT(partial, 2 * CHeldDialogFrame::kLiveDepthSlices);
    m_window->RemoveScreen(&dialog);
}

namespace
{
// One colour over the window, drawn again within parts when asked; it may
// say it stands still under a dialog.
class CStillScreen : public CScreen
{
  public:
    explicit CStillScreen(bool still) : m_still(still) {}

    void Draw() override { Fill({{0.0f, 0.0f, 1e4f, 1e4f}}, 1.0f); }
    bool DrawShaded(float light) override
    {
        Fill({{0.0f, 0.0f, 1e4f, 1e4f}}, light);
        return true;
    }
    bool DrawParts(const std::vector<CDraw2D::SRect>& parts, std::vector<CDraw2D::SRect>&, float light) override
    {
        m_asked += parts.empty() ? 0 : 1;
        Fill(parts, light);
        return true;
    }
    bool IsStillWhenShaded() const override { return m_still; }

    int m_asked = 0;

  private:
    static void Fill(const std::vector<CDraw2D::SRect>& parts, float light)
    {
        int width = 0, height = 0;
        CDraw2D::GetViewportSize(width, height);
        for (const CDraw2D::SRect& part : parts)
            CDraw2D::ClearColorInRect(static_cast<int>(part.x), height - static_cast<int>(part.y + part.height),
                                      static_cast<int>(part.width), static_cast<int>(part.height), 0.8f * light,
                                      0.4f * light, 0.32f * light);
    }

    bool m_still;
};
}

// A part moving over the screen under a dialog: where it was, the screen
// under shows again, veiled. One that stands still is given back from the
// dialog's copy, never asked to draw again.
TEST_F(CMenusDisplayTest, AScreenUnderThatStandsStillIsGivenBackFromTheCopy)
{
    const int width = m_window->GetWidth();
    const int height = m_window->GetHeight();
    CDraw2D::SetOrthoProjection(width, height, width, height, -50.0, 50.0);
    for (bool still : {true, false})
    {
        CStillScreen under(still);
        CScreen dialog;
        m_window->OpenOverlay(&dialog);
        CHeldDialogFrame frame(dialog);
        CHeldDialogFrame::SLayers layers;
        layers.width = static_cast<float>(width);
        layers.height = static_cast<float>(height);
        layers.veilLight = 0.5f;
        layers.opaque = {width / 4.0f, height / 4.0f, width / 2.0f, height / 2.0f};
        layers.drawGround = [&layers, height](const std::vector<CDraw2D::SRect>& parts) {
            const CDraw2D::SRect& o = layers.opaque;
            for (const CDraw2D::SRect& part : parts)
            {
                const float x0 = std::max(part.x, o.x), x1 = std::min(part.x + part.width, o.x + o.width);
                const float y0 = std::max(part.y, o.y), y1 = std::min(part.y + part.height, o.y + o.height);
                if (x0 < x1 && y0 < y1)
                    CDraw2D::ClearColorInRect(static_cast<int>(x0), height - static_cast<int>(y1),
                                              static_cast<int>(x1 - x0), static_cast<int>(y1 - y0), 0.1f, 0.1f, 0.1f);
            }
        };
        int partial = 0;
        for (int i = 0; i < 6; ++i)
        {
            const CDraw2D::SRect square = {16.0f + 32.0f * i, 16.0f, 16.0f, 16.0f};
            layers.live = {square};
            layers.liveLook = {static_cast<float>(i)};
            layers.drawLive = [&square, height](const std::vector<bool>&) {
                CDraw2D::ClearColorInRect(static_cast<int>(square.x), height - static_cast<int>(square.y + square.height),
                                          16, 16, 1.0f, 1.0f, 1.0f);
            };
            frame.Draw(&under, layers, {});
            partial += frame.GetMode() == CHeldDialogFrame::EMode::Partial ? 1 : 0;
        }
        EXPECT_GE(partial, 4) << still;
        EXPECT_EQ(under.m_asked > 0, !still);
        // Where the square stood first, and where it stands now.
        EXPECT_EQ((std::vector<int>{102, 51, 41}), PixelAt(24, 24, width, height)) << still;
        EXPECT_EQ((std::vector<int>{255, 255, 255}), PixelAt(16 + 32 * 5 + 8, 24, width, height)) << still;
        m_window->RemoveScreen(&dialog);
    }
}
