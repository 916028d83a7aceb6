#include "engine/gfx/CBitmapFont.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "tests/draw/CGlWindowTest.h"
#include "tests/files/CTestPictures.h"
#include "tests/gfx/CFontTestPicture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <GL/glu.h>

#include <cstdlib>
#include <string>
#include <vector>

// Drawing into a real GL context (an Xvfb window in CI); skipped where there is no display.
namespace
{
const char* kQuadObj =
    "g quad\nv -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
    "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
    "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/4/1\n";

class CGfxDrawTest : public CGlWindowTest
{
protected:
    std::string SolidPicture(const char* name, uint32_t rgba)
    {
        return m_files.WriteBytes(name, CGfxTestFiles::MakeTga(8, 8, 32, [rgba](int, int) { return rgba; }));
    }

    // Writes <name>.obj and <name>.unt, the description naming the mesh, with more keys after it.
    std::string Describe(const std::string& name, const std::string& obj, const std::string& keys)
    {
        return m_files.Write(name + ".unt", "faces_file_name " + m_files.Write(name + ".obj", obj) + "\n" + keys);
    }

    static void Draw(CModel& model)
    {
        glPushMatrix();
        model.Draw();
        glPopMatrix();
    }

    // A board's view: in perspective, tilted back by the angle, with the
    // depth test.
    static void LookAtBoard(float tiltDegrees)
    {
        glMatrixMode(GL_PROJECTION);
        gluPerspective(45.0, static_cast<double>(kWidth) / kHeight, 1.0, 50.0);
        glMatrixMode(GL_MODELVIEW);
        glTranslatef(0.0f, 0.0f, -6.0f);
        glRotatef(-tiltDegrees, 1.0f, 0.0f, 0.0f);
        glEnable(GL_DEPTH_TEST);
    }

    CGfxTestFiles m_files;
    CFilePack m_pack;
};

bool IsRed(const std::vector<int>& c)
{
    return c[0] > 200 && c[1] < 60 && c[2] < 60;
}
}

