#include "shell/CIntroScreen.h"

#include <cstdlib>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/frame/CViewParams.h"
#include "platform/CPlatform.h"

namespace
{
const float kPictureDepth = -10.0f;
}

CIntroScreen::CIntroScreen(CFilePack& pack)
{
    std::srand(CPlatform::GetTicks());
    m_picture.Load(pack, kPicture, false, false);
}

CIntroScreen::~CIntroScreen()
{
    m_picture.Release();
}

void CIntroScreen::Activate()
{
    CViewParams fallback;
    CGameApp* app = CGameApp::Get();
    CViewParams& view = app != nullptr ? app->GetViewParams() : fallback;
    // The drawable's real size: in full screen it is not the stored window size.
    CAppWindow* window = CAppWindow::Get();
    const int width = window != nullptr ? window->GetWidth() : view.GetWidth();
    const int height = window != nullptr ? window->GetHeight() : view.GetHeight();

    CDraw2D::SetDepthTest(true);
    CDraw2D::SetTexturing(true);
    CDraw2D::UseNicestPerspective();
    CDraw2D::EnableAlphaTestAbove(0.5f);
    view.SetOrtho(width, height);
    CScreen::Activate();
}

void CIntroScreen::Draw()
{
    CGameApp* app = CGameApp::Get();
    const float width = app != nullptr ? static_cast<float>(app->GetViewParams().GetWidth()) : 800.0f;
    const float height = app != nullptr ? static_cast<float>(app->GetViewParams().GetHeight()) : 600.0f;

    CDraw2D::SetClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    CDraw2D::ClearColorAndDepth();
    CMatrixStack::Push();
    CDraw2D::SetTexturing(true);
    CDraw2D::BindTexture(m_picture.GetId());
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    CTexture::DrawQuad(0.0f, 0.0f, kPictureDepth, width, height, 0.0f, 1.0f, 0.0f, 1.0f);
    CScreen::Draw();
    CMatrixStack::Pop();
}
