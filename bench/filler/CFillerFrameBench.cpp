// Cost to the game thread of drawing the giant 100 x 75 filler board, with
// the game's own bricks from the built data pack, in a real window. Goal:
// under 4 ms of the game thread's processor time a frame, so the 7,500
// bricks are drawn in one batch per look. Run under a display, e.g.:
// xvfb-run -a build/bench/mw_filler_frame_bench

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <time.h>

#include <memory>

#include "engine/files/CFilePack.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CResManager.h"
#include "games/filler/CFillerField.h"
#include "games/filler/CFillerParams.h"
#include "games/filler/CFillerPlayer.h"
#include "platform/CPlatform.h"
#include "shell/game/CRandom.h"

namespace
{
double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// state.range(0): 0 a settled board, 1 a board whose recolour wave runs.
void BM_GiantBoardFrame(benchmark::State& state)
{
    if (!CPlatform::Init())
    {
        state.SkipWithError("no display");
        return;
    }
    {
        CAppWindow window("Marblewend", nullptr);
        if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
        {
            state.SkipWithError("no GL window");
            CPlatform::Shutdown();
            return;
        }
        CFilePack pack;
        pack.SetPassPhrase(CFilePack::kPassPhrase);
        if (!pack.Open(MW_GAME_DIR "/data/data.pk"))
        {
            state.SkipWithError("no data pack: build the game first");
            CPlatform::Shutdown();
            return;
        }
        CResManager manager(&pack);
        CFillerParams params;
        params.LoadParams(pack);
        params.LoadTextures(manager);
        params.SetLastSize(3);
        params.SetAnimation(true);
        CRandom random(3);
        CFillerField field(params, nullptr, random);
        CFillerPlayer human(field, nullptr, CFillerPlayer::MODE_HUMAN, 0, 37);
        CFillerPlayer computer(field, nullptr, CFillerPlayer::MODE_HARD, 99, 37);
        CViewParams view;
        view.SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        view.SetScale(0.06f);
        const bool wave = state.range(0) != 0;
        double draw = 0, finish = 0, present = 0;
        int frames = 0;
        for (auto _ : state)
        {
            if (wave && field.IsIdle())
            {
                computer.StartTurn();
                field.Update(16.0f, false);
            }
            const double start = ThreadCpuSeconds();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            view.SetPerspective(800, 600);
            glPushMatrix();
            view.ApplyTransform();
            field.Draw();
            glPopMatrix();
            const double drawn = ThreadCpuSeconds();
            glFinish();
            const double finished = ThreadCpuSeconds();
            window.Present();
            const double end = ThreadCpuSeconds();
            draw += drawn - start;
            finish += finished - drawn;
            present += end - finished;
            ++frames;
            state.SetIterationTime(end - start);
        }
        state.counters["bricks"] = field.GetWidth() * field.GetHeight();
        state.counters["draw_ms"] = frames ? 1000.0 * draw / frames : 0.0;
        state.counters["finish_ms"] = frames ? 1000.0 * finish / frames : 0.0;
        state.counters["present_ms"] = frames ? 1000.0 * present / frames : 0.0;
        window.Destroy();
    }
    CPlatform::Shutdown();
}
BENCHMARK(BM_GiantBoardFrame)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
