#include "tests/remover/RemoverTestKit.h"

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CResManager.h"
#include "tests/gamebase/BoxModel.h"
#include "tests/gamebase/TestParams.h"

std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep)
{
    const std::string step = std::to_string(perStep);
    return ReadTestParams<CRemoverParams>(
        {{"m_field_width", "36.0"}, {"m_bricks_per_step", step + " " + step + " " + step}, {"m_skins_count", "3"}},
        size, difficulty);
}

CTwoSkinParams::CTwoSkinParams() : m_models{MakeBoxModel(0.4f), MakeBoxModel(0.7f)}
{
    CConfigFile store;
    store.SetValue("m_field_width", "36.0");
    store.SetValue("m_bricks_per_step", "5 5 5");
    store.SetValue("m_skins_count", "2");
    ReadParams(store);
    // Without files the sprites of bonus bricks are blank, but there.
    CResManager noFiles(nullptr);
    LoadTextures(noFiles);
    for (int skin = 0; skin < 2; ++skin)
        for (int color = 0; color < COLOR_MODELS; ++color)
            SetBrickModel(skin, color, m_models[skin].get());
}

CTwoSkinParams::~CTwoSkinParams() {}

SGrownTurn::SGrownTurn(std::uint32_t seed)
    : random(seed), field(params, &events, nullptr, random), player(params, field, &events, nullptr, random)
{
    player.NewTurn();
    for (int i = 0; i < 200 && player.GetState() != CRemoverPlayer::STATE_AIMING; ++i)
        player.Update(16.0f, CVector4(), false);
}

void RunFieldUntilIdle(CRemoverField& field, int limit)
{
    for (int i = 0; i < limit && field.GetStatus() != CRemoverField::STATUS_IDLE; ++i)
        field.Update();
}
