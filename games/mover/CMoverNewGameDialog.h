#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The mover's choice of field size (6, 7 or 8 cells) and difficulty
// (4, 5 or 6 colours) before a new game.
class CMoverNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_mover_game_param".
    explicit CMoverNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
