#include "tests/draw/CGlWindowTest.h"

#include <cstdlib>

#include "engine/gfx/CTexture.h"
#include "platform/CPlatform.h"

void CGlWindowTest::SetUp()
{
    if (std::getenv("DISPLAY") == nullptr || !CPlatform::Init())
        GTEST_SKIP() << "no display";
    m_window = std::make_unique<CPlatformWindow>();
    if (!m_window->Create("Marblewend", 0, 0, kWidth, kHeight, true))
        GTEST_SKIP() << "no GL window";
    m_window->MakeCurrent();
    CTexture::SetUploadEnabled(true);
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
}

void CGlWindowTest::TearDown()
{
    CTexture::SetUploadEnabled(false);
    if (m_window)
    {
        EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError()) << "the test left a GL error";
        m_window->Destroy();
    }
    m_window.reset();
    CPlatform::Shutdown();
}

std::vector<unsigned char> CGlWindowTest::ReadWindow()
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<int> CGlWindowTest::PixelOf(const std::vector<unsigned char>& window, int x, int y)
{
    const auto at = window.begin() + (static_cast<std::ptrdiff_t>(kHeight - 1 - y) * kWidth + x) * 4;
    return std::vector<int>(at, at + 3);
}

std::vector<int> CGlWindowTest::PixelAt(int x, int y)
{
    return PixelOf(ReadWindow(), x, y);
}

int CGlWindowTest::CountLitPixels(int x0, int y0, int x1, int y1)
{
    const std::vector<unsigned char> window = ReadWindow();
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const std::vector<int> p = PixelOf(window, x, y);
            lit += (p[0] + p[1] + p[2]) > 96 ? 1 : 0;
        }
    return lit;
}

std::vector<unsigned char> CGlWindowTest::ReadTexture(GLuint name, GLenum format, int width, int height,
                                                      int components)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * components);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLint CGlWindowTest::GetInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}
