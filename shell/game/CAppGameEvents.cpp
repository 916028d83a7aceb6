#include "shell/game/CAppGameEvents.h"

#include "engine/sound/CSoundManager.h"
#include "shell/game/GameLookup.h"

void CAppGameEvents::PlaySound(int id, bool restart, bool loop)
{
    if (CSoundManager* sound = GetGameSoundManager())
        sound->Play(id, restart, loop);
}

void CAppGameEvents::AddSparkle(const CVector4& position, int group)
{
    ::AddSparkle(position, group);
}
