#include "games/filler/CFillerParams.h"

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CFillerParams::REGISTRY_NAME = "m_bricks_filler_game_param";
const char* const CFillerParams::PARAMS_FILE = "dat/bricks_filler.txt";
const float CFillerParams::DEFAULT_FIELD_WIDTH = 700.0f;

namespace
{
const int BOARD_WIDTHS[CFillerParams::SIZE_COUNT] = {30, 50, 70, 100};
const int BOARD_HEIGHTS[CFillerParams::SIZE_COUNT] = {23, 37, 53, 75};

int SizeSlot(int size)
{
    return (size >= 0 && size < CFillerParams::SIZE_COUNT) ? size : CFillerParams::SIZE_COUNT - 1;
}
}

CFillerParams::CFillerParams()
    : CGameParams("data/filler.cfg", "394m612z", "data/scores7%i%i.tab", DIFFICULTY_COUNT, SIZE_COUNT)
{
}

CFillerParams::~CFillerParams() {}

int CFillerParams::BoardWidth(int size)
{
    return BOARD_WIDTHS[SizeSlot(size)];
}

int CFillerParams::BoardHeight(int size)
{
    return BOARD_HEIGHTS[SizeSlot(size)];
}

int CFillerParams::SizeOfBoard(int width, int height)
{
    for (int size = 0; size < SIZE_COUNT; ++size)
        if (BOARD_WIDTHS[size] == width && BOARD_HEIGHTS[size] == height)
            return size;
    return -1;
}

void CFillerParams::SetFieldWidth(float width)
{
    // The cell size divides by it and the cursor cast scales by it.
    m_field_width = (width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;
}

void CFillerParams::ReadParams(const CConfigFile& store)
{
    SetFieldWidth(StrToFloat(store.GetValue("m_field_width", "0")));
    m_score_brick = StrToInt(store.GetValue("m_score_brick", "0"));
    m_score_brick_penalty = StrToInt(store.GetValue("m_score_brick_penalty", "0"));
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
    m_fall_effect_speed = StrToFloat(store.GetValue("m_fall_effect_speed", "0"));
    StrToIntArray(store.GetValue("m_group_size", "0"), m_group_size, 4);
    StrToIntArray(store.GetValue("m_colors_field", "0"), m_colors_field, 4);
}

void CFillerParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CFillerParams::ReadExtraSettings(const CConfigFile& store)
{
    SetAnimation(StrToBool(store.GetValue("m_animation", "1")));
}

void CFillerParams::WriteExtraSettings(CConfigFile& store) const
{
    store.SetInt("m_animation", GetAnimation() ? 1 : 0);
}

CTexture* CFillerParams::GetColorButton(int value) const
{
    return (value >= 0 && value < COLOR_VALUES) ? m_color_buttons[value] : nullptr;
}

void CFillerParams::LoadTextures(CResManager& manager)
{
    LoadBrickModels(manager, "dat/filler/brick%i%i.unt", COLOR_VALUES);
    char file[64];
    char name[64];
    for (int i = 0; i < COLOR_VALUES; ++i)
    {
        std::snprintf(file, sizeof file, "mui/filler/color0%d.tga", i + 1);
        std::snprintf(name, sizeof name, "coloredbutton%d.tga", i);
        // Loaded as a dynamic picture, the only kind that keeps its alpha:
        // the round buttons stand on the background without a box.
        manager.AddTexture(file, name, false, true);
        m_color_buttons[i] = manager.FindTexture(name);
    }
    manager.AddTexture("mui/filler/game_bg.jpg", "game_bg", false, false);
}
