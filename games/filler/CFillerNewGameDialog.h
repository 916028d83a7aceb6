#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The filler's choice of board (30 x 23 up to the giant 100 x 75) and of
// the computer's strength before a new game.
class CFillerNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_filler_game_param".
    explicit CFillerNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
