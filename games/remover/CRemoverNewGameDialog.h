#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The remover's choice of field size (9, 11 or 13 cells) and difficulty
// (4, 5 or 6 colours) before a new game.
class CRemoverNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_remover_game_param".
    explicit CRemoverNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
