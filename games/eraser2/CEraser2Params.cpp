#include "games/eraser2/CEraser2Params.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"

const char* const CEraser2Params::REGISTRY_NAME = "m_bricks_eraser2_game_param";
const char* const CEraser2Params::PARAMS_FILE = "dat/bricks_eras2.txt";

CEraser2Params::CEraser2Params() : CGameParams("data/eraser2.cfg", "394m612z", "data/scores6%i%i.tab", 3, 3)
{
    m_current_skin = 1;
    SetSkinsCount(2);
}

CEraser2Params::~CEraser2Params() {}

int CEraser2Params::GetOption() const
{
    return GetPlayedOption(GetLastDifficulty());
}

int CEraser2Params::GetSize() const
{
    int size = GetLastSize();
    return (size >= 0 && size < SIZES) ? size : 0;
}

int CEraser2Params::GetGroupSize(int option) const
{
    return m_group_size[GetPlayedOption(option)];
}

int CEraser2Params::GetColorCount(int option) const
{
    return m_colors_field[GetPlayedOption(option)];
}

void CEraser2Params::ReadParams(const CConfigFile& store)
{
    // The cell size divides by the widths and the cursor cast scales by them.
    float wide = StrToFloat(store.GetValue("m_field_width", "0"));
    if (wide > 0.0f && wide < 10000.0f)
        m_field_width = wide;
    float square = StrToFloat(store.GetValue("m_field_height", "0"));
    if (square > 0.0f && square < 10000.0f)
        m_field_height = square;
    // A speed of 0 would leave moving bricks short of their cells for ever.
    float speed = StrToFloat(store.GetValue("m_fall_effect_speed", "0"));
    if (speed > 0.0f && speed < 1000.0f)
        m_fall_effect_speed = speed;
    int score = StrToInt(store.GetValue("m_score_brick", "0"));
    if (score > 0 && score <= 100000)
        m_score_brick = score;
    int penalty = StrToInt(store.GetValue("m_score_brick_penalty", "0"));
    if (penalty >= 0 && penalty <= 100000)
        m_score_brick_penalty = penalty;

    // A group of 0 or 1 would make every lone brick a group and the game
    // would never end; colours index the brick models of a skin.
    int groups[OPTIONS] = {0, 0};
    int colors[OPTIONS] = {0, 0};
    StrToIntArray(store.GetValue("m_group_size", "0"), groups, OPTIONS);
    StrToIntArray(store.GetValue("m_colors_field", "0"), colors, OPTIONS);
    for (int o = 0; o < OPTIONS; ++o)
    {
        if (groups[o] >= 2 && groups[o] <= 25 * 15)
            m_group_size[o] = groups[o];
        if (colors[o] >= 1 && colors[o] <= MAX_COLORS)
            m_colors_field[o] = colors[o];
    }
    SetSkinsCount(StrToInt(store.GetValue("m_skins_count", "0")));
}

void CEraser2Params::LoadParams(CFilePack& pack)
{
    ReadParams(ReadParamText(pack, PARAMS_FILE));
}

void CEraser2Params::LoadTextures(CResManager& manager)
{
    // Brick colour 0 is drawn with the model whose second number is 1.
    LoadBrickModels(manager, "dat/brick%i%i.unt", MAX_COLORS);
    manager.AddSprite("dat/eraser2/bonuses.spr", "remover_bonuses_sprite");
    if (const CSprite* sprite = manager.FindSprite("remover_bonuses_sprite"))
        m_bonus_sprite = std::make_unique<CSprite>(*sprite);
    manager.AddSprite("dat/numbers.spr", "remover_numbers_sprite");
    if (const CSprite* sprite = manager.FindSprite("remover_numbers_sprite"))
        m_number_sprite = std::make_unique<CSprite>(*sprite);
    manager.AddTexture("mui/eraser2/game_bg.jpg", "game_bg", false, false);
}

void CEraser2Params::GetScoreCaption(CScoreCaptionList& list)
{
    static const char* const kOptions[OPTIONS] = {"3 colors", "4 colors"};
    static const char* const kSizes[SIZES] = {"Small Field", "Medium Field", "Large Field"};
    for (int o = 0; o < OPTIONS; ++o)
        for (int s = 0; s < SIZES; ++s)
            list.emplace_back(std::string(kOptions[o]) + " - " + kSizes[s], GetScoreTable(GetTableIndex(o, s)));
}
