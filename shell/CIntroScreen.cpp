#include "shell/CIntroScreen.h"

#include <cstdlib>

#include "engine/frame/CAppWindow.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CJpegDecoder.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/frame/CViewParams.h"
#include "platform/CPlatform.h"

CIntroScreen::CIntroScreen(CFilePack& pack) : CIntroScreen(ReadPicture(pack))
{
}

CIntroScreen::CIntroScreen(const CPicture& picture)
{
    std::srand(CPlatform::GetTicks());
    // The program's first frame: a picture that fits the window is copied
    // into it, so that the frame waits for no drawing program to be built.
    const CAppWindow* window = CAppWindow::Get();
    const bool fits =
        window != nullptr && window->GetWidth() == picture.m_width && window->GetHeight() == picture.m_height;
    if (!fits || !m_copy.Set(picture))
        m_picture.SetPicture(picture, false, false);
}

CPicture CIntroScreen::ReadPicture(const CFilePack& pack)
{
    CFileData data = pack.GetFile(kPicture);
    CPicture picture;
    if (CJpegDecoder::Decode(data.GetData(), data.GetSize(), picture))
        picture.ExpandGreyToRgb();
    else
        picture = CPicture();
    return picture;
}

CIntroScreen::~CIntroScreen()
{
    m_copy.Release();
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
    int viewportWidth = 0, viewportHeight = 0;
    CDraw2D::GetViewportSize(viewportWidth, viewportHeight);

    CDraw2D::SetClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    CDraw2D::ClearColorAndDepth();
    CMatrixStack::Push();
    if (!m_copy.CopyTo(viewportWidth, viewportHeight))
    {
        // Opaque and unmodulated: the first frame of the program waits for
        // the software renderer to build its pixel program, the simplest
        // one is built fastest.
        CDraw2D::SetDepthTest(false);
        CDraw2D::DrawOpaquePicture(m_picture.GetId(), width, height);
        CDraw2D::SetDepthTest(true);
    }
    CScreen::Draw();
    CMatrixStack::Pop();
}
