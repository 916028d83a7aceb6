#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "platform/CPlatformWindow.h"

// A real GL window for the drawing tests (a virtual display in CI), made
// afresh for each test so that no GL state leaks from one to the next; a
// test skips itself where no display can be had. Each test starts with a
// black window, identity matrices and uploads on, and must end without a
// GL error.
class CGlWindowTest : public ::testing::Test
{
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    void SetUp() override;
    void TearDown() override;

    // The back buffer as RGBA, rows from the bottom.
    static std::vector<unsigned char> ReadWindow();
    // Red, green and blue of pixel (x, y) counted from the top left,
    // as the screen projection counts.
    static std::vector<int> PixelAt(int x, int y);
    // Pixels brighter than a dim grey in the rectangle (counted from the top left).
    static int CountLitPixels(int x0, int y0, int x1, int y1);
    // Level 0 of a texture in the given format, tightly packed.
    static std::vector<unsigned char> ReadTexture(GLuint name, GLenum format, int width, int height,
                                                  int components);
    static GLint GetInteger(GLenum name);

private:
    static std::vector<int> PixelOf(const std::vector<unsigned char>& window, int x, int y);
    std::unique_ptr<CPlatformWindow> m_window;
};
