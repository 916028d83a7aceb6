#include "games/remover/CRemoverParams.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"

const char* const CRemoverParams::REGISTRY_NAME = "m_bricks_remover_game_param";
const char* const CRemoverParams::PARAMS_FILE = "dat/bricks_rem.txt";
const float CRemoverParams::DEFAULT_FIELD_WIDTH = 30.0f;

CRemoverParams::CRemoverParams()
    : CGameParams("data/remover.cfg", "52kq781w", "data/scores1%i%i.tab", 3, 3)
{
    // Only a missing file leaves autosave on; a file without the key turns it off.
    m_autosave_when_missing = "0";
}

CRemoverParams::~CRemoverParams() {}

void CRemoverParams::SetFieldWidth(float width)
{
    // The cell size divides by it and the cursor cast scales by it.
    m_field_width = (width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;
}

int CRemoverParams::GetBricksPerStep(int difficulty) const
{
    if (difficulty < 0 || difficulty > 2)
        difficulty = 0;
    return m_bricks_per_step[difficulty];
}

void CRemoverParams::SetBricksPerStep(int difficulty, int count)
{
    if (difficulty < 0 || difficulty > 2)
        return;
    // A turn deals at least one brick; more than a board holds makes no sense.
    if (count < 1)
        count = 1;
    if (count > 169)
        count = 169;
    m_bricks_per_step[difficulty] = count;
}

void CRemoverParams::ReadParams(const CConfigFile& store)
{
    SetFieldWidth(StrToFloat(store.GetValue("m_field_width", "0")));
    int perStep[3] = {0, 0, 0};
    StrToIntArray(store.GetValue("m_bricks_per_step", "0"), perStep, 3);
    for (int d = 0; d < 3; ++d)
        SetBricksPerStep(d, perStep[d]);
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
}

void CRemoverParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CRemoverParams::LoadTextures(CResManager& manager)
{
    LoadBrickModels(manager, "dat/brick%i%i.unt", COLOR_MODELS);

    manager.AddSprite("dat/remover/bonuses.spr", "remover_bonuses_sprite");
    if (const CSprite* sprite = manager.FindSprite("remover_bonuses_sprite"))
        m_bonus_sprite = std::make_unique<CSprite>(*sprite);
    manager.AddSprite("dat/numbers.spr", "remover_numbers_sprite");
    if (const CSprite* sprite = manager.FindSprite("remover_numbers_sprite"))
        m_number_sprite = std::make_unique<CSprite>(*sprite);

    manager.AddTexture("mui/remover/game_bg.jpg", "game_bg", false, false);
}
