#include "games/jewel/CJewelParams.h"

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CJewelParams::REGISTRY_NAME = "m_bricks_jewel_game_param";
const char* const CJewelParams::PARAMS_FILE = "dat/bricks_jewel.txt";
const float CJewelParams::DEFAULT_FIELD_WIDTH = 700.0f;
const float CJewelParams::DEFAULT_FALL_SPEED = 1.5f;

CJewelParams::CJewelParams() : CGameParams("data/jewel.cfg", "394m612z", "data/scores8%i%i.tab", 3, 3) {}

CJewelParams::~CJewelParams() {}

int CJewelParams::DifficultyIndex(int difficulty)
{
    return (difficulty < 0 || difficulty > 3) ? 0 : difficulty;
}

void CJewelParams::SetFieldWidth(float width)
{
    // The cell size divides by it and the cursor cast scales by it.
    m_field_width = (width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;
}

void CJewelParams::SetFallSpeed(float speed)
{
    // A speed of 0 would leave every falling brick hanging for ever.
    m_fall_effect_speed = (speed > 0.0f && speed < 1000.0f) ? speed : DEFAULT_FALL_SPEED;
}

int CJewelParams::GetGroupSize(int difficulty) const
{
    return m_group_size[DifficultyIndex(difficulty)];
}

void CJewelParams::SetGroupSize(int difficulty, int size)
{
    if (difficulty < 0 || difficulty > 3)
        return;
    // Below three every brick is a run and the cascade never ends; far above
    // it no deal has a move and the deal never ends.
    if (size < MIN_GROUP)
        size = MIN_GROUP;
    if (size > MAX_GROUP)
        size = MAX_GROUP;
    m_group_size[difficulty] = size;
}

int CJewelParams::GetStartColors(int difficulty) const
{
    return m_colors_field[DifficultyIndex(difficulty)];
}

void CJewelParams::SetStartColors(int difficulty, int colors)
{
    if (difficulty < 0 || difficulty > 3)
        return;
    if (colors < 1 || colors > COLOR_COUNT)
        colors = 5;
    m_colors_field[difficulty] = colors;
}

void CJewelParams::SetScoreBrick(int score)
{
    // Without a positive step no level target could ever be reached.
    m_score_brick = (score > 0 && score <= 100000) ? score : DEFAULT_SCORE_BRICK;
}

void CJewelParams::ReadParams(const CConfigFile& store)
{
    SetFieldWidth(StrToFloat(store.GetValue("m_field_width", "0")));
    SetScoreBrick(StrToInt(store.GetValue("m_score_brick", "0")));
    m_score_brick_penalty = StrToInt(store.GetValue("m_score_brick_penalty", "0"));
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
    SetFallSpeed(StrToFloat(store.GetValue("m_fall_effect_speed", "0")));
    int groups[4] = {0, 0, 0, 0};
    StrToIntArray(store.GetValue("m_group_size", "0"), groups, 4);
    int colors[4] = {0, 0, 0, 0};
    StrToIntArray(store.GetValue("m_colors_field", "0"), colors, 4);
    for (int d = 0; d < 4; ++d)
    {
        SetGroupSize(d, groups[d]);
        SetStartColors(d, colors[d]);
    }
}

void CJewelParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

const CModel* CJewelParams::GetBonusModel(int index) const
{
    if (index < 0 || index >= BONUS_MODELS)
        return nullptr;
    return m_bonus_models[index];
}

void CJewelParams::SetBonusModel(int index, const CModel* model)
{
    if (index >= 0 && index < BONUS_MODELS)
        m_bonus_models[index] = model;
}

void CJewelParams::LoadTextures(CResManager& manager)
{
    LoadBrickModels(manager, "dat/bj/brick%i%i.unt", COLOR_COUNT);
    char file[64];
    char name[64];
    for (int i = 1; i <= BONUS_MODELS; ++i)
    {
        std::snprintf(file, sizeof file, "dat/bj/bonus%i.unt", i);
        std::snprintf(name, sizeof name, "bonus%i.unt", i);
        manager.AddModel(file, name);
        SetBonusModel(i - 1, manager.FindModel(name));
    }
    manager.AddTexture("mui/jewel/game_bg.jpg", "game_bg", false, false);
}

void CJewelParams::GetScoreCaption(CScoreCaptionList& list)
{
    list.emplace_back("Trindlet", GetScoreTable(0));
}
