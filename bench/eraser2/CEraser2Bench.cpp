// Cost of Eraser II's game logic per frame on the largest board (20 x 13,
// four colours, both feeders): whole games played by a cursor held down over
// random cells, so the figure mixes idle frames (group count and hover),
// removals, falls, column closing, refills, slides and pushes. The goal is
// well under 100 microseconds an update, so that drawing dominates a frame.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/eraser2/CEraser2Field.h"
#include "games/eraser2/CEraser2Game.h"
#include "games/eraser2/CEraser2Params.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CEraser2Params> LargeWide()
{
    auto params = std::make_unique<CEraser2Params>();
    CConfigFile store;
    store.SetValue("m_field_width", "780");
    store.SetValue("m_field_height", "620");
    store.SetValue("m_score_brick", "10");
    store.SetValue("m_fall_effect_speed", "0.7");
    store.SetValue("m_group_size", "2 2");
    store.SetValue("m_colors_field", "3 4");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(1);
    return params;
}

void BM_GameUpdates(benchmark::State& state)
{
    auto params = LargeWide();
    CRandom pick(3);
    std::uint32_t seed = 1;
    auto game = std::make_unique<CEraser2Game>(nullptr, *params, nullptr, seed);
    for (auto _ : state)
    {
        if (game->IsGameOver())
        {
            state.PauseTiming();
            game = std::make_unique<CEraser2Game>(nullptr, *params, nullptr, ++seed);
            state.ResumeTiming();
        }
        CEraser2Field& field = game->GetField();
        CVector4 point;
        field.GetBrickPosition(point, pick.Next(field.GetWidth()), pick.Next(field.GetHeight()));
        game->SetPointer(point, true);
        game->Update(16.0f);
    }
}
BENCHMARK(BM_GameUpdates);
}

BENCHMARK_MAIN();
