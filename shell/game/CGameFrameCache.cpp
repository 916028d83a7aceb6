#include "shell/game/CGameFrameCache.h"

#include <utility>

#include "engine/gfx/CDraw2D.h"

CGameFrameCache::EMode CGameFrameCache::Choose(std::vector<unsigned char>& print, bool canHold)
{
    m_used = true;
    const bool same = !print.empty() && print == m_print;
    m_print.swap(print);
    if (!canHold || !same)
    {
        // A picture that changes every frame would cost a capture every frame.
        m_held = false;
        m_mode = EMode::Whole;
    }
    else if (!m_held)
        m_mode = EMode::Capture;
    else if (m_mark.HoldsLastFrame())
        m_mode = EMode::Partial;
    else
        m_mode = EMode::Compose;
    if (m_mode == EMode::Capture)
        m_held = true;
    return m_mode;
}

void CGameFrameCache::CaptureFailed()
{
    m_held = false;
    // Never held: the next still frame would only try again.
    m_print.clear();
    m_mode = EMode::Whole;
}

void CGameFrameCache::EndFrame()
{
    if (!m_used)
        return;
    m_used = false;
    if (m_mode != EMode::Partial)
        m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
    m_mark.Stamp();
}

void CGameFrameCache::Forget()
{
    m_print.clear();
    m_held = false;
    m_mark.Forget();
    m_mode = EMode::Whole;
}

void CGameFrameCache::Release()
{
    Forget();
    m_content.Release();
    m_scratch.Release();
}
