// Slider speed goal: a game update stays well under 100 us on the large
// board, both while a line turns and when a move ends with the group search.
#include <benchmark/benchmark.h>


#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderField.h"
#include "games/slider/CSliderGame.h"
#include "games/slider/CSliderParams.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CSliderParams> LargeBoardParams()
{
    auto params = std::make_unique<CSliderParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "700");
    store.SetValue("m_colors_large", "6 6 6");
    store.SetValue("m_score_level", "9 9 9 9 9 9 100000 100000 100000");
    params->ReadParams(store);
    params->SetLastSize(2);
    return params;
}

void BM_LargeBoardUpdateWhileTurning(benchmark::State& state)
{
    auto params = LargeBoardParams();
    CSliderGame game(nullptr, *params, nullptr, 3);
    CSliderField& field = game.GetField();
    CVector4 arrow = field.GetBrickPosition(17, 8);
    while (game.IsStarting())
        game.Update(16.0f);
    for (auto _ : state)
    {
        game.SetPointer(arrow, true);
        game.Update(16.0f);
        if (game.IsEnding() || game.IsGameOver())
        {
            state.PauseTiming();
            game.StartLevel(1);
            while (game.IsStarting())
                game.Update(16.0f);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_LargeBoardUpdateWhileTurning)->Unit(benchmark::kMicrosecond);

void BM_LargeBoardGroupSearch(benchmark::State& state)
{
    auto params = LargeBoardParams();
    CRandom random(3);
    CSliderField field(*params, nullptr, nullptr, random);
    for (auto _ : state)
    {
        state.PauseTiming();
        field.NewLevel();
        state.ResumeTiming();
        field.RemoveGroups();
        benchmark::DoNotOptimize(field.GetScore());
    }
}
BENCHMARK(BM_LargeBoardGroupSearch)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_MAIN();
