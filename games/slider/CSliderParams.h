#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;
class CModel;

// The slider's tuning values, remembered choices and nine score tables.
// Registered as "m_bricks_slider_game_param" while the slider's menu lives.
// The "score" keys of the parameter text carry move counts.
class CSliderParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static const char* const ARROW_FILE;
    static const char* const ARROW_MODEL;
    // Six brick models per skin exist; a colour count outside 1..6 has no
    // model and no counter, so it is clamped.
    static constexpr int MAX_COLORS = 6;
    static constexpr float DEFAULT_FIELD_WIDTH = 700.0f;
    static constexpr float DEFAULT_SPIN_STEP = 6.0f;
    static constexpr float VIEW_SCALE = 0.06f;

    CSliderParams();
    ~CSliderParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values of a parsed parameter text, each checked: a key left
    // out reads as 0, which would size the board or the deal at nothing.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;

    float GetFieldWidth() const { return m_field_width; }
    float GetViewScale() const { return VIEW_SCALE; }
    float GetAnimateAngle() const { return m_animate_d_angle; }
    // Colours in play for a size and difficulty (each 0..2), always 1..6.
    int GetColors(int size, int difficulty) const;
    int GetCurrentColors() const { return GetColors(GetLastSize(), GetLastDifficulty()); }
    // Moves of level 1, at least 1; the table is indexed size x 3 + difficulty.
    int GetFirstLevelMoves(int size, int difficulty) const;
    // Moves taken off for every level after the first, never negative.
    int GetMovesStep(int difficulty) const;
    int GetScoreStep(int difficulty) const;

    // Cells per board edge, the ring of arrows included: 12, 15 or 18.
    static int BoardSizeFor(int size) { return 3 * (size < 0 ? 0 : (size > 2 ? 2 : size)) + 12; }
    int GetBoardSize() const { return BoardSizeFor(GetLastSize()); }
    // The size (0..2) of a board of that many cells per edge.
    static int SizeOfBoard(int cells) { return cells <= 12 ? 0 : (cells >= 18 ? 2 : (cells - 12) / 3); }
    static constexpr int MAX_BOARD = 18;

    // Null until LoadTextures (and in tests).
    const CModel* GetArrowModel() const { return m_arrow_model; }
    using CGameParams::SetSkinsCount;

private:
    CModel* m_arrow_model = nullptr;
    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_animate_d_angle = DEFAULT_SPIN_STEP;
    int m_colors_small[3] = {4, 5, 6};
    int m_colors_medium[3] = {4, 5, 6};
    int m_colors_large[3] = {4, 5, 6};
    int m_score_level[9] = {30, 30, 30, 30, 30, 30, 30, 30, 30};
    int m_score_step[3] = {0, 0, 0};
    int m_score_step_level[3] = {0, 0, 0};
};
