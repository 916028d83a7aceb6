#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The Eraser II choice of field size and colour option before a new game:
// three colours on a square board or four on a wide one.
class CEraser2NewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_eraser2_game_param".
    explicit CEraser2NewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
