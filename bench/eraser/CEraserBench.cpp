// Cost of the eraser's game logic per frame on the largest board (14 x 14):
// an idle update with its group count and hover highlight, and a whole
// removal from the click until the board has settled. The goal is well under
// 100 microseconds an update, so that drawing dominates a frame.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserField.h"
#include "games/eraser/CEraserParams.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CEraserParams> LargeHard()
{
    auto params = std::make_unique<CEraserParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "640");
    store.SetValue("m_score_brick", "10");
    store.SetValue("m_fall_effect_speed", "0.6");
    store.SetValue("m_group_size", "2 3 3");
    store.SetValue("m_colors_field", "3 4 5");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(2);
    return params;
}

void BM_IdleUpdateWithHover(benchmark::State& state)
{
    auto params = LargeHard();
    CRandom random(5);
    CEraserField field(*params, nullptr, nullptr, random);
    field.NewLevel(1);
    CVector4 centre;
    field.GetBrickPosition(centre, 7, 7);
    for (auto _ : state)
    {
        field.Update(16.0f);
        field.Highlight(centre);
    }
}
BENCHMARK(BM_IdleUpdateWithHover);

// Updates per removal vary; the figure is the mean cost of one update.
void BM_RemovalUpdates(benchmark::State& state)
{
    auto params = LargeHard();
    CRandom random(5);
    CEraserField field(*params, nullptr, nullptr, random);
    int updates = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        field.NewLevel(1);
        CEraserBrick* brick = nullptr;
        for (int x = 0; x < field.GetWidth() && !brick; ++x)
            brick = field.GetEraserBrick(x, field.GetHeight() - 1);
        field.Update(16.0f);
        state.ResumeTiming();
        field.SelectGroup(brick);
        do
        {
            field.Update(16.0f);
            ++updates;
        } while (field.GetState() != CEraserField::STATE_IDLE && field.GetState() != CEraserField::STATE_SWEEP);
    }
    state.counters["updates"] = benchmark::Counter(updates, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RemovalUpdates);
}

BENCHMARK_MAIN();
