#include "engine/frame/CDialog.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CTexture.h"

#include "engine/frame/WindowToLogical.h"

#include <GL/gl.h>

#include "engine/frame/CAppWindow.h"
#include "platform/CKeyMap.h"

namespace
{
// The layout space every dialog is drawn in unless its creator says otherwise.
const int kDefaultLogicalWidth = 800;
const int kDefaultLogicalHeight = 600;
}

CDialog::CDialog()
    : m_logical_width(kDefaultLogicalWidth), m_logical_height(kDefaultLogicalHeight), m_shade(false),
      m_x(0.0f), m_y(0.0f), m_width(100), m_height(100), m_panel(true)
{
}

CDialog::~CDialog() = default;

void CDialog::SetLogicalSize(int width, int height)
{
    m_logical_width = width;
    m_logical_height = height;
}

void CDialog::SetPosition(int x, int y)
{
    m_x = static_cast<float>(x);
    m_y = static_cast<float>(y);
}

void CDialog::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void CDialog::Draw()
{
    glTranslatef(m_x, m_y, 0.5f);
    glEnable(GL_TEXTURE_2D);
    CScreen::Draw();
    glDisable(GL_TEXTURE_2D);
}

void CDialog::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE)
    {
        SetResult(1);
        if (CAppWindow::Get() != nullptr)
            CAppWindow::Get()->CloseScreen(false);
    }
    else if (key == CKeyMap::VK_RETURN)
    {
        SetResult(0);
        if (CAppWindow::Get() != nullptr)
            CAppWindow::Get()->CloseScreen(false);
    }
    CScreen::OnKeyDown(key);
}

void CDialog::MapToDialog(int px, int py, int window_width, int window_height, int& x, int& y) const
{
    int lx = 0;
    int ly = 0;
    WindowToLogical(px, py, window_width, window_height, m_logical_width, m_logical_height, lx, ly);
    x = lx - static_cast<int>(m_x);
    y = ly - static_cast<int>(m_y);
}

void CDialog::MapToLogical(int px, int py, int& x, int& y) const
{
    const CAppWindow* window = CAppWindow::Get();
    const int w = window != nullptr ? window->GetWidth() : m_logical_width;
    const int h = window != nullptr ? window->GetHeight() : m_logical_height;
    MapToDialog(px, py, w, h, x, y);
}

bool CDialog::IsLoaded(const CTexture* picture)
{
    return picture != nullptr && picture->GetId() != 0;
}

bool CDialog::WindowIsLogicalSize() const
{
    const CAppWindow* window = CAppWindow::Get();
    return window != nullptr && window->GetWidth() == m_logical_width && window->GetHeight() == m_logical_height;
}

void CDialog::DrawWindowPicture(const CTexture* picture) const
{
    const float w = static_cast<float>(m_logical_width);
    const float h = static_cast<float>(m_logical_height);
    CDraw2D::SetTexturing(true);
    if (!IsLoaded(picture))
    {
        CTexture::DrawQuad(0.0f, 0.0f, 0.0f, w, h, 0.0f, 1.0f, 0.0f, 1.0f);
        return;
    }
    const unsigned int texture = picture->GetId();
    const bool pixel_exact = WindowIsLogicalSize();
    // Sampled nearest only for this quad: other screens draw the picture scaled.
    if (pixel_exact)
        CDraw2D::SetPictureFilter(texture, true);
    CDraw2D::DrawOpaquePicture(texture, w, h);
    if (pixel_exact)
        CDraw2D::SetPictureFilter(texture, false);
}

void CDialog::DrawWindowPictureParts(const CTexture* picture, const std::vector<CDraw2D::SRect>& parts) const
{
    if (!IsLoaded(picture))
        return;
    const unsigned int texture = picture->GetId();
    const bool pixel_exact = WindowIsLogicalSize();
    if (pixel_exact)
        CDraw2D::SetPictureFilter(texture, true);
    CDraw2D::DrawOpaquePictureParts(texture, parts, static_cast<float>(m_logical_width),
                                    static_cast<float>(m_logical_height));
    if (pixel_exact)
        CDraw2D::SetPictureFilter(texture, false);
}

void CDialog::DimBackground(float r, float g, float b, float a)
{
    if (!m_shade)
        return;
    const float w = static_cast<float>(m_logical_width);
    const float h = static_cast<float>(m_logical_height);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    CDraw2D::SetAlphaBlendFunc();
    glTranslatef(0.0f, 0.0f, 0.5f);
    glColor4f(r, g, b, a);
    glBegin(GL_TRIANGLE_STRIP);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, h, 0.0f);
    glVertex3f(w, 0.0f, 0.0f);
    glVertex3f(w, h, 0.0f);
    glEnd();
    glColor3f(1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
}

void CDialog::DrawPanel(float r, float g, float b, float a)
{
    if (!m_panel)
        return;
    const float w = static_cast<float>(m_width);
    const float h = static_cast<float>(m_height);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glTranslatef(m_x, m_y, 0.5f);
    glColor4f(r, g, b, a);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, h, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(w, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(w, h, 0.0f);
    glEnd();
    glTranslatef(-m_x, -m_y, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
}
