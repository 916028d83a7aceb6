#pragma once

#include "shell/game/CNewGameDialog.h"

class CConfigFile;
class CGameParams;

// Asks before a running jewel game is thrown away. The jewel offers no choice
// of size or difficulty: its radio buttons exist but are all hidden, so OK
// starts the new game with the stored size and difficulty.
class CJewelNewGameDialog : public CNewGameDialog
{
public:
    // params null: the one registered as "m_bricks_jewel_game_param".
    explicit CJewelNewGameDialog(CConfigFile* layout, CGameParams* params = nullptr);
};
