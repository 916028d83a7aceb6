#include "games/jewel/CJewelNewGameDialog.h"

#include "games/jewel/CJewelParams.h"
#include "shell/game/GameLookup.h"

namespace
{
CGameParams* FindParams(CGameParams* given)
{
    if (given)
        return given;
    return static_cast<CJewelParams*>(GetRegisteredObject(CJewelParams::REGISTRY_NAME));
}
}

CJewelNewGameDialog::CJewelNewGameDialog(CConfigFile* layout, CGameParams* params)
    : CNewGameDialog(layout, FindParams(params))
{
    AddSizeChoice("m_small_field_radio", "Small Field", "Small Field", true);
    AddSizeChoice("m_medium_field_radio", "Medium Field", "Small Field", true);
    AddSizeChoice("m_large_field_radio", "Large Field", "Small Field", true);
    AddDifficultyChoice("m_easy_radio", "Easy", "medium", true);
    AddDifficultyChoice("m_medium_radio", "Medium", "medium", true);
    AddDifficultyChoice("m_hard_radio", "Hard", "medium", true);
    // The running game shows dimmed behind the question.
    SetQuestion("Start new game ?", 36.0f);
    SetDimScreen(true);
    Preselect();
}
