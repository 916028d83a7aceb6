#include "shell/CMainMenuLayer.h"

#include "engine/gfx/CDraw2D.h"

CMainMenuLayer::~CMainMenuLayer()
{
    Release();
}

bool CMainMenuLayer::Matches(const std::vector<int>& state, int width, int height) const
{
    return m_valid && m_copy.HasTexture() && width == m_copy.GetWidth() && height == m_copy.GetHeight() &&
           state == m_state;
}

void CMainMenuLayer::Capture(const std::vector<int>& state, int width, int height)
{
    m_state = state;
    m_valid = m_copy.Capture(width, height);
    // The stamped pixel shows the layer under its stamp.
    if (m_valid)
        m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
    m_cells.Clear();
}

void CMainMenuLayer::Draw(float logical_width, float logical_height)
{
    m_copy.Draw(logical_width, logical_height);
    m_cells.Clear();
}

bool CMainMenuLayer::CanRestore() const
{
    return m_valid && m_mark.HoldsLastFrame();
}

void CMainMenuLayer::RestoreDrawnOver(float logical_width, float logical_height)
{
    m_copy.DrawParts(m_cells.Runs(), logical_width, logical_height);
    m_cells.Clear();
}

void CMainMenuLayer::MarkDrawnOver(float x, float y, float width, float height, float logical_width,
                                   float logical_height)
{
    m_cells.Mark(x, y, width, height, logical_width, logical_height);
}

void CMainMenuLayer::EndFrame(bool alone)
{
    if (alone && m_valid)
        m_mark.Stamp();
    else
        m_mark.Forget();
}

void CMainMenuLayer::Release()
{
    m_copy.Release();
    m_valid = false;
    m_mark.Forget();
    m_cells.Clear();
}
