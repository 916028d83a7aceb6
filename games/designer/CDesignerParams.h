#pragma once

#include "shell/game/CGameParams.h"

class CConfigFile;

// The designer's tuning values, remembered choices, nine score tables (three
// of them, the medium board's, without a caption) and the models every figure
// and brick copies. Registered as "m_bricks_designer_game_param".
class CDesignerParams : public CGameParams
{
public:
    static const char* const REGISTRY_NAME;
    static const char* const PARAMS_FILE;
    static constexpr int FIGURE_MODELS = 6;
    // Three skins are drawn by the asset generator; the third is the default.
    static constexpr int MIN_SKINS = 3;
    static constexpr int DEFAULT_SKIN = 2;
    static constexpr int MAX_KIND_COUNT = 9;
    static constexpr int MAX_ATTEMPT = 100;
    static const float DEFAULT_FIELD_WIDTH;

    CDesignerParams();
    ~CDesignerParams() override;

    void LoadParams(CFilePack& pack) override;
    // The tuning values from a parsed parameter text, each made safe: a width
    // not above 0 takes the default, the points factor is at least 1, and the
    // kind limits keep 1 <= min <= max <= 9.
    void ReadParams(const CConfigFile& store);
    void LoadTextures(CResManager& manager) override;
    void GetScoreCaption(CScoreCaptionList& list) override;

    float GetFieldWidth() const { return m_field_width; }
    void SetFieldWidth(float width);
    float GetViewScale() const { return m_view_scale; }
    int GetAttempt() const { return m_attempt; }
    void SetAttempt(int attempt);
    int GetMinCount(int difficulty) const;
    int GetMaxCount(int difficulty) const;
    void SetKindLimits(int difficulty, int minCount, int maxCount);
    using CGameParams::SetSkinsCount;

    // Cells along each side of the board for the last chosen size: 6, 7 or 8.
    int GetBoardSize() const { return GetLastSize() + 6; }

    // Figure model of kind k in the current skin (kinds 6..8 share 0..2);
    // null until LoadTextures.
    CModel* GetFigureModel(int kind) const;
    CModel* GetPlaceModel() const { return m_bd_place; }
    CModel* GetArrowModel() const { return m_arrow; }

protected:
    // The model the tray's arrows copy; its owner keeps it alive.
    void SetArrowModel(CModel* arrow) { m_arrow = arrow; }

private:
    float m_field_width = DEFAULT_FIELD_WIDTH;
    float m_view_scale = 0.06f;
    int m_attempt = 1;
    int m_min_count[3] = {1, 1, 1};
    int m_max_count[3] = {9, 9, 9};
    CModel* m_bd_place = nullptr;
    CModel* m_arrow = nullptr;
};
