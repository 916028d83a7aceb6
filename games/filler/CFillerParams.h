#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;
class CTexture;

// The filler's tuning values, remembered choices (four field sizes, three
// difficulties, skin, autosave, animation) and twelve score tables.
// Registered as "m_bricks_filler_game_param" while the filler's menu lives.
class CFillerParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int COLOR_VALUES = 6;
    static constexpr int SIZE_COUNT = 4;
    static constexpr int DIFFICULTY_COUNT = 3;
    static const float DEFAULT_FIELD_WIDTH;

    CFillerParams();
    ~CFillerParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter text; a field width that is
    // not above 0 (a missing key reads as 0) takes the default.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;
    bool HasAnimation() const override { return true; }

    float GetFieldWidth() const { return m_field_width; }
    void SetFieldWidth(float width);
    float GetViewScale() const { return m_view_scale; }
    int GetScoreBrick() const { return m_score_brick; }
    int GetScoreBrickPenalty() const { return m_score_brick_penalty; }
    float GetFallEffectSpeed() const { return m_fall_effect_speed; }
    using CGameParams::SetSkinsCount;

    // Columns and rows of the board for a field size: 30 x 23, 50 x 37,
    // 70 x 53, and 100 x 75 for any other value.
    static int BoardWidth(int size);
    static int BoardHeight(int size);
    // The field size of a board of that many columns and rows; -1 for a
    // board no size gives.
    static int SizeOfBoard(int width, int height);

    // Picture of colour button i (colour value i); null until loaded.
    CTexture* GetColorButton(int value) const;

protected:
    void ReadExtraSettings(const CConfigFile& store) override;
    void WriteExtraSettings(CConfigFile& store) const override;

private:
    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_view_scale = 0.06f;
    float m_fall_effect_speed = 0.0f;
    int m_group_size[4] = {0, 0, 0, 0};
    int m_colors_field[4] = {0, 0, 0, 0};
    int m_score_brick = 0;
    int m_score_brick_penalty = 0;
    CTexture* m_color_buttons[COLOR_VALUES] = {};
};
