// Cost of the mover's game logic per frame on the largest board: a field
// update while a brick slides, while a line fades and grows back, and the
// finish test. The goal is well under 100 microseconds each.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverField.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CMoverParams> LargeHard()
{
    auto params = std::make_unique<CMoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "700");
    store.SetValue("m_skins_count", "3");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(2);
    return params;
}

// A board whose top row is one colour but for the brick below the hole.
void LineToGo(CMoverField& field)
{
    field.NewLevel(1);
    for (int x = 0; x < 8; ++x)
        field.CreateBrickAt(x, 0, 0);
    field.RemoveBrick(7, 0);
    field.CreateBrickAt(7, 1, 0);
    field.CreateBrickAt(7, 7, 1);
}

void BM_FieldUpdateSliding(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    CMoverField field(*params, nullptr, nullptr, random);
    field.NewLevel(1);
    int x = 6;
    for (auto _ : state)
    {
        if (field.GetStatus() == CMoverField::STATUS_IDLE)
        {
            // Back and forth along the bottom row.
            field.MoveBrick(x, 7);
            x = (x == 6) ? 7 : 6;
        }
        field.Update();
    }
}
BENCHMARK(BM_FieldUpdateSliding);

void BM_FieldUpdateRemovingAndGrowing(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    CMoverField field(*params, nullptr, nullptr, random);
    for (auto _ : state)
    {
        if (field.GetStatus() == CMoverField::STATUS_IDLE)
        {
            state.PauseTiming();
            LineToGo(field);
            field.MoveBrick(7, 1);
            while (field.GetStatus() == CMoverField::STATUS_SLIDING)
                field.Update();
            state.ResumeTiming();
        }
        field.Update();
    }
}
BENCHMARK(BM_FieldUpdateRemovingAndGrowing);

void BM_FinishTest(benchmark::State& state)
{
    CRandom random(1);
    auto params = LargeHard();
    CMoverField field(*params, nullptr, nullptr, random);
    field.NewLevel(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(field.IsFinished());
}
BENCHMARK(BM_FinishTest);
}

BENCHMARK_MAIN();
