#pragma once

#include <memory>

#include "shell/game/CGameParams.h"

class CConfigFile;
class CSprite;

// The remover's tuning values, remembered choices and nine score tables.
// Registered as "m_bricks_remover_game_param" while the remover's menu lives.
class CRemoverParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int SPECIAL_COLOR = 6;
    static constexpr int COLOR_MODELS = 7;

    CRemoverParams();
    ~CRemoverParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter file, each checked: a field
    // width that is not above 0 and per-step counts below 1 take safe values.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;

    float GetFieldWidth() const { return m_field_width; }
    void SetFieldWidth(float width);
    float GetViewScale() const { return m_view_scale; }
    int GetSpecialColor() const { return m_special_color; }
    // Bricks dealt in the first turn of a cycle, for a difficulty 0..2.
    int GetBricksPerStep(int difficulty) const;
    void SetBricksPerStep(int difficulty, int count);
    using CGameParams::SetSkinsCount;

    // Board edge in cells for the last chosen size: 9, 11 or 13.
    int GetBoardSize() const { return 2 * GetLastSize() + 9; }
    int GetStartColorCount() const { return GetLastDifficulty() + 4; }

    // Copied by every bonus brick; null until LoadTextures (and in tests).
    const CSprite* GetBonusSprite() const { return m_bonus_sprite.get(); }
    const CSprite* GetNumberSprite() const { return m_number_sprite.get(); }

    static const float DEFAULT_FIELD_WIDTH;

private:
    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_view_scale = 0.06f;
    int m_special_color = SPECIAL_COLOR;
    int m_bricks_per_step[3] = {5, 5, 5};
    std::unique_ptr<CSprite> m_bonus_sprite;
    std::unique_ptr<CSprite> m_number_sprite;
};
