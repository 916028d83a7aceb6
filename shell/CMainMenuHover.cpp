#include "shell/CMainMenuHover.h"

CMainMenuHover::CMainMenuHover() : m_motion(kLowered)
{
    Reset();
}

void CMainMenuHover::Reset()
{
    m_hover_time = 0.0f;
    m_idle_time = 0.0f;
    m_title_y = kTitleLow;
    m_alpha = 0.0f;
    m_hovered = -1;
    for (bool& shown : m_shown)
        shown = false;
}

void CMainMenuHover::Step(float dt, int hovered)
{
    if (hovered < 0 || hovered >= kKindCount)
        hovered = -1;
    m_hovered = hovered;

    // A falling timer stops at or just below 0: it may end up to one dt under.
    if (hovered >= 0)
    {
        if (m_hover_time < kRaiseDelay)
            m_hover_time += dt;
        if (m_idle_time > 0.0f)
            m_idle_time -= dt;
    }
    else
    {
        if (m_idle_time < kSinkDelay)
            m_idle_time += dt;
        if (m_hover_time > 0.0f)
            m_hover_time -= dt;
    }

    if (m_hover_time >= kRaiseDelay)
    {
        m_motion = kRaised;
        m_hover_time = kRaiseDelay;
    }
    else if (m_idle_time >= kSinkDelay)
    {
        m_motion = kLowered;
        m_idle_time = kSinkDelay;
    }

    if (m_motion == kRaised)
        m_title_y += (kTitleHigh - m_title_y) / kTitleEase;
    else
        m_title_y -= (m_title_y - kTitleLow) / kTitleEase;

    const bool high = m_title_y > kThumbnailHeight;
    m_alpha += (high && hovered >= 0) ? kAlphaStep : -kAlphaStep;
    if (m_alpha > 1.0f)
        m_alpha = 1.0f;
    if (m_alpha < 0.0f)
        m_alpha = 0.0f;

    // With nothing hovered the last thumbnail stays up and fades with the alpha.
    if (hovered < 0)
        return;
    for (int kind = 0; kind < kKindCount; ++kind)
        m_shown[kind] = kind == hovered && high;
}

bool CMainMenuHover::IsThumbnailShown(int kind) const
{
    return kind >= 0 && kind < kKindCount && m_shown[kind];
}
