#pragma once

#include <memory>

#include "shell/game/CGameParams.h"

class CConfigFile;
class CSprite;

// The tuning values, remembered choices and score tables of Eraser II, and
// the two sprite pictures its feeder bricks wear. The difficulty of the
// shared framework is the colour option here: 0 three colours, 1 four.
// Registered as "m_bricks_eraser2_game_param" while the kind's menu lives.
class CEraser2Params : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int OPTIONS = 2;
    static constexpr int SIZES = 3;
    // One brick model per colour and skin, so at most this many colours.
    static constexpr int MAX_COLORS = 6;
    static constexpr float VIEW_SCALE = 0.06f;

    CEraser2Params();
    ~CEraser2Params() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter text, each checked: a value
    // missing (read as 0) or out of its range keeps a playable default.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;
    // Six captions: three and four colours, each on the three sizes.
    void GetScoreCaption(CScoreCaptionList& list) override;

    // The chosen colour option and size cut to those the kind offers, so a
    // stored option 2 or size 5 never reaches past the two-entry values or
    // the grid.
    int GetOption() const;
    int GetSize() const;
    // The option a stored one plays: 1 four colours, anything else
    // (the never-offered 2 too) three.
    static int GetPlayedOption(int stored) { return stored == 1 ? 1 : 0; }

    float GetWideWidth() const { return m_field_width; }
    float GetSquareWidth() const { return m_field_height; }
    float GetViewScale() const { return VIEW_SCALE; }
    float GetFallSpeed() const { return m_fall_effect_speed; }
    int GetScoreBrick() const { return m_score_brick; }
    int GetScoreBrickPenalty() const { return m_score_brick_penalty; }
    // For an option 0 or 1 (anything else reads as 0).
    int GetGroupSize(int option) const;
    int GetColorCount(int option) const;

    const CSprite* GetBonusSprite() const { return m_bonus_sprite.get(); }
    const CSprite* GetNumberSprite() const { return m_number_sprite.get(); }

private:
    float m_field_width = 780.0f;
    float m_field_height = 620.0f;
    float m_fall_effect_speed = 0.7f;
    int m_group_size[OPTIONS] = {2, 2};
    int m_colors_field[OPTIONS] = {3, 4};
    int m_score_brick = 10;
    int m_score_brick_penalty = 0;
    std::unique_ptr<CSprite> m_bonus_sprite;
    std::unique_ptr<CSprite> m_number_sprite;
};
