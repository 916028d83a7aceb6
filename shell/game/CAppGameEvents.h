#pragma once

#include "shell/game/CGameEvents.h"

// Sends a game's sounds to the application's sound manager and its sparkles
// to the application's front sparkle list.
class CAppGameEvents : public CGameEvents
{
public:
    void PlaySound(int id, bool restart, bool loop) override;
    void AddSparkle(const CVector4& position, int group) override;
};
