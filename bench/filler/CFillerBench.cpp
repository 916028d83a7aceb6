// Cost of the filler's game logic on the giant 100 x 75 board. Goals: the
// hard computer's whole move under 50 ms on one core, and one field update
// while a recolour wave runs well under 100 microseconds.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerField.h"
#include "games/filler/CFillerParams.h"
#include "games/filler/CFillerPlayer.h"
#include "shell/game/CRandom.h"

namespace
{
std::unique_ptr<CFillerParams> GiantHard(bool animation)
{
    auto params = std::make_unique<CFillerParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "880");
    params->ReadParams(store);
    params->SetLastSize(3);
    params->SetLastDifficulty(2);
    params->SetAnimation(animation);
    return params;
}

// Plays `moves` turns of both computers from a seeded deal, so the search
// runs on a board with zones grown as far as a real game has them.
struct SGiantGame
{
    explicit SGiantGame(int moves, bool animation = false) : params(GiantHard(animation))
    {
        field = std::make_unique<CFillerField>(*params, nullptr, random);
        left = std::make_unique<CFillerPlayer>(*field, nullptr, CFillerPlayer::MODE_HARD, 0, 37);
        right = std::make_unique<CFillerPlayer>(*field, nullptr, CFillerPlayer::MODE_HARD, 99, 37);
        for (int i = 0; i < moves && !field->IsGameOver(); ++i)
        {
            (i % 2 ? right : left)->StartTurn();
            field->Update(16.0f, false);
            field->Update(16.0f, false);
        }
    }

    std::unique_ptr<CFillerParams> params;
    CRandom random{7};
    std::unique_ptr<CFillerField> field;
    std::unique_ptr<CFillerPlayer> left;
    std::unique_ptr<CFillerPlayer> right;
};

void BM_HardComputerChoice(benchmark::State& state)
{
    SGiantGame game(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(game.right->ChooseColor());
    state.counters["covered"] = game.field->GetCoveredCount();
}
BENCHMARK(BM_HardComputerChoice)->Arg(0)->Arg(20)->Arg(60)->Arg(120)->Unit(benchmark::kMillisecond);

// The whole turn start: snapshot, search, flood and recount.
void BM_HardComputerTurn(benchmark::State& state)
{
    SGiantGame game(static_cast<int>(state.range(0)));
    std::string snapshot = game.field->GetSnapshot();
    CConfigFile store;
    for (auto _ : state)
    {
        state.PauseTiming();
        game.field->Save(store);
        state.ResumeTiming();
        game.right->StartTurn();
        state.PauseTiming();
        game.field->Load(store);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HardComputerTurn)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_FieldUpdateDuringWave(benchmark::State& state)
{
    SGiantGame game(40, true);
    for (auto _ : state)
    {
        state.PauseTiming();
        if (game.field->IsIdle())
            game.right->StartTurn();
        state.ResumeTiming();
        game.field->Update(16.0f, false);
    }
}
BENCHMARK(BM_FieldUpdateDuringWave)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_MAIN();
