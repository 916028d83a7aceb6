// Designer speed goals: one frame of a game on the large board with a
// figure carried under a moving pointer stays far below 100 us; cutting a
// level (once per level, not per frame) is measured beside it.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/files/CConfigFile.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerFigureTray.h"
#include "games/designer/CDesignerGame.h"
#include "games/designer/CDesignerGenerator.h"
#include "shell/game/CRandom.h"
#include "games/designer/CDesignerParams.h"
#include "games/designer/CDesignerPlayer.h"

namespace
{
std::unique_ptr<CDesignerParams> LargeBoardParams(int difficulty)
{
    auto params = std::make_unique<CDesignerParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "540");
    store.SetValue("m_attempt", "1");
    store.SetValue("m_min_count", "2 4 5");
    store.SetValue("m_max_count", "5 6 8");
    params->ReadParams(store);
    params->SetLastSize(2);
    params->SetLastDifficulty(difficulty);
    return params;
}

void BM_FrameWithFigureInHand(benchmark::State& state)
{
    auto params = LargeBoardParams(2);
    CDesignerGame game(nullptr, *params, nullptr, 11);
    CVector4 tray = game.GetPlayer().GetTray().GetFigure(0)->GetPosition();
    game.SetPointer(tray, true, false);
    game.Update(16.0f);
    game.SetPointer(tray, false, false);
    for (int i = 0; i < 60; ++i)
        game.Update(16.0f);
    float t = 0.0f;
    for (auto _ : state)
    {
        t += 1.0f;
        // Over the board, where every frame tests the place under the figure.
        game.SetPointer(CVector4(std::fmod(t, 200.0f) - 100.0f, 50.0f, 0.0f), false, false);
        game.Update(16.0f);
    }
}
BENCHMARK(BM_FrameWithFigureInHand);

void BM_CutLargeBoard(benchmark::State& state)
{
    auto params = LargeBoardParams(static_cast<int>(state.range(0)));
    int d = static_cast<int>(state.range(0));
    CRandom random(3);
    for (auto _ : state)
    {
        CDesignerGenerator generator(8, 8, random);
        benchmark::DoNotOptimize(generator.GenerateLevel(params->GetMinCount(d), params->GetMaxCount(d)));
    }
}
BENCHMARK(BM_CutLargeBoard)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
