// The drawing helpers on a real GL context (run under a virtual display):
// what each draws and, above all, the state it leaves for the next drawer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/frame/CViewParams.h"
#include "platform/CPlatform.h"

namespace
{
const int kWidth = 320;
const int kHeight = 240;

class CDraw2DDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!CPlatform::Init())
            GTEST_SKIP() << "no display";
        m_window = std::make_unique<CAppWindow>("Marblewend", nullptr);
        if (!m_window->CreateWindowed("Marblewend", 0, 0, kWidth, kHeight))
            GTEST_SKIP() << "no GL window";
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    void TearDown() override
    {
        if (m_texture != 0)
            glDeleteTextures(1, &m_texture);
        if (m_window)
            m_window->Destroy();
        m_window.reset();
        CPlatform::Shutdown();
    }

    // A 2x2 texture of one colour.
    GLuint MakeTexture(unsigned char r, unsigned char g, unsigned char b)
    {
        const unsigned char pixels[] = {r, g, b, r, g, b, r, g, b, r, g, b};
        glGenTextures(1, &m_texture);
        glBindTexture(GL_TEXTURE_2D, m_texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        glBindTexture(GL_TEXTURE_2D, 0);
        return m_texture;
    }

    static std::vector<unsigned char> ReadPixel(int x, int y)
    {
        std::vector<unsigned char> pixel(4);
        glFinish();
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
        return pixel;
    }

    static float ReadDepth(int x, int y)
    {
        float depth = -1.0f;
        glFinish();
        glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        return depth;
    }

    static GLint GetInteger(GLenum name)
    {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    std::unique_ptr<CAppWindow> m_window;
    GLuint m_texture = 0;
};
}

TEST_F(CDraw2DDisplayTest, OpaquePictureIgnoresTheColourAndLeavesModulationOn)
{
    const GLuint texture = MakeTexture(255, 255, 255);
    CViewParams view;
    view.SetOrtho(kWidth, kHeight);
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    CDraw2D::SetColor(0.0f, 0.0f, 0.0f, 0.0f);
    CDraw2D::DrawOpaquePicture(texture, 800.0f, 600.0f);

    const std::vector<unsigned char> pixel = ReadPixel(kWidth / 2, kHeight / 2);
    EXPECT_EQ(255, pixel[0]);
    EXPECT_EQ(255, pixel[1]);
    EXPECT_EQ(255, pixel[2]);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GL_MODULATE, mode);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_EQ(static_cast<GLint>(texture), GetInteger(GL_TEXTURE_BINDING_2D));
}

TEST_F(CDraw2DDisplayTest, DepthClearInARectangleStaysInsideItAndTurnsTheScissorOff)
{
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    CDraw2D::ClearDepthInRect(10, 20, 30, 40);

    EXPECT_FLOAT_EQ(1.0f, ReadDepth(15, 25));
    EXPECT_FLOAT_EQ(1.0f, ReadDepth(39, 59));
    EXPECT_FLOAT_EQ(0.0f, ReadDepth(9, 25));
    EXPECT_FLOAT_EQ(0.0f, ReadDepth(40, 25));
    EXPECT_FLOAT_EQ(0.0f, ReadDepth(15, 60));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
}

TEST_F(CDraw2DDisplayTest, OrthoProjectionMapsTheLogicalScreenOntoTheWholeWindow)
{
    glMatrixMode(GL_PROJECTION);
    CDraw2D::SetOrthoProjection(kWidth, kHeight, 800.0, 600.0, -50.0, 50.0);
    EXPECT_EQ(GL_MODELVIEW, GetInteger(GL_MATRIX_MODE));

    // The whole logical screen, as a box centred on its middle.
    CMatrixStack::Push();
    CMatrixStack::Translate(400.0f, 300.0f, 0.0f);
    double left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_TRUE(CMatrixStack::WidenToProjectedBox(400.0f, 300.0f, 0.0f, left, right, bottom, top));
    CMatrixStack::Pop();
    EXPECT_NEAR(0.0, left, 1e-3);
    EXPECT_NEAR(kWidth, right, 1e-3);
    EXPECT_NEAR(0.0, bottom, 1e-3);
    EXPECT_NEAR(kHeight, top, 1e-3);
}

TEST_F(CDraw2DDisplayTest, LogicalTopLeftIsTheWindowsTopRow)
{
    CDraw2D::SetOrthoProjection(kWidth, kHeight, 800.0, 600.0, -50.0, 50.0);
    glLoadIdentity();
    double left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    // A tiny box at the logical origin lands near window row kHeight.
    EXPECT_TRUE(CMatrixStack::WidenToProjectedBox(0.001f, 0.001f, 0.0f, left, right, bottom, top));
    EXPECT_NEAR(0.0, left, 1e-2);
    EXPECT_NEAR(kHeight, top, 1e-2);
}

TEST_F(CDraw2DDisplayTest, BoxAroundTheEyeCannotBeProjected)
{
    CViewParams view;
    view.SetPerspective(kWidth, kHeight);
    double left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_FALSE(CMatrixStack::WidenToProjectedBox(1.0f, 1.0f, 1.0f, left, right, bottom, top));
}

