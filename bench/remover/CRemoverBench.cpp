// Cost of the remover's game logic per frame on the largest board: one field
// update in each phase and one turn resolution. The goal is well under
// 100 microseconds each, so that drawing dominates a frame.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverParams.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/CRandom.h"
#include "shell/game/PackPos.h"

namespace
{
std::unique_ptr<CRemoverParams> LargeHard()
{
    auto params = std::make_unique<CRemoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "700");
    store.SetValue("m_bricks_per_step", "5 4 3");
    store.SetValue("m_skins_count", "3");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(2);
    return params;
}

void BM_FieldUpdateIdle(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    CRemoverField field(*params, nullptr, nullptr, random);
    field.NewLevel(1);
    for (auto _ : state)
        field.Update();
}
BENCHMARK(BM_FieldUpdateIdle);

void BM_FieldUpdateAdding(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    CRemoverField field(*params, nullptr, nullptr, random);
    for (auto _ : state)
    {
        state.PauseTiming();
        if (field.GetStatus() == CRemoverField::STATUS_IDLE)
        {
            field.NewLevel(1);
            for (int y = 0; y < 13; y += 2)
                field.RemoveBrick(y % 2, y);
            field.SetRefillRequest(true);
            field.SelectGroup(field.GetRemoverBrick(12, 12));
            field.Update();
        }
        state.ResumeTiming();
        field.Update();
    }
}
BENCHMARK(BM_FieldUpdateAdding);

void BM_TurnResolution(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    std::unique_ptr<CRemoverField> field;
    std::unique_ptr<CRemoverPlayer> player;
    for (auto _ : state)
    {
        state.PauseTiming();
        player.reset();
        field = std::make_unique<CRemoverField>(*params, nullptr, nullptr, random);
        field->NewLevel(1);
        player = std::make_unique<CRemoverPlayer>(*params, *field, nullptr, nullptr, random);
        CConfigFile store;
        store.SetValue("p_m_bricks.size", "0");
        store.SetValue("p_m_bricks_placed.size", "5");
        for (int i = 0; i < 5; ++i)
        {
            int x = 2 * i + 1;
            field->CreateBrickAt(x, 0, field->GetRemoverBrick(x - 1, 0)->GetColor());
            store.SetInt("p_m_bricks_placed" + std::to_string(i), PackPos(x, 0));
        }
        store.SetValue("p_m_brick_current", "-1");
        player->Load(store);
        state.ResumeTiming();
        player->Update(16.0f, CVector4(), false);
        benchmark::DoNotOptimize(player->GetScore());
    }
}
BENCHMARK(BM_TurnResolution);
}

BENCHMARK_MAIN();
