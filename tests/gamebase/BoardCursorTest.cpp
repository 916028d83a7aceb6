#include <gtest/gtest.h>

#include <cmath>

#include "engine/frame/CViewParams.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/BoardCursor.h"

namespace
{
struct SCellCase
{
    float px;
    float py;
    bool inside;
    int x;
    int y;
};
}

// A 4 x 3 board of cells 2 wide with its top-left corner at (-4, 3).
TEST(BoardCursorTest, CellFromPointFloorsSoPointsBeyondTheLeftAndTopEdgesAreOff)
{
    const SCellCase cases[] = {
        {-3.0f, 2.0f, true, 0, 0},    // centre of the first cell
        {3.9f, -2.9f, true, 3, 2},    // inside the last cell
        {-4.5f, 2.0f, false, -1, 0},  // half a cell left of column 0
        {-3.0f, 3.5f, false, 0, -1},  // half a cell above row 0
        {4.0f, 0.0f, false, 4, 1},    // on the right edge
        {0.0f, -3.0f, false, 2, 3},   // on the bottom edge
    };
    for (const SCellCase& c : cases)
    {
        int x = 99;
        int y = 99;
        EXPECT_EQ(c.inside, CellFromPoint(CVector4(c.px, c.py, 5.0f), -4.0f, 3.0f, 2.0f, 4, 3, &x, &y))
            << c.px << ", " << c.py;
        EXPECT_EQ(c.x, x) << c.px << ", " << c.py;
        EXPECT_EQ(c.y, y) << c.px << ", " << c.py;
    }
    int x = 0;
    EXPECT_FALSE(CellFromPoint(CVector4(NAN, 0.0f, 0.0f), -4.0f, 3.0f, 2.0f, 4, 3, &x, nullptr));
    EXPECT_EQ(-1, x);
}

TEST(BoardCursorTest, CastPointLiesUnderTheCursorInWideAndNarrowWindows)
{
    // Project board points through the game's camera (translation z -40,
    // scale 0.06) for the window's own aspect, then cast the pixel back.
    const float nearPlane = 0.1f;
    const float fov = 70.0f;
    const int sizes[][2] = {{800, 600}, {1280, 720}, {600, 800}};
    for (const auto& size : sizes)
    {
        const float aspect = static_cast<float>(size[0]) / size[1];
        const float halfH = std::tan(fov / 2.0f * 3.1415927f / 180.0f);
        for (float wx : {-300.0f, 0.0f, 250.0f})
            for (float wy : {-200.0f, 120.0f})
            {
                float ndcX = wx * 0.06f / 40.0f / (halfH * aspect);
                float ndcY = wy * 0.06f / 40.0f / halfH;
                int px = static_cast<int>(std::lround(size[0] / 2 + ndcX * size[0] / 2));
                int py = static_cast<int>(std::lround(size[1] / 2 - ndcY * size[1] / 2));
                CVector4 cast = CastCursor(px, py, size[0], size[1], nearPlane, fov, aspect, -40.0f, 0.06f, 0.0f);
                // One pixel is worth at most a few world units at this distance.
                EXPECT_NEAR(wx, cast.x, 3.0f) << size[0] << "x" << size[1];
                EXPECT_NEAR(wy, cast.y, 3.0f) << size[0] << "x" << size[1];
            }
    }
}

namespace
{
// The game frame's camera: 40 units back, the board at scale 0.06.
CViewParams GameView()
{
    CViewParams view;
    view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
    view.SetScale(0.06f);
    return view;
}
}

TEST(ProjectBoardBox, BoardPointsProjectUnderThePixelTheyWereCastFrom)
{
    const CViewParams view = GameView();
    const int pixels[][2] = {{400, 300}, {100, 80}, {700, 550}, {30, 590}};
    for (float height : {0.0f, 34.0f})
        for (const auto& pixel : pixels)
        {
            const CVector4 point = CastCursor(pixel[0], pixel[1], 800, 600, view, 0.06f, height);
            CDraw2D::SRect rect{};
            ASSERT_TRUE(ProjectBoardBox(view, 0.0f, point, point, rect));
            EXPECT_NEAR(pixel[0], rect.x + rect.width / 2.0f, 0.5f) << pixel[0] << "," << pixel[1] << " at " << height;
            EXPECT_NEAR(pixel[1], rect.y + rect.height / 2.0f, 0.5f) << pixel[0] << "," << pixel[1] << " at " << height;
        }
}

TEST(ProjectBoardBox, BoxBehindTheEyeHasNoRectangle)
{
    const CViewParams view = GameView();
    CDraw2D::SRect rect{};
    // The eye is 40 / 0.06 units above the board.
    EXPECT_FALSE(ProjectBoardBox(view, 0.0f, CVector4(0.0f, 0.0f, 0.0f), CVector4(0.0f, 0.0f, 700.0f),
                                               rect));
}

