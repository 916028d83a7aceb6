// The drawing helpers, the view record's projections and the copy of the
// window's picture on a real GL context (run under a virtual display): what
// each draws and, above all, the state it leaves for the next drawer.

#include <algorithm>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CTexture.h"
#include "engine/gfx/CWindowCopy.h"
#include "tests/draw/CGlWindowTest.h"

namespace
{
class CDraw2DDisplayTest : public CGlWindowTest
{
protected:
    // A 2x2 texture of one colour; it goes with the window's context.
    static GLuint MakeTexture(unsigned char r, unsigned char g, unsigned char b)
    {
        const unsigned char pixels[] = {r, g, b, r, g, b, r, g, b, r, g, b};
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        glBindTexture(GL_TEXTURE_2D, 0);
        return texture;
    }

    // The depth at (x, y) counted from the bottom left.
    static float ReadDepth(int x, int y)
    {
        float depth = -1.0f;
        glFinish();
        glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        return depth;
    }
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

    EXPECT_EQ((std::vector<int>{255, 255, 255}), PixelAt(kWidth / 2, kHeight / 2));
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

// A patch of a held picture clips what is drawn again; a thing that clips
// itself within the patch must not draw beyond it.
TEST_F(CDraw2DDisplayTest, InnerClipKeepsToTheOuterScissorBoxAndSetsItBack)
{
    // Boxes count from the bottom left, the pixels read from the top left.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const int outerBox[4] = {10, 10, 50, 50};
    glScissor(outerBox[0], outerBox[1], outerBox[2], outerBox[3]);
    glEnable(GL_SCISSOR_TEST);
    const int inner[4] = {40, 40, 100, 100};
    const CDraw2D::SClip outer = CDraw2D::BeginInnerClip(inner);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    CDraw2D::EndInnerClip(outer);

    EXPECT_EQ((std::vector<int>{255, 255, 255}), PixelAt(45, kHeight - 1 - 45));
    EXPECT_EQ((std::vector<int>{255, 255, 255}), PixelAt(59, kHeight - 1 - 59));
    // Inside the inner box only, or inside the outer one only.
    EXPECT_EQ((std::vector<int>{0, 0, 0}), PixelAt(65, kHeight - 1 - 65));
    EXPECT_EQ((std::vector<int>{0, 0, 0}), PixelAt(20, kHeight - 1 - 20));
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(20, [] { GLint box[4]; glGetIntegerv(GL_SCISSOR_BOX, box); return box[0] + box[1]; }());

    // Without an outer box the inner one alone holds, and the test goes off.
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const CDraw2D::SClip none = CDraw2D::BeginInnerClip(inner);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    CDraw2D::EndInnerClip(none);
    EXPECT_EQ((std::vector<int>{255, 255, 255}), PixelAt(120, kHeight - 1 - 120));
    EXPECT_EQ((std::vector<int>{0, 0, 0}), PixelAt(35, kHeight - 1 - 35));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
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
    // A tiny box at the logical origin lands near the window's top row.
    glLoadIdentity();
    left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_TRUE(CMatrixStack::WidenToProjectedBox(0.001f, 0.001f, 0.0f, left, right, bottom, top));
    EXPECT_NEAR(0.0, left, 1e-2);
    EXPECT_NEAR(kHeight, top, 1e-2);
}

TEST_F(CDraw2DDisplayTest, ViewOrthoPutsTheLogicalOriginTopLeftAndItsCornerBottomRight)
{
    // A viewport an earlier drawer left: the view sets its own.
    glViewport(0, 0, 10, 10);
    CViewParams view;
    view.SetOrtho(kWidth, kHeight);
    // Tiny boxes at the logical origin and at the far corner, in window pixels from the bottom left.
    double left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_TRUE(CMatrixStack::WidenToProjectedBox(0.001f, 0.001f, 0.0f, left, right, bottom, top));
    EXPECT_NEAR(0.0, left, 1e-2);
    EXPECT_NEAR(kHeight, top, 1e-2);
    CMatrixStack::Translate(800.0f, 600.0f, 0.0f);
    left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_TRUE(CMatrixStack::WidenToProjectedBox(0.001f, 0.001f, 0.0f, left, right, bottom, top));
    EXPECT_NEAR(kWidth, right, 1e-2);
    EXPECT_NEAR(0.0, bottom, 1e-2);
}

TEST_F(CDraw2DDisplayTest, ViewPerspectiveAspectComesFromTheLogicalSizeAndABoxAroundTheEyeHasNoProjection)
{
    CViewParams view;
    view.SetPerspective(kWidth, kHeight);
    EXPECT_FLOAT_EQ(800.0f / 600.0f, view.GetAspect());
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    // m[5] / m[0] is the aspect that gluPerspective was given.
    EXPECT_NEAR(800.0f / 600.0f, m[5] / m[0], 1e-4);
    double left = kWidth, right = 0.0, bottom = kHeight, top = 0.0;
    EXPECT_FALSE(CMatrixStack::WidenToProjectedBox(1.0f, 1.0f, 1.0f, left, right, bottom, top));
}

TEST_F(CDraw2DDisplayTest, ViewTransformTranslatesThenScales)
{
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    glLoadIdentity();
    view.ApplyTransform();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(0.06f, m[0]);
    EXPECT_FLOAT_EQ(0.06f, m[10]);
    EXPECT_FLOAT_EQ(-40.0f, m[14]);
}

// That the copy draws back what was captured, unflipped and unshifted, the
// menus' display test shows through the main menu's still layer.
TEST_F(CDraw2DDisplayTest, WindowCopyTakesANewTextureForANewSizeAndNoneWithoutUploads)
{
    CWindowCopy copy;
    ASSERT_TRUE(copy.Capture(kWidth, kHeight));
    ASSERT_TRUE(copy.Capture(kWidth / 2, kHeight / 2));
    EXPECT_EQ(kWidth / 2, copy.GetWidth());
    copy.Release();
    EXPECT_FALSE(copy.HasTexture());
    EXPECT_FALSE(copy.Capture(0, kHeight));
    CTexture::SetUploadEnabled(false);
    EXPECT_FALSE(copy.Capture(kWidth, kHeight));
    EXPECT_FALSE(copy.HasTexture());
}

// A rounded outline cut by parts that tile the box gives pieces that, put
// together, are the whole outline: nothing lost or doubled along the cuts,
// each piece within its part. The whole outline is the box less what its
// corners cut away, a quarter ellipse's worth short of a square each.
TEST(CDraw2DOutline, PartsOfARoundedOutlineAddUpToTheWhole)
{
    using SPoint = CDraw2D::SPoint;
    auto area = [](const std::vector<SPoint>& outline) {
        float twice = 0.0f;
        for (std::size_t i = 0; i < outline.size(); ++i)
        {
            const SPoint& a = outline[i];
            const SPoint& b = outline[(i + 1) % outline.size()];
            twice += a.x * b.y - b.x * a.y;
        }
        // Clockwise on a screen whose y runs down: positive.
        return twice / 2.0f;
    };
    const CDraw2D::SRect box = {40.0f, 30.0f, 240.0f, 160.0f};
    const struct
    {
        float rx, ry;
    } corners[] = {{0.0f, 0.0f}, {60.0f, 40.0f}, {17.0f, 8.5f}, {500.0f, 500.0f}};
    for (const auto& c : corners)
    {
        const std::vector<SPoint> whole = CDraw2D::RoundedOutline(box, c.rx, c.ry, box);
        const float rx = std::min(c.rx, box.width / 2.0f), ry = std::min(c.ry, box.height / 2.0f);
        EXPECT_NEAR(area(whole), box.width * box.height - (4.0f - 3.14159265f) * rx * ry,
                    0.01f * box.width * box.height)
            << c.rx;
        float pieces = 0.0f;
        for (float y = 0.0f; y < 240.0f; y += 23.5f)
            for (float x = 0.0f; x < 320.0f; x += 37.0f)
            {
                const CDraw2D::SRect part = {x, y, 37.0f, 23.5f};
                const std::vector<SPoint> piece = CDraw2D::RoundedOutline(box, c.rx, c.ry, part);
                for (const SPoint& p : piece)
                {
                    EXPECT_TRUE(p.x >= part.x - 1e-3f && p.x <= part.x + part.width + 1e-3f &&
                                p.y >= part.y - 1e-3f && p.y <= part.y + part.height + 1e-3f);
                }
                pieces += piece.empty() ? 0.0f : area(piece);
            }
        EXPECT_NEAR(pieces, area(whole), 0.5f) << c.rx;
    }
    EXPECT_TRUE(CDraw2D::RoundedOutline(box, 10.0f, 10.0f, {0.0f, 0.0f, 30.0f, 300.0f}).empty());
    EXPECT_TRUE(CDraw2D::RoundedOutline(box, 60.0f, 40.0f, {40.0f, 30.0f, 10.0f, 10.0f}).empty());
}

// A rounded panel drawn in parts: within the outline and the parts only.
TEST_F(CDraw2DDisplayTest, RoundedPictureIsDrawnWithinItsOutlineAndTheParts)
{
    const GLuint texture = MakeTexture(255, 255, 255);
    CDraw2D::SetOrthoProjection(kWidth, kHeight, kWidth, kHeight, -50.0, 50.0);
    CDraw2D::ClearColorInRect(0, 0, kWidth, kHeight, 0.0f, 0.0f, 0.0f);
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    // The box in a grid of parts, one of them left out.
    const CDraw2D::SRect box = {40.0f, 40.0f, 240.0f, 160.0f};
    std::vector<CDraw2D::SRect> parts;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (!(row == 1 && column == 2))
                parts.push_back({40.0f + column * 60.0f, 40.0f + row * 40.0f, 60.0f, 40.0f});
    CDraw2D::DrawRoundedPictureParts(texture, box, {0.25f, 0.25f, 0.5f, 0.5f}, 60.0f, 40.0f, parts);
    const std::vector<int> white = {255, 255, 255}, black = {0, 0, 0};
    const struct
    {
        int x, y;
        const std::vector<int>& colour;
    } samples[] = {
        {130, 100, white},  // inside
        {190, 100, black},  // in the part left out
        {20, 20, black},    // outside the box
        {42, 42, black},    // in the box's corner, beyond the round
        {62, 55, white},    // just inside the round (0.9 of the way out)
        {53, 49, black},    // just beyond it (1.1)
        {277, 120, white},  // the right edge's straight run
        {270, 195, black},  // the bottom-right corner
    };
    for (const auto& s : samples)
        EXPECT_EQ(s.colour, PixelAt(s.x, s.y)) << s.x << "," << s.y;
    glDeleteTextures(1, &texture);
}
