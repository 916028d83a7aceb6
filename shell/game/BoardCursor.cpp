#include "shell/game/BoardCursor.h"

#include <algorithm>
#include <cmath>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CInput.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CVector4.h"

CVector4 CastCursor(int mx, int my, int width, int height, float nearPlane, float fov, float aspect,
                    float cameraZ, float viewScale, float aimHeight)
{
    int halfWidth = width / 2;
    int halfHeight = height / 2;
    if (halfWidth < 1)
        halfWidth = 1;
    if (halfHeight < 1)
        halfHeight = 1;
    mx -= width / 2;
    my -= height / 2;
    float halfH = std::tan(fov / 2.0f * 3.1415927f / 180.0f) * nearPlane;
    float halfW = halfH * aspect;
    float nx = mx * halfW / static_cast<float>(halfWidth);
    float ny = my * halfH / static_cast<float>(halfHeight);
    float d = cameraZ / viewScale + aimHeight;
    return CVector4(-d * nx / nearPlane, d * ny / nearPlane, aimHeight);
}

CVector4 CastCursor(int mx, int my, int width, int height, const CViewParams& view, float viewScale,
                    float aimHeight)
{
    return CastCursor(mx, my, width, height, view.GetNear(), view.GetFov(), view.GetAspect(),
                      view.GetTranslation().z, viewScale, aimHeight);
}

bool PollBoardPointer(CGameApp* app, float viewScale, float aimHeight, CVector4& cursor, bool& button)
{
    if (!app)
        return false;
    CInput& input = app->GetInput();
    input.Poll();
    CAppWindow* window = CAppWindow::Get();
    if (!window)
        return false;
    SPoint mouse = input.GetMousePos();
    cursor = CastCursor(mouse.x, mouse.y, window->GetWidth(), window->GetHeight(), app->GetViewParams(), viewScale,
                        aimHeight);
    button = (input.GetMouseState()->rgbButtons[0] & 0x80) != 0;
    // A pointer outside the window aims at no cell of any board.
    if (!input.IsMouseInside())
    {
        cursor.Set(1.0e7f, 1.0e7f, aimHeight);
        button = false;
    }
    return true;
}

namespace
{
const float kDegrees = 3.14159265f / 180.0f;
// Logical units around a projected box: edge pixels a triangle touches are
// filled though their centre lies a little outside.
const float kMargin = 2.0f;

// As glRotatef about one axis: x (0), y (1) or z (2).
void Rotate(float degrees, int axis, float p[3])
{
    const float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    const float pa = p[a], pb = p[b];
    p[a] = c * pa - s * pb;
    p[b] = s * pa + c * pb;
}

// Far beyond any board, and well inside an int.
const double FAR_AWAY = 1.0e6;

int FloorToCell(float offset, float cellSize)
{
    double cell = std::floor(offset / cellSize);
    return (std::isfinite(cell) && std::fabs(cell) < FAR_AWAY) ? static_cast<int>(cell) : -1;
}
}

bool CellFromPoint(const CVector4& point, float left, float top, float cellSize, int columns, int rows, int* x,
                   int* y)
{
    int cx = FloorToCell(point.x - left, cellSize);
    int cy = FloorToCell(top - point.y, cellSize);
    if (x)
        *x = cx;
    if (y)
        *y = cy;
    return cx >= 0 && cy >= 0 && cx < columns && cy < rows;
}

bool ProjectBoardBox(const CViewParams& view, float tilt, const CVector4& low, const CVector4& high,
                     CDraw2D::SRect& rect)
{
    // The camera of the game frame: translation, scale, the view's turns
    // about x, y and z, then the board's tilt about x, applied to the point
    // in the reverse order.
    const float f = 1.0f / std::tan(view.GetFov() / 2.0f * kDegrees);
    const CVector4 move = view.GetTranslation();
    float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
    for (int corner = 0; corner < 8; ++corner)
    {
        float p[3] = {(corner & 1) ? high.x : low.x, (corner & 2) ? high.y : low.y, (corner & 4) ? high.z : low.z};
        Rotate(tilt, 0, p);
        Rotate(view.GetRotationZ(), 2, p);
        Rotate(view.GetRotationY(), 1, p);
        Rotate(view.GetRotationX(), 0, p);
        const float x = p[0] * view.GetScale() + move.x;
        const float y = p[1] * view.GetScale() + move.y;
        const float z = p[2] * view.GetScale() + move.z;
        if (!(-z > view.GetNear()))
            return false;
        const float sx = (f / view.GetAspect() * x / -z + 1.0f) / 2.0f * view.GetWidth();
        const float sy = (1.0f - f * y / -z) / 2.0f * view.GetHeight();
        left = corner == 0 ? sx : std::min(left, sx);
        right = corner == 0 ? sx : std::max(right, sx);
        top = corner == 0 ? sy : std::min(top, sy);
        bottom = corner == 0 ? sy : std::max(bottom, sy);
    }
    if (!std::isfinite(left) || !std::isfinite(right) || !std::isfinite(top) || !std::isfinite(bottom))
        return false;
    rect = {left - kMargin, top - kMargin, right - left + 2.0f * kMargin, bottom - top + 2.0f * kMargin};
    return true;
}
