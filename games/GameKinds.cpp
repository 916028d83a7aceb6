#include "games/GameKinds.h"

#include "games/designer/CDesignerGameScreen.h"
#include "games/designer/CDesignerNewGameDialog.h"
#include "games/designer/CDesignerParams.h"
#include "games/eraser/CEraserGameScreen.h"
#include "games/eraser/CEraserNewGameDialog.h"
#include "games/eraser/CEraserParams.h"
#include "games/mover/CMoverGameScreen.h"
#include "games/mover/CMoverNewGameDialog.h"
#include "games/mover/CMoverParams.h"
#include "games/remover/CRemoverGameScreen.h"
#include "games/remover/CRemoverNewGameDialog.h"
#include "games/remover/CRemoverParams.h"
#include "games/slider/CSliderGameScreen.h"
#include "games/slider/CSliderNewGameDialog.h"
#include "games/slider/CSliderParams.h"
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

SGameKind DesignerKind()
{
    SGameKind kind;
    kind.m_index = 3;
    kind.m_make_params = [] { return std::make_unique<CDesignerParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CDesignerNewGameDialog>(&layout, &params);
    };
    kind.m_make_game_screen = [] { return std::make_unique<CDesignerGameScreen>(); };
    return kind;
}

SGameKind EraserKind()
{
    SGameKind kind;
    kind.m_index = 4;
    kind.m_make_params = [] { return std::make_unique<CEraserParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CEraserNewGameDialog>(&layout, &params);
    };
    kind.m_make_game_screen = [] { return std::make_unique<CEraserGameScreen>(); };
    return kind;
}

SGameKind MoverKind()
{
    SGameKind kind;
    kind.m_index = 1;
    kind.m_make_params = [] { return std::make_unique<CMoverParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CMoverNewGameDialog>(&layout, static_cast<CMoverParams*>(&params));
    };
    kind.m_make_game_screen = [] { return std::make_unique<CMoverGameScreen>(); };
    return kind;
}

SGameKind SliderKind()
{
    SGameKind kind;
    kind.m_index = 2;
    kind.m_make_params = [] { return std::make_unique<CSliderParams>(); };
    kind.m_make_new_game_dialog = [](CConfigFile& layout, CGameParams& params) {
        return std::make_unique<CSliderNewGameDialog>(&layout, static_cast<CSliderParams*>(&params));
    };
    kind.m_make_game_screen = [] { return std::make_unique<CSliderGameScreen>(); };
    return kind;
}
}

void RegisterGameKinds(CGameKindRegistry& kinds)
{
    kinds.Add(RemoverKind());
    kinds.Add(MoverKind());
    kinds.Add(SliderKind());
    kinds.Add(DesignerKind());
    kinds.Add(EraserKind());
}
