#include "games/designer/CDesignerParams.h"

#include <cmath>

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"

const char* const CDesignerParams::REGISTRY_NAME = "m_bricks_designer_game_param";
const char* const CDesignerParams::PARAMS_FILE = "dat/bricks_des.txt";
const float CDesignerParams::DEFAULT_FIELD_WIDTH = 540.0f;

CDesignerParams::CDesignerParams()
    : CGameParams("data/designer.cfg", "729p3k5x", "data/scores4%i%i.tab", 3, 3)
{
    SetSkinsCount(MIN_SKINS);
    SetCurrentSkin(DEFAULT_SKIN);
}

CDesignerParams::~CDesignerParams() {}

void CDesignerParams::SetFieldWidth(float width)
{
    // The cell size divides it and every figure is scaled by the result.
    m_field_width = (std::isfinite(width) && width > 0.0f && width < 10000.0f) ? width : DEFAULT_FIELD_WIDTH;
}

void CDesignerParams::SetAttempt(int attempt)
{
    // Bounded so that figures x attempt x 50 stays far from overflow.
    m_attempt = attempt < 1 ? 1 : (attempt > MAX_ATTEMPT ? MAX_ATTEMPT : attempt);
}

int CDesignerParams::GetMinCount(int difficulty) const
{
    return m_min_count[(difficulty < 0 || difficulty > 2) ? 0 : difficulty];
}

int CDesignerParams::GetMaxCount(int difficulty) const
{
    return m_max_count[(difficulty < 0 || difficulty > 2) ? 0 : difficulty];
}

void CDesignerParams::SetKindLimits(int difficulty, int minCount, int maxCount)
{
    if (difficulty < 0 || difficulty > 2)
        return;
    if (minCount < 1)
        minCount = 1;
    if (minCount > MAX_KIND_COUNT)
        minCount = MAX_KIND_COUNT;
    if (maxCount < minCount)
        maxCount = minCount;
    if (maxCount > MAX_KIND_COUNT)
        maxCount = MAX_KIND_COUNT;
    m_min_count[difficulty] = minCount;
    m_max_count[difficulty] = maxCount;
}

void CDesignerParams::ReadParams(const CConfigFile& store)
{
    SetFieldWidth(StrToFloat(store.GetValue("m_field_width", "0")));
    SetAttempt(StrToInt(store.GetValue("m_attempt", "0")));
    int minCount[3] = {0, 0, 0};
    int maxCount[3] = {0, 0, 0};
    StrToIntArray(store.GetValue("m_min_count", "0"), minCount, 3);
    StrToIntArray(store.GetValue("m_max_count", "0"), maxCount, 3);
    for (int d = 0; d < 3; ++d)
        SetKindLimits(d, minCount[d], maxCount[d]);
    // The models exist for the generated skins only; a larger count would
    // ask the pack for files it does not hold.
    int skins = StrToInt(store.GetValue("m_skins_count", "0"));
    SetSkinsCount(skins < MIN_SKINS ? MIN_SKINS : skins);
}

void CDesignerParams::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CDesignerParams::LoadTextures(CResManager& manager)
{
    LoadBrickModels(manager, "dat/brick%i%i.unt", FIGURE_MODELS);
    manager.AddModel("dat/place.unt", "m_bd_place");
    m_bd_place = manager.FindModel("m_bd_place");
    manager.AddModel("dat/designer_arrow.unt", "m_arrow");
    SetArrowModel(manager.FindModel("m_arrow"));
    manager.AddTexture("mui/designer/game_bg.jpg", "game_bg", false, false);
}

CModel* CDesignerParams::GetFigureModel(int kind) const
{
    if (kind < 0)
        return nullptr;
    return GetBrickModel(GetCurrentSkin(), kind % FIGURE_MODELS);
}

void CDesignerParams::GetScoreCaption(CScoreCaptionList& list)
{
    // The medium board is reached only through an old settings file; its
    // tables are kept but not shown.
    static const struct
    {
        const char* caption;
        int table;
    } captions[] = {{"Easy - Small Field", 0},   {"Easy - Large Field", 2}, {"Medium - Small Field", 3},
                    {"Medium - Large Field", 5}, {"Hard - Small Field", 6}, {"Hard - Large Field", 8}};
    for (const auto& entry : captions)
        list.emplace_back(entry.caption, GetScoreTable(entry.table));
}
