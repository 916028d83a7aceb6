#include "games/eraser2/CEraser2NewGameDialog.h"

#include "engine/widgets/CRadioButton.h"
#include "engine/widgets/CWidgetGroup.h"
#include "games/eraser2/CEraser2Params.h"
#include "shell/game/GameLookup.h"

namespace
{
CGameParams* FindParams(CGameParams* given)
{
    if (given)
        return given;
    return static_cast<CEraser2Params*>(GetRegisteredObject(CEraser2Params::REGISTRY_NAME));
}
}

CEraser2NewGameDialog::CEraser2NewGameDialog(CConfigFile* layout, CGameParams* params)
    : CNewGameDialog(layout, FindParams(params))
{
    AddSizeChoice("m_small_field_radio", "Small Field", "Small Field");
    AddSizeChoice("m_medium_field_radio", "Medium Field", "Small Field");
    AddSizeChoice("m_large_field_radio", "Large Field", "Small Field");
    AddDifficultyChoice("m_easy_radio", "3 colors", "medium");
    AddDifficultyChoice("m_medium_radio", "4 colors", "medium");
    // The third option of the shared settings is never offered.
    AddDifficultyChoice("m_hard_radio", "", "medium", true);
    Preselect();
    // What is shown is what is played: a stored option the dialog never
    // offers plays three colours, so "3 colors" is the one selected.
    if (const CGameParams* stored = FindParams(params))
    {
        CWidgetGroup& colors = GetDifficultyGroup();
        if (CRadioButton* played = colors.GetButton(
                static_cast<std::size_t>(CEraser2Params::GetPlayedOption(stored->GetLastDifficulty()))))
        {
            played->SetSelected(true);
            colors.Select(played);
        }
    }
}
