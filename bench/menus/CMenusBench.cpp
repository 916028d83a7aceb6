// Start-up of the real program up to its first main-menu frame, and the
// processor cost of one main-menu frame. Needs a display; run under
// xvfb-run with Mesa's software renderer:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/mw_menus_bench
// Goals: start-up under 300 ms; a menu frame under 4 ms of processor time,
// so that the menu at 60 frames a second uses under a quarter of one core.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/frame/CAppWindow.h"
#include "engine/widgets/CButton.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CResManager.h"
#include "platform/CPlatform.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"

extern char** environ;

namespace
{
double ProcessCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// From exec to the end of the second presented frame: the intro is the
// first, the main menu's first frame the second. The preload helper ends the
// program there.
void BM_ExecToFirstMenuFrame(benchmark::State& state)
{
    if (std::getenv("DISPLAY") == nullptr)
    {
        state.SkipWithError("no display");
        return;
    }
    const std::string game = MW_GAME_BINARY;
    const std::string preload = std::string("LD_PRELOAD=") + MW_MENUS_SHIM;
    std::string environment[] = {preload, "MW_SHIM_EXIT_AFTER_FRAMES=2", "SDL_AUDIODRIVER=dummy",
                                 "MARBLEWEND_NO_BROWSER=1", std::string("DISPLAY=") + std::getenv("DISPLAY")};
    char* envp[6];
    for (int i = 0; i < 5; ++i)
        envp[i] = environment[i].data();
    envp[5] = nullptr;
    char* argv[] = {const_cast<char*>(game.c_str()), nullptr};
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, game.c_str(), nullptr, nullptr, argv, envp) != 0)
        {
            state.SkipWithError("cannot start the game");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        {
            state.SkipWithError("the game did not reach its main menu");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ExecToFirstMenuFrame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The program's own start-up in one process, with the main menu's build
// measured apart: where the start-up time goes.
void BM_MainMenuBuild(benchmark::State& state)
{
    if (chdir(MW_GAME_DIR) != 0 || !CPlatform::Init())
    {
        state.SkipWithError("no game directory or no display");
        return;
    }
    {
        CGameApp app;
        CAppWindow window("Marblewend", &app);
        if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
        {
            state.SkipWithError("no GL window");
            return;
        }
        app.LoadSounds();
        for (auto _ : state)
        {
            auto menu = std::make_unique<CMainMenu>(*app.GetResManager());
            window.SetScreen(menu.get());
            window.Render();
            window.Present();
            glFinish();
            window.RemoveScreen(menu.get());
        }
        window.Destroy();
    }
    CPlatform::Shutdown();
}
BENCHMARK(BM_MainMenuBuild)->Iterations(5)->Unit(benchmark::kMillisecond);

// One main-menu frame: update, draw and present, as the main loop runs it.
// Argument 1 rests the cursor on a kind so the thumbnail is drawn too. The
// counters hold the whole process's processor time, the renderer's threads
// included.
void BM_MainMenuFrameCpu(benchmark::State& state)
{
    if (chdir(MW_GAME_DIR) != 0 || !CPlatform::Init())
    {
        state.SkipWithError("no game directory or no display");
        return;
    }
    {
        CGameApp app;
        CAppWindow window("Marblewend", &app);
        if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
        {
            state.SkipWithError("no GL window");
            return;
        }
        app.LoadSounds();
        CMainMenu menu(*app.GetResManager());
        window.SetScreen(&menu);
        if (state.range(0) != 0)
        {
            const CButton* kind = menu.GetKindButton(0);
            menu.OnMouseMove(static_cast<int>(kind->GetPosition().x) + 4, static_cast<int>(kind->GetPosition().y) + 4,
                             0);
            for (int i = 0; i < 60; ++i)
                menu.Update(1000.0f / 60.0f);
        }
        const double cpu_start = ProcessCpuSeconds();
        int64_t frames = 0;
        for (auto _ : state)
        {
            window.Update(1000.0f / 60.0f);
            window.Render();
            window.Present();
            glFinish();
            ++frames;
        }
        const double cpu_ms = (ProcessCpuSeconds() - cpu_start) * 1000.0 / static_cast<double>(frames);
        state.counters["cpu_ms_per_frame"] = cpu_ms;
        state.counters["core_share_at_60fps"] = cpu_ms * 60.0 / 1000.0;
        window.RemoveScreen(&menu);
        window.Destroy();
    }
    CPlatform::Shutdown();
}
BENCHMARK(BM_MainMenuFrameCpu)->Arg(0)->Arg(1)->Iterations(600)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