TEST_F(CGfxDrawTest, TexturedModelDrawsFromItsListAndCopiesDrawTheSame)
{
    CResManager manager(&m_pack);
    std::string red = "tex_file_name " + SolidPicture("red.tga", 0xff0000ffu) + "\n";
    CModel* model = manager.AddModel(Describe("quad", kQuadObj, red).c_str(), "quad");
    ASSERT_TRUE(model->HasList());
    CModel copy(*model);

    Draw(copy);
    EXPECT_TRUE(IsRed(PixelAt(kWidth / 2, kHeight / 2)));
    EXPECT_EQ(PixelAt(5, 5)[0], 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // After the context's objects are dropped and rebuilt the copy draws the new list.
    CResManager::ReleaseAllGL();
    CResManager::ReloadAllGL();
    ASSERT_TRUE(copy.HasList());
    glClear(GL_COLOR_BUFFER_BIT);
    Draw(copy);
    EXPECT_TRUE(IsRed(PixelAt(kWidth / 2, kHeight / 2)));
}

// The current normal is left alone unless the model sends normals of its own: only a
// textured model whose description asks for them and whose mesh has them does.
// A board at rest is drawn once into the batch's layer and laid back on the
// frames after: each must show exactly what drawing every triangle shows, and
// a brick that moves must show at its new place, not where the layer had it.
TEST_F(CGfxDrawTest, BatchAndItsBackingDrawThroughTheLayerAsDirectlyAndFollowAMove)
{
    CResManager manager(&m_pack);
    const std::string tiles = m_files.WriteBytes("tiles.tga", CGfxTestFiles::MakeTga(16, 16, 32, [](int x, int y) {
        return (static_cast<uint32_t>(x * 16) << 24) | (static_cast<uint32_t>(y * 16) << 16) |
               (static_cast<uint32_t>((x + y) % 3 * 100) << 8) | 0xffu;
    }));
    CModel* brick = manager.AddModel(Describe("brick", kQuadObj, "tex_file_name " + tiles + "\n").c_str(), "brick");
    std::vector<CModel> bricks(6, *brick);
    for (std::size_t i = 0; i < bricks.size(); ++i)
    {
        bricks[i].SetPosition(CVector4(-2.5f + static_cast<float>(i), i % 2 ? 0.5f : -0.5f, 0.2f));
        bricks[i].SetScale(0.45f);
    }
    // A see-through backing of uneven alpha under them, over a coloured window.
    const std::string grid = m_files.WriteBytes("grid.tga", CGfxTestFiles::MakeTga(8, 8, 32, [](int x, int y) {
        return 0xc0e0ff00u | static_cast<uint32_t>((x + y) % 4 * 60 + 40);
    }));
    CTexture* backing = manager.AddTexture(grid.c_str(), "grid", true, true);
    ASSERT_NE(backing->GetId(), 0u);
    CModelBatch::SUnderlay underlay;
    underlay.texture = backing->GetId();
    underlay.x = -3.0f;
    underlay.y = -1.5f;
    underlay.width = 6.0f;
    underlay.height = 3.0f;
    underlay.s = 3.0f;
    underlay.t = 1.5f;
    underlay.alpha = 0.3f;
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    LookAtBoard(25.0f);

    // The layer's texture may round a channel the other way than the window.
    auto same = [](const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::abs(a[i] - b[i]) > 1)
                return false;
        return true;
    };
    CModelBatch batch;
    auto frame = [&](bool layer) {
        CModelBatch::SetLayerEnabled(layer);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        batch.Begin();
        batch.SetUnderlay(underlay);
        for (CModel& model : bricks)
            batch.Add(model);
        batch.Draw();
        return ReadWindow();
    };
    const std::vector<unsigned char> direct = frame(false);
    EXPECT_GT(CountLitPixels(0, 0, kWidth, kHeight), kWidth * kHeight / 50);
    // The first frame after a change draws directly, the next into the
    // layer, the ones after lay the layer back.
    for (const char* step : {"directly", "into the layer", "from the layer"})
        EXPECT_TRUE(same(frame(true), direct)) << step;

    bricks[2].SetPosition(CVector4(-0.5f, 1.2f, 0.5f));
    const std::vector<unsigned char> moved = frame(false);
    EXPECT_FALSE(same(moved, direct));
    for (const char* step : {"directly", "into the layer", "from the layer"})
        EXPECT_TRUE(same(frame(true), moved)) << step << " after a brick moved";
    CModelBatch::SetLayerEnabled(true);
    glDisable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

// A picture patched in places is drawn with the scissor test on, and the
// batch sends only the bricks that may reach the scissor box: inside it every
// pixel must be what drawing every brick gives, whichever bricks were left out.
TEST_F(CGfxDrawTest, BatchUnderAScissorDrawsItsBoxAsTheWholeBoard)
{
    CResManager manager(&m_pack);
    const std::string tiles = m_files.WriteBytes("tiles.tga", CGfxTestFiles::MakeTga(16, 16, 32, [](int x, int y) {
        return (static_cast<uint32_t>(x * 16) << 24) | (static_cast<uint32_t>(y * 16) << 16) | 0x40ffu;
    }));
    CModel* brick = manager.AddModel(Describe("brick", kQuadObj, "tex_file_name " + tiles + "\n").c_str(), "brick");
    // Two rows of bricks under a tilted perspective, the far row partly
    // behind the near one.
    std::vector<CModel> bricks(12, *brick);
    for (std::size_t i = 0; i < bricks.size(); ++i)
    {
        bricks[i].SetPosition(CVector4(-2.5f + static_cast<float>(i % 6), i < 6 ? -0.4f : 0.4f, i < 6 ? 0.4f : 0.0f));
        bricks[i].SetScale(0.55f);
    }
    LookAtBoard(35.0f);
    CModelBatch::SetLayerEnabled(false);
    CModelBatch batch;
    auto frame = [&](const int* box) {
        glDisable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (box)
        {
            glScissor(box[0], box[1], box[2], box[3]);
            glEnable(GL_SCISSOR_TEST);
        }
        batch.Begin();
        for (CModel& model : bricks)
            batch.Add(model);
        batch.Draw();
        glDisable(GL_SCISSOR_TEST);
        return ReadWindow();
    };
    const std::vector<unsigned char> whole = frame(nullptr);
    ASSERT_GT(CountLitPixels(0, 0, kWidth, kHeight), kWidth * kHeight / 20);
    const int boxes[][4] = {
        {0, 0, kWidth, kHeight},          // all of it
        {150, 90, 12, 12},                // a few pixels amid the bricks
        {0, 0, 40, kHeight},              // the left edge
        {100, 0, 30, kHeight},            // a column across both rows
        {kWidth - 5, kHeight - 5, 5, 5},  // a corner with no brick
        {60, 95, 200, 3},                 // a thin strip across a row
    };
    for (const auto& box : boxes)
    {
        const std::vector<unsigned char> patched = frame(box);
        int wrong = 0;
        for (int y = box[1]; y < box[1] + box[3]; ++y)
            for (int x = box[0]; x < box[0] + box[2]; ++x)
                for (int c = 0; c < 3; ++c)
                    wrong += patched[(y * kWidth + x) * 4 + c] != whole[(y * kWidth + x) * 4 + c];
        EXPECT_EQ(0, wrong) << "box at " << box[0] << "," << box[1] << " of " << box[2] << "x" << box[3];
    }
    CModelBatch::SetLayerEnabled(true);
    glDisable(GL_DEPTH_TEST);
}

TEST_F(CGfxDrawTest, NormalsAreSentOnlyByATexturedModelWhoseMeshHasThem)
{
    const char* bare_obj = "g quad\nv -1 -1 0\nv 1 -1 0\nv 1 1 0\nvt 0 0\nvt 1 0\nvt 1 1\n"
                           "f 1/1 2/2 3/3\n";
    std::string red = SolidPicture("red.tga", 0xff0000ffu);
    auto normal_after_draw = [&](const std::string& name, const char* obj, const std::string& texture) {
        CModel model;
        model.LoadFile(&m_pack, Describe(name, obj, "tex_file_name " + texture + "\nshow_normales 1\n").c_str());
        glNormal3f(0.0f, 1.0f, 0.0f);
        Draw(model);
        GLfloat normal[3];
        glGetFloatv(GL_CURRENT_NORMAL, normal);
        return normal[2];
    };
    EXPECT_FLOAT_EQ(normal_after_draw("lit", kQuadObj, red), 1.0f);
    EXPECT_FLOAT_EQ(normal_after_draw("plain", kQuadObj, "n"), 0.0f);
    EXPECT_FLOAT_EQ(normal_after_draw("bare", bare_obj, red), 0.0f);
}

TEST_F(CGfxDrawTest, TextDrawsGlyphsAndLeavesTheDepthTestOff)
{
    std::vector<unsigned char> tga = CFontTestPicture::Make({24, 24, 24, 22});
    std::string path = m_files.WriteBytes("font.tga", tga);
    CResManager manager(&m_pack);
    CTexture* texture = manager.AddTexture(path.c_str(), "font", false, true);
    CBitmapFont font;
    ASSERT_TRUE(font.Load(tga.data(), tga.size(), texture));
    // The screen's y axis points down, as on the 800 x 600 menu screens.
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, kWidth, kHeight, 0, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    font.DrawText("HELLO", 20.0f, 20.0f, 60.0f, 0.0f, 1, 1, 1, 1, false);
    EXPECT_GT(CountLitPixels(20, 40, 120, 60), 200);
    EXPECT_EQ(CountLitPixels(0, 80, kWidth, kHeight), 0);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);
}

