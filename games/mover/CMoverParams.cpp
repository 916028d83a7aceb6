#include "games/mover/CMoverParams.h"

#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CMoverParams::REGISTRY_NAME = "m_bricks_mover_game_param";
const char* const CMoverParams::PARAMS_FILE = "dat/bricks_mov.txt";
const float CMoverParams::DEFAULT_FIELD_WIDTH = 30.0f;

namespace
{
const float COLOR_DEFAULTS[CMoverParams::COLOR_TABLE_SIZE][4] = {
    {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1},    {1, 0, 1, 1}, {1, 1, 0, 1},
    {0, 1, 1, 1}, {1, 0.5f, 0, 1}, {0.5f, 0, 1, 1}, {1, 0, 0.5f, 1},
};
}

CMoverParams::CMoverParams() : CGameParams("data/mover.cfg", "394m612z", "data/scores2%i%i.tab", 3, 3)
{
    std::memcpy(m_colors, COLOR_DEFAULTS, sizeof m_colors);
}

CMoverParams::~CMoverParams() {}

void CMoverParams::SetFieldWidth(float width)
{
    m_field_width = (width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;
}

int CMoverParams::GetLevelScore(int size, int difficulty) const
{
    int index = size * 3 + difficulty;
    return (size >= 0 && size < 3 && difficulty >= 0 && difficulty < 3) ? m_score_level[index] : 0;
}

int CMoverParams::GetStepScore(int difficulty) const
{
    return (difficulty >= 0 && difficulty < 3) ? m_score_step[difficulty] : 0;
}

int CMoverParams::GetStepScoreLevel(int difficulty) const
{
    return (difficulty >= 0 && difficulty < 3) ? m_score_step_level[difficulty] : 0;
}

const float* CMoverParams::GetColorEntry(int index) const
{
    if (index < 0 || index >= COLOR_TABLE_SIZE)
        index = 0;
    return m_colors[index];
}

void CMoverParams::SetColorAlpha(int index, float alpha) const
{
    if (index >= 0 && index < COLOR_TABLE_SIZE)
        m_colors[index][3] = alpha;
}

void CMoverParams::ReadParams(const CConfigFile& store)
{
    SetFieldWidth(StrToFloat(store.GetValue("m_field_width", "0")));
    StrToIntArray(store.GetValue("m_score_level", "0"), m_score_level, 9);
    StrToIntArray(store.GetValue("m_score_step", "0"), m_score_step, 3);
    StrToIntArray(store.GetValue("m_score_step_level", "0"), m_score_step_level, 3);
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
}

void CMoverParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CMoverParams::LoadTextures(CResManager& manager)
{
    // Colour c wears model file c + 1; the blocker (6) wears file 7.
    LoadBrickModels(manager, "dat/brick%i%i.unt", COLOR_MODELS);
    manager.AddTexture("mui/mover/game_bg.jpg", "game_bg", false, false);
}
