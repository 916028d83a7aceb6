#include "shell/game/BoardCursor.h"

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
