#include "games/designer/CDesignerNewGameDialog.h"

#include "games/designer/CDesignerParams.h"
#include "shell/game/GameLookup.h"

namespace
{
CGameParams* FindParams(CGameParams* given)
{
    if (given)
        return given;
    return static_cast<CDesignerParams*>(GetRegisteredObject(CDesignerParams::REGISTRY_NAME));
}
}

CDesignerNewGameDialog::CDesignerNewGameDialog(CConfigFile* layout, CGameParams* params)
    : CNewGameDialog(layout, FindParams(params))
{
    AddSizeChoice("m_small_field_radio", "Small Field", "Small Field");
    AddSizeChoice("m_medium_field_radio", "Medium Field", "Small Field", true);
    AddSizeChoice("m_large_field_radio", "Large Field", "Small Field");
    AddDifficultyChoice("m_easy_radio", "Easy", "medium");
    AddDifficultyChoice("m_medium_radio", "Medium", "medium");
    AddDifficultyChoice("m_hard_radio", "Hard", "medium");
    Preselect();
}
