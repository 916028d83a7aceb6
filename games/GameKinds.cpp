#include "games/GameKinds.h"

#include "games/jewel/CJewelGameScreen.h"
#include "games/jewel/CJewelNewGameDialog.h"
#include "games/jewel/CJewelParams.h"
#include "games/remover/CRemoverGameScreen.h"
#include "games/remover/CRemoverNewGameDialog.h"
#include "games/remover/CRemoverParams.h"
#include "shell/CGameKindRegistry.h"

namespace
{
SGameKind RemoverKind()
{
    SGameKind kind;
    kind.m_index = 0;
    kind.m_make_params = [] { return std::make_unique<CRemoverParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CRemoverNewGameDialog>(&layout, static_cast<CRemoverParams*>(&params));
    };
    kind.m_make_game_screen = [] { return std::make_unique<CRemoverGameScreen>(); };
    return kind;
}

SGameKind JewelKind()
{
    SGameKind kind;
    kind.m_index = 7;
    kind.m_make_params = [] { return std::make_unique<CJewelParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CJewelNewGameDialog>(&layout, &params);
    };
    kind.m_make_game_screen = [] { return std::make_unique<CJewelGameScreen>(); };
    kind.m_start_without_dialog = true;
    return kind;
}
}

void RegisterGameKinds(CGameKindRegistry& kinds)
{
    kinds.Add(RemoverKind());
    kinds.Add(JewelKind());
}
