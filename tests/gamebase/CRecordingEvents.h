#pragma once

#include <algorithm>
#include <vector>

#include "shell/game/CGameEvents.h"

// Records what a kind's rules send out, so that its tests can check the
// sounds played and the sparkles burst (the group of each, in order).
class CRecordingEvents : public CGameEvents
{
public:
    void PlaySound(int id, bool, bool) override { m_sounds.push_back(id); }
    void AddSparkle(const CVector4&, int group) override { m_sparkles.push_back(group); }
    int CountSound(int id) const { return static_cast<int>(std::count(m_sounds.begin(), m_sounds.end(), id)); }
    int CountSparkles() const { return static_cast<int>(m_sparkles.size()); }

    std::vector<int> m_sounds;
    std::vector<int> m_sparkles;
};
