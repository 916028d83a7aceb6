// The view record's projections, read back from a real GL context.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CViewParams.h"
#include "platform/CPlatform.h"

namespace
{
class CViewParamsDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!CPlatform::Init())
            GTEST_SKIP() << "no display";
        m_window.reset(new CAppWindow("Marblewend", nullptr));
        if (!m_window->CreateWindowed("Marblewend", 0, 0, 320, 200))
            GTEST_SKIP() << "no GL window";
    }
    void TearDown() override
    {
        m_window.reset();
        CPlatform::Shutdown();
    }

    // Projects a point through the current projection into normalised
    // device coordinates.
    static void Project(float x, float y, float z, float& nx, float& ny)
    {
        GLfloat m[16];
        glGetFloatv(GL_PROJECTION_MATRIX, m);
        const float cx = m[0] * x + m[4] * y + m[8] * z + m[12];
        const float cy = m[1] * x + m[5] * y + m[9] * z + m[13];
        const float cw = m[3] * x + m[7] * y + m[11] * z + m[15];
        nx = cx / cw;
        ny = cy / cw;
    }

    std::unique_ptr<CAppWindow> m_window;
};
}

TEST_F(CViewParamsDisplayTest, OrthoPutsTheLogicalOriginTopLeftAndItsCornerBottomRight)
{
    CViewParams view;
    view.SetOrtho(320, 200);
    float nx = 0, ny = 0;
    Project(0, 0, 0, nx, ny);
    EXPECT_NEAR(-1.0f, nx, 1e-5);
    EXPECT_NEAR(1.0f, ny, 1e-5);
    Project(800, 600, 0, nx, ny);
    EXPECT_NEAR(1.0f, nx, 1e-5);
    EXPECT_NEAR(-1.0f, ny, 1e-5);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(320, viewport[2]);
    EXPECT_EQ(200, viewport[3]);
}

TEST_F(CViewParamsDisplayTest, PerspectiveAspectComesFromTheLogicalSizeNotTheViewport)
{
    CViewParams view;
    view.SetPerspective(320, 200);
    EXPECT_FLOAT_EQ(800.0f / 600.0f, view.GetAspect());
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    // m[5] / m[0] is the aspect that gluPerspective was given.
    EXPECT_NEAR(800.0f / 600.0f, m[5] / m[0], 1e-4);
}

TEST_F(CViewParamsDisplayTest, TransformTranslatesThenScales)
{
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    view.ApplyTransform();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(0.06f, m[0]);
    EXPECT_FLOAT_EQ(0.06f, m[10]);
    EXPECT_FLOAT_EQ(-40.0f, m[14]);
}
