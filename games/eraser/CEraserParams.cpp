#include "games/eraser/CEraserParams.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CEraserParams::REGISTRY_NAME = "m_bricks_eraser_game_param";
const char* const CEraserParams::PARAMS_FILE = "dat/bricks_eras.txt";

namespace
{
int Difficulty(int difficulty)
{
    return (difficulty >= 0 && difficulty < CEraserParams::DIFFICULTIES) ? difficulty : 0;
}
}

CEraserParams::CEraserParams() : CGameParams("data/eraser.cfg", "394m612z", "data/scores5%i%i.tab", 3, 3)
{
    m_current_skin = 1;
    SetSkinsCount(2);
}

int CEraserParams::GetSizeOfSide(int side, int difficulty)
{
    int twice = side - GetBoardSide(0, difficulty);
    if (difficulty < 0 || difficulty >= DIFFICULTIES || twice < 0 || twice % 2 != 0 || twice / 2 >= SIZES)
        return -1;
    return twice / 2;
}

int CEraserParams::GetGroupSize(int difficulty) const
{
    return m_group_size[Difficulty(difficulty)];
}

int CEraserParams::GetColorCount(int difficulty) const
{
    return m_colors_field[Difficulty(difficulty)];
}

void CEraserParams::ReadParams(const CConfigFile& store)
{
    // The cell size divides by the width and the cursor cast scales by it.
    float width = StrToFloat(store.GetValue("m_field_width", "0"));
    if (width > 0.0f && width < 10000.0f)
        m_field_width = width;
    // A speed of 0 would leave moving bricks short of their cells for ever.
    float speed = StrToFloat(store.GetValue("m_fall_effect_speed", "0"));
    if (speed > 0.0f && speed < 1000.0f)
        m_fall_effect_speed = speed;
    int score = StrToInt(store.GetValue("m_score_brick", "0"));
    if (score > 0 && score <= 100000)
        m_score_brick = score;
    int penalty = StrToInt(store.GetValue("m_score_brick_penalty", "0"));
    if (penalty >= 0 && penalty <= 100000)
        m_score_brick_penalty = penalty;

    // A group of 0 would make an empty cell a removable group and the level
    // would never end; colours index the brick models of a skin.
    int groups[4] = {0, 0, 0, 0};
    int colors[4] = {0, 0, 0, 0};
    StrToIntArray(store.GetValue("m_group_size", "0"), groups, 4);
    StrToIntArray(store.GetValue("m_colors_field", "0"), colors, 4);
    for (int d = 0; d < 3; ++d)
    {
        if (groups[d] >= 1 && groups[d] <= MAX_BOARD * MAX_BOARD)
            m_group_size[d] = groups[d];
        if (colors[d] >= 1 && colors[d] <= MAX_COLORS)
            m_colors_field[d] = colors[d];
    }
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
}

void CEraserParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CEraserParams::LoadTextures(CResManager& manager)
{
    // Brick colour 0 is drawn with the model whose second number is 1.
    LoadBrickModels(manager, "dat/brick%i%i.unt", MAX_COLORS);
    manager.AddTexture("mui/eraser/game_bg.jpg", "game_bg", false, false);
}
