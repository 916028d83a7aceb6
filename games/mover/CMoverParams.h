#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;

// The mover's tuning values, remembered choices and nine score tables.
// Registered as "m_bricks_mover_game_param" while the mover's menu lives.
class CMoverParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int SPECIAL_COLOR = 6;
    static constexpr int COLOR_MODELS = 7;
    static constexpr int COLOR_TABLE_SIZE = 9;
    static constexpr int MIN_BOARD = 6;
    static constexpr int MAX_BOARD = 8;
    static constexpr int MIN_COLORS = 4;
    static constexpr int MAX_COLORS = 6;
    static const float DEFAULT_FIELD_WIDTH;

    CMoverParams();
    ~CMoverParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter file. A missing key reads as
    // 0: a field width that is not above 0 takes the default, since the cell
    // size divides by it.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;

    float GetFieldWidth() const { return m_field_width; }
    void SetFieldWidth(float width);
    float GetViewScale() const { return m_view_scale; }
    int GetSpecialColor() const { return m_special_color; }

    // Indexed by size * 3 + difficulty; out-of-range indices read 0.
    int GetLevelScore(int size, int difficulty) const;
    int GetStepScore(int difficulty) const;
    int GetStepScoreLevel(int difficulty) const;
    using CGameParams::SetSkinsCount;

    // Board edge in cells for the last chosen size: 6, 7 or 8.
    int GetBoardSize() const { return GetLastSize() + MIN_BOARD; }
    int GetColorCount() const { return GetLastDifficulty() + MIN_COLORS; }
    // Moves after a removal within which a line still earns a bonus.
    static int MoveLimitFor(int difficulty) { return 16 - 2 * difficulty; }

    // RGBA of a colour index 0..8; a brick being drawn writes its alpha here.
    const float* GetColorEntry(int index) const;
    void SetColorAlpha(int index, float alpha) const;

private:
    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_view_scale = 0.06f;
    mutable float m_colors[COLOR_TABLE_SIZE][4];
    int m_special_color = SPECIAL_COLOR;
    int m_score_level[9] = {};
    int m_score_step[3] = {};
    int m_score_step_level[3] = {};
};
