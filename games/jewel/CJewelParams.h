#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;
class CModel;

// The jewel's tuning values, remembered choices, nine score tables, ten brick
// colours per skin and the fourteen bonus figure models. Registered as
// "m_bricks_jewel_game_param" while the jewel's menu lives.
class CJewelParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int COLOR_COUNT = 10;
    static constexpr int BONUS_MODELS = 14;
    // The board array holds at most this many cells a side.
    static constexpr int MAX_CELLS = 15;
    static constexpr int MIN_GROUP = 3;
    static constexpr int MAX_GROUP = 5;
    static const float DEFAULT_FIELD_WIDTH;
    static const float DEFAULT_FALL_SPEED;
    static constexpr int DEFAULT_SCORE_BRICK = 50;

    CJewelParams();
    ~CJewelParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter text, each checked: the text's
    // missing keys read as 0, and a zero width, speed, group size or colour
    // count would divide by zero or never end a deal, so they take safe values.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;
    // One table only, under the kind's own caption.
    void GetScoreCaption(CScoreCaptionList& list) override;

    float GetFieldWidth() const { return m_field_width; }
    void SetFieldWidth(float width);
    float GetViewScale() const { return m_view_scale; }
    float GetFallSpeed() const { return m_fall_effect_speed; }
    void SetFallSpeed(float speed);
    // Minimum run length and starting colour count for a difficulty 0..2.
    int GetGroupSize(int difficulty) const;
    void SetGroupSize(int difficulty, int size);
    int GetStartColors(int difficulty) const;
    void SetStartColors(int difficulty, int colors);
    int GetScoreBrick() const { return m_score_brick; }
    void SetScoreBrick(int score);
    using CGameParams::SetSkinsCount;
    using CGameParams::SetBrickModel;

    // Cells a side of a board of this size and difficulty (0..2 each): 8 .. 14.
    static int BoardCells(int size, int difficulty) { return 8 + 2 * size + difficulty; }
    // Cells a side for the last chosen size and difficulty.
    int GetBoardSize() const { return BoardCells(GetLastSize(), GetLastDifficulty()); }

    // Bonus figure model 0..13; null when not loaded or out of range.
    const CModel* GetBonusModel(int index) const;
    void SetBonusModel(int index, const CModel* model);

private:
    static int DifficultyIndex(int difficulty);

    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_view_scale = 0.06f;
    float m_fall_effect_speed = DEFAULT_FALL_SPEED;
    int m_group_size[4] = {3, 3, 3, 3};
    int m_colors_field[4] = {5, 5, 5, 5};
    int m_score_brick = DEFAULT_SCORE_BRICK;
    int m_score_brick_penalty = 0;
    const CModel* m_bonus_models[BONUS_MODELS] = {};
};
