#include "shell/CMainMenuLayer.h"

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
}

void CMainMenuLayer::Draw(float logical_width, float logical_height) const
{
    m_copy.Draw(logical_width, logical_height);
}

void CMainMenuLayer::Release()
{
    m_copy.Release();
    m_valid = false;
}
