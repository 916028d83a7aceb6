#pragma once

class CVector4;

// Where game rules send their sounds and sparkle bursts. The running game
// passes one that reaches the application; tests pass a recorder.
class CGameEvents
{
public:
    virtual ~CGameEvents() {}
    virtual void PlaySound(int id, bool restart, bool loop) = 0;
    virtual void AddSparkle(const CVector4& position, int group) = 0;
};
