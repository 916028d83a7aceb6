#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The eraser's choice of field size and difficulty before a new game: the
// board's side is 8 + 2 x size + difficulty cells.
class CEraserNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_eraser_game_param".
    explicit CEraserNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
