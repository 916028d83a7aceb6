#include "games/jewel/CJewelNewGameDialog.h"

#include <GL/gl.h>

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
    Preselect();
}

void CJewelNewGameDialog::Draw()
{
    // The running game shows dimmed behind the question.
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTranslatef(0.0f, 0.0f, 0.5f);
    glColor4f(0.0f, 0.0f, 0.0f, 0.75f);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(800.0f, 0.0f);
    glVertex2f(800.0f, 600.0f);
    glVertex2f(0.0f, 600.0f);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
    glPopMatrix();
    CNewGameDialog::Draw();
}
