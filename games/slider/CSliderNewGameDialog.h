#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// The slider's choice of board (10, 13 or 16 bricks a side) and difficulty
// before a new game.
class CSliderNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_slider_game_param".
    explicit CSliderNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
