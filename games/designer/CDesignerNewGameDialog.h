#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The designer's choice of board (6 x 6 or 8 x 8; the medium board is kept
// as a hidden choice) and difficulty before a new game.
class CDesignerNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_designer_game_param".
    explicit CDesignerNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
