#include "shell/game/CGameFrameCache.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "engine/gfx/CDraw2D.h"

namespace
{
using SRect = CDraw2D::SRect;

SRect Join(const SRect& a, const SRect& b)
{
    const float x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const float x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

float Area(const SRect& r)
{
    return r.width * r.height;
}

bool Overlap(const SRect& a, const SRect& b)
{
    return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height && b.y <= a.y + a.height;
}

bool KeyLess(const CGameFrameCache::SPartStamp& a, const CGameFrameCache::SPartStamp& b)
{
    return a.key < b.key;
}
} // namespace

std::vector<SRect> CGameFrameCache::JoinRects(std::vector<SRect> rects, std::size_t most, float width, float height)
{
    std::vector<SRect> joined;
    for (const SRect& rect : rects)
    {
        const float x0 = std::max(rect.x, 0.0f), y0 = std::max(rect.y, 0.0f);
        const float x1 = std::min(rect.x + rect.width, width), y1 = std::min(rect.y + rect.height, height);
        if (x0 < x1 && y0 < y1)
            joined.push_back({x0, y0, x1 - x0, y1 - y0});
    }
    most = std::max<std::size_t>(most, 1);
    // Each pass joins the pair whose join adds the least area; overlapping
    // pairs are always joined (a pass over their overlap twice would cost
    // more than it saves).
    while (joined.size() > 1)
    {
        std::size_t best_a = 0, best_b = 0;
        float best_growth = std::numeric_limits<float>::max();
        bool overlapping = false;
        for (std::size_t a = 0; a < joined.size() && !overlapping; ++a)
            for (std::size_t b = a + 1; b < joined.size(); ++b)
            {
                if (Overlap(joined[a], joined[b]))
                {
                    best_a = a;
                    best_b = b;
                    overlapping = true;
                    break;
                }
                const float growth = Area(Join(joined[a], joined[b])) - Area(joined[a]) - Area(joined[b]);
                if (growth < best_growth)
                {
                    best_growth = growth;
                    best_a = a;
                    best_b = b;
                }
            }
        if (!overlapping && joined.size() <= most)
            break;
        joined[best_a] = Join(joined[best_a], joined[best_b]);
        joined.erase(joined.begin() + static_cast<std::ptrdiff_t>(best_b));
    }
    return joined;
}

std::vector<SRect> CGameFrameCache::ChangedRects(const std::vector<SPartStamp>& last,
                                                 const std::vector<SPartStamp>& now)
{
    std::vector<SRect> changed;
    std::size_t i = 0, j = 0;
    while (i < last.size() || j < now.size())
    {
        if (j == now.size() || (i < last.size() && last[i].key < now[j].key))
            changed.push_back(last[i++].rect);
        else if (i == last.size() || now[j].key < last[i].key)
            changed.push_back(now[j++].rect);
        else
        {
            if (last[i].hash != now[j].hash || last[i].rect != now[j].rect)
            {
                changed.push_back(last[i].rect);
                changed.push_back(now[j].rect);
            }
            ++i;
            ++j;
        }
    }
    return changed;
}

CGameFrameCache::EMode CGameFrameCache::Choose(std::vector<unsigned char>& print, bool canHold)
{
    std::vector<SPartStamp> parts;
    return Choose(print, parts, canHold);
}

CGameFrameCache::EMode CGameFrameCache::Choose(std::vector<unsigned char>& print, std::vector<SPartStamp>& parts,
                                               bool canHold, float width, float height)
{
    m_used = true;
    m_changed.clear();
    std::sort(parts.begin(), parts.end(), KeyLess);
    bool unique = true;
    for (std::size_t i = 1; i < parts.size(); ++i)
        unique = unique && parts[i - 1].key != parts[i].key;
    const bool same = unique && !print.empty() && print == m_print;
    std::vector<SRect> changed;
    if (same)
        changed = ChangedRects(m_parts, parts);
    m_print.swap(print);
    m_parts.swap(parts);
    if (!unique)
        m_print.clear();
    float area = 0.0f;
    if (!changed.empty())
    {
        m_changed = JoinRects(std::move(changed), kMostChangedRects, width, height);
        for (const SRect& rect : m_changed)
            area += Area(rect);
    }
    const bool small = area <= kMostChangedShare * width * height;
    if (!canHold || !same || !small)
    {
        // A picture that changes every frame would cost a capture every frame.
        m_held = false;
        m_mode = EMode::Whole;
    }
    else if (!m_held)
        m_mode = EMode::Capture;
    else if (m_changed.empty())
        m_mode = m_mark.HoldsLastFrame() ? EMode::Partial : EMode::Compose;
    else
        m_mode = m_mark.HoldsLastFrame() ? EMode::Patch : EMode::Capture;
    if (m_mode == EMode::Capture)
    {
        m_held = true;
        m_cover.Clear();
    }
    if (m_mode != EMode::Patch)
        m_changed.clear();
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
    if (m_mode != EMode::Partial && m_mode != EMode::Patch)
        m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
    m_mark.Stamp();
}

void CGameFrameCache::Forget()
{
    m_print.clear();
    m_parts.clear();
    m_changed.clear();
    m_held = false;
    m_cover.Clear();
    m_mark.Forget();
    m_mode = EMode::Whole;
}

void CGameFrameCache::Release()
{
    Forget();
    m_content.Release();
    m_scratch.Release();
}
