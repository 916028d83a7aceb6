#include "games/slider/CSliderParams.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CSliderParams::REGISTRY_NAME = "m_bricks_slider_game_param";
const char* const CSliderParams::PARAMS_FILE = "dat/bricks_sli.txt";
const char* const CSliderParams::ARROW_FILE = "dat/slider_arrow.unt";
const char* const CSliderParams::ARROW_MODEL = "m_arrow";

namespace
{
int Clamp(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

int ClampDifficulty(int difficulty)
{
    return Clamp(difficulty, 0, 2);
}

// A move budget above this is data damage, not tuning.
const int MAX_MOVES = 100000;
}

CSliderParams::CSliderParams() : CGameParams("data/slider.cfg", "rkav318y", "data/scores3%i%i.tab", 3, 3) {}

CSliderParams::~CSliderParams() {}

int CSliderParams::GetColors(int size, int difficulty) const
{
    const int* table = m_colors_small;
    if (size == 1)
        table = m_colors_medium;
    else if (size == 2)
        table = m_colors_large;
    return table[ClampDifficulty(difficulty)];
}

int CSliderParams::GetFirstLevelMoves(int size, int difficulty) const
{
    return m_score_level[Clamp(size, 0, 2) * 3 + ClampDifficulty(difficulty)];
}

int CSliderParams::GetMovesStep(int difficulty) const
{
    return m_score_step_level[ClampDifficulty(difficulty)];
}

int CSliderParams::GetScoreStep(int difficulty) const
{
    return m_score_step[ClampDifficulty(difficulty)];
}

void CSliderParams::ReadParams(const CConfigFile& store)
{
    float width = StrToFloat(store.GetValue("m_field_width", "0"));
    // The cell size divides by it and the cursor cast scales by it.
    m_field_width = (width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;

    int* colorTables[3] = {m_colors_small, m_colors_medium, m_colors_large};
    const char* colorKeys[3] = {"m_colors_small", "m_colors_medium", "m_colors_large"};
    for (int t = 0; t < 3; ++t)
    {
        int values[3] = {0, 0, 0};
        StrToIntArray(store.GetValue(colorKeys[t], "0"), values, 3);
        for (int d = 0; d < 3; ++d)
            colorTables[t][d] = Clamp(values[d], 1, MAX_COLORS);
    }

    float spin = StrToFloat(store.GetValue("m_animate_d_angle", "0"));
    // An arrow that turns by nothing never finishes its turn.
    m_animate_d_angle = (spin > 0.0f && spin <= 90.0f) ? spin : DEFAULT_SPIN_STEP;

    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));

    int levels[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    StrToIntArray(store.GetValue("m_score_level", "0"), levels, 9);
    for (int i = 0; i < 9; ++i)
        m_score_level[i] = Clamp(levels[i], 1, MAX_MOVES);

    int steps[3] = {0, 0, 0};
    StrToIntArray(store.GetValue("m_score_step", "0"), steps, 3);
    for (int d = 0; d < 3; ++d)
        m_score_step[d] = Clamp(steps[d], 0, MAX_MOVES);

    int stepLevels[3] = {0, 0, 0};
    StrToIntArray(store.GetValue("m_score_step_level", "0"), stepLevels, 3);
    for (int d = 0; d < 3; ++d)
        m_score_step_level[d] = Clamp(stepLevels[d], 0, MAX_MOVES);
}

void CSliderParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CSliderParams::LoadTextures(CResManager& manager)
{
    LoadBrickModels(manager, "dat/brick%i%i.unt", MAX_COLORS);
    manager.AddModel(ARROW_FILE, ARROW_MODEL);
    m_arrow_model = manager.FindModel(ARROW_MODEL);
    manager.AddTexture("mui/slider/game_bg.jpg", "game_bg", false, false);
}
