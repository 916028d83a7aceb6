#include "shell/CPlainScreen.h"

#include <GL/gl.h>

#include "engine/CAppWindow.h"
#include "engine/CGameApp.h"

CPlainScreen::CPlainScreen(float r, float g, float b) : m_r(r), m_g(g), m_b(b)
{
}

void CPlainScreen::Draw()
{
    glClearColor(m_r, m_g, m_b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    CScreen::Draw();
}

void CPlainScreen::OnKeyDown(int key)
{
    CScreen::OnKeyDown(key);
    CGameApp* app = CGameApp::Get();
    CAppWindow* window = CAppWindow::Get();
    if (app != nullptr && window != nullptr && key == app->GetMinimizeKey())
        window->Minimize();
}
