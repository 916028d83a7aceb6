// Cost of the jewel's game logic per frame on the largest board (14 x 14):
// whole game updates while swaps, falls and cascades run, the no-move test
// that follows every landing, the landing search, and a later level's start,
// which tries its draw and cascades out before the bricks fall. The goal is
// well under 100 microseconds each.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelGame.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CJewelParams> LargeHard()
{
    auto params = std::make_unique<CJewelParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "700");
    store.SetValue("m_score_brick", "50");
    store.SetValue("m_skins_count", "3");
    store.SetValue("m_fall_effect_speed", "1.5");
    store.SetValue("m_group_size", "3 3 3");
    store.SetValue("m_colors_field", "5 5 5");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(2);
    return params;
}

// Starts the swap the hint finds, as a player pressing its neighbour would.
void PlayHint(CJewelField& field)
{
    field.ShowHint();
    for (int x = 0; x < field.GetWidth(); ++x)
        for (int y = 0; y < field.GetHeight(); ++y)
            if (field.BrickAt(x, y) && field.BrickAt(x, y)->IsSelected())
            {
                int nx = x + 1 < field.GetWidth() ? x + 1 : x - 1;
                field.TrySwap(nx, y);
                return;
            }
}

void BM_GameUpdateWhilePlaying(benchmark::State& state)
{
    auto params = LargeHard();
    CJewelGame game(nullptr, *params, nullptr, 17);
    for (auto _ : state)
    {
        if (game.GetField().IsStuck())
        {
            state.PauseTiming();
            game.GetField().NewLevel(1);
            state.ResumeTiming();
        }
        if (game.GetField().IsIdle() && !game.IsEffectRunning())
            PlayHint(game.GetField());
        game.Update(16.0f);
    }
}
BENCHMARK(BM_GameUpdateWhilePlaying);

void BM_NoMoveTest(benchmark::State& state)
{
    auto params = LargeHard();
    CRandom random(3);
    CJewelField field(*params, random, nullptr, nullptr, nullptr);
    field.NewLevel(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(field.CheckStuck());
}
BENCHMARK(BM_NoMoveTest);

void BM_LandingSearch(benchmark::State& state)
{
    auto params = LargeHard();
    CRandom random(4);
    CJewelField field(*params, random, nullptr, nullptr, nullptr);
    field.NewLevel(1);
    for (auto _ : state)
    {
        int total = 0;
        for (int y = 0; y < field.GetHeight(); ++y)
            for (int x = 0; x < field.GetWidth(); ++x)
            {
                int count = 0;
                field.FindLines(x, y, count);
                total += count;
            }
        field.UnmarkAll();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_LandingSearch);

// A level start from the board a level end leaves: every other cell empty,
// the rows alternating sides.
void BM_LevelStart(benchmark::State& state)
{
    auto params = LargeHard();
    CRandom random(5);
    CJewelField field(*params, random, nullptr, nullptr, nullptr);
    field.NewLevel(1);
    const int width = field.GetWidth();
    int level = 2;
    for (auto _ : state)
    {
        state.PauseTiming();
        for (int i = 0; i < 1000 && !field.IsIdle(); ++i)
            field.Update(1000.0f);
        if (!field.IsIdle())
            field.NewLevel(1);
        for (int y = 0; y < field.GetHeight(); ++y)
            for (int x = 0; x < width; x += 2)
                field.RemoveBrick(y % 2 == 1 ? x : width - 1 - x, y);
        field.FinishStrike();
        state.ResumeTiming();
        field.NewLevel(level);
        level = level < 12 ? level + 1 : 2;
    }
}
BENCHMARK(BM_LevelStart);
}

BENCHMARK_MAIN();
