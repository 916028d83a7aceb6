#include "shell/game/GameFrame.h"

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CMatrixStack.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameLookup.h"

void DrawGameFrame(CGameApp* app, const SGameFrame& frame)
{
    if (!app)
        return;
    CAppWindow* window = CAppWindow::Get();
    int w = window ? window->GetWidth() : 800;
    int h = window ? window->GetHeight() : 600;
    CViewParams& view = app->GetViewParams();

    view.SetOrtho(w, h);
    CDraw2D::SetDepthTest(false);
    if (frame.background)
        frame.background->Draw();
    if (frame.drawOverBackground)
        frame.drawOverBackground();

    view.SetPerspective(w, h);
    CMatrixStack::Push();
    view.ApplyTransform();
    view.ApplyRotationX();
    view.ApplyRotationY();
    view.ApplyRotationZ();
    CMatrixStack::Push();
    CMatrixStack::Rotate(frame.tilt, 1.0f, 0.0f, 0.0f);
    CDraw2D::SetDepthTest(true);
    if (frame.startEffect)
        frame.startEffect->ApplyRotation();
    if (frame.endEffect)
        frame.endEffect->ApplyRotation();
    if (frame.drawBoard)
        frame.drawBoard();
    if (frame.sparkles)
    {
        CDraw2D::SetDepthTest(false);
        DrawSparkles();
        UpdateSparkles();
    }
    CMatrixStack::Pop();
    CMatrixStack::Pop();

    view.SetOrtho(w, h);
    CDraw2D::SetDepthTest(frame.hudDepthTest);
    if (frame.drawHud)
        frame.drawHud();
}