TEST_F(CGfxDrawTest, RgbRowsOfOddWidthArriveUnskewed)
{
    // 3 x 2 pixels: rows of 9 bytes, not a multiple of 4.
    const auto tga = CGfxTestFiles::MakeTga(3, 2, 24, [](int x, int y) {
        const uint32_t i = static_cast<uint32_t>(3 * (1 - y) + x);
        return (10 * i + 1) << 24 | (10 * i + 2) << 16 | (10 * i + 3) << 8;
    });
    CTexture texture;
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, false));
    ASSERT_NE(texture.GetId(), 0u);
    const auto rgb = ReadTexture(texture.GetId(), GL_RGB, 3, 2, 3);
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(rgb[3 * i], 10 * i + 1) << "pixel " << i;
        EXPECT_EQ(rgb[3 * i + 2], 10 * i + 3) << "pixel " << i;
    }
}

TEST_F(CGfxDrawTest, PlainTextureDropsAlphaDynamicKeepsItAndLoadingAgainOrReleasingDeletesTheOldName)
{
    const auto tga = CGfxTestFiles::MakeTga(2, 2, 32, [](int, int) { return 0x28282828u; });
    CTexture texture;
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, false));
    const unsigned int plain = texture.GetId();
    EXPECT_EQ(ReadTexture(plain, GL_RGBA, 2, 2, 4)[3], 255);
    ASSERT_TRUE(texture.DecodeTga(tga.data(), tga.size(), false, true));
    const unsigned int dynamic = texture.GetId();
    EXPECT_EQ(ReadTexture(dynamic, GL_RGBA, 2, 2, 4)[3], 40);
    EXPECT_TRUE(plain == dynamic || !glIsTexture(plain));
    texture.Release();
    EXPECT_FALSE(glIsTexture(dynamic));
    EXPECT_EQ(texture.GetId(), 0u);
}

TEST_F(CGfxDrawTest, BumpLoadMakesTwoHalfIntensityNamesAndNoPlainOne)
{
    const std::string white =
        m_files.WriteBytes("b.jpg", CTestPictures::Jpeg(8, 8, 3, std::vector<unsigned char>(192, 255)));
    CTexture texture;
    ASSERT_TRUE(texture.LoadBump(m_pack, white, true, false));
    EXPECT_EQ(texture.GetId(), 0u);
    ASSERT_NE(texture.GetBumpId1(), 0u);
    ASSERT_NE(texture.GetBumpId2(), 0u);
    EXPECT_EQ(ReadTexture(texture.GetBumpId1(), GL_RGB, 8, 8, 3)[0], 128);
    EXPECT_EQ(ReadTexture(texture.GetBumpId2(), GL_RGB, 8, 8, 3)[0], 0);
    // The flag lasts only for that load.
    ASSERT_TRUE(texture.Load(m_pack, white, true, false));
    EXPECT_NE(texture.GetId(), 0u);
    EXPECT_EQ(texture.GetBumpId1(), 0u);
}
