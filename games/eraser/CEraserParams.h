#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;

// The eraser's tuning values, remembered choices and nine score tables.
// Registered as "m_bricks_eraser_game_param" while the eraser's menu lives.
class CEraserParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    // One brick model per colour and skin, so at most this many colours.
    static constexpr int MAX_COLORS = 6;
    static constexpr int DIFFICULTIES = 3;
    static constexpr int SIZES = 3;
    // The largest board: 8 + 2 x size + difficulty with both at their top.
    static constexpr int MAX_BOARD = 15;
    static constexpr float VIEW_SCALE = 0.06f;

    CEraserParams();

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter text, each checked: a value
    // missing (read as 0) or out of its range takes a playable default.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;

    float GetFieldWidth() const { return m_field_width; }
    float GetViewScale() const { return VIEW_SCALE; }
    float GetFallSpeed() const { return m_fall_effect_speed; }
    int GetScoreBrick() const { return m_score_brick; }
    int GetScoreBrickPenalty() const { return m_score_brick_penalty; }
    // For a difficulty 0..2 (anything else reads as 0).
    int GetGroupSize(int difficulty) const;
    int GetColorCount(int difficulty) const;
    using CGameParams::SetSkinsCount;

    // Board side in cells for a size and a difficulty, each 0..2: 8 to 14.
    static int GetBoardSide(int size, int difficulty) { return 8 + 2 * size + difficulty; }
    // The size that gives a side at a difficulty, or -1 when none does.
    static int GetSizeOfSide(int side, int difficulty);

private:
    float m_field_width = 30.0f;
    float m_fall_effect_speed = 0.05f;
    int m_group_size[3] = {2, 3, 4};
    int m_colors_field[3] = {3, 4, 5};
    int m_score_brick = 10;
    int m_score_brick_penalty = 10;
};
