// Cost of the frame loop and of start-up, measured on a real window. Run
// under a display, e.g.: xvfb-run -a build/mw_frame_bench

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <sys/resource.h>

#include <chrono>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CScreen.h"
#include "platform/CPlatform.h"

namespace
{
// Clears the window each frame and ends the loop after a set time.
class CIdleScreen : public CScreen
{
public:
    explicit CIdleScreen(float run_ms) : m_run_ms(run_ms) {}

    void Update(float dt) override
    {
        ++m_frames;
        m_elapsed += dt;
        if (m_elapsed >= m_run_ms && !m_quit_posted)
        {
            m_quit_posted = true;
            CPlatform::PostQuit(0);
        }
    }
    void Draw() override
    {
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    int m_frames = 0;

private:
    float m_run_ms;
    float m_elapsed = 0.0f;
    bool m_quit_posted = false;
};

double ProcessCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Goal: an idle 800x600 window at the 60 fps cap costs under 5% of one core.
void BM_IdleFrameLoopCpu(benchmark::State& state)
{
    if (!CPlatform::Init())
    {
        state.SkipWithError("no display");
        return;
    }
    const float run_ms = static_cast<float>(state.range(0));
    double cpu_percent = 0.0;
    double fps = 0.0;
    for (auto _ : state)
    {
        CAppWindow window("Marblewend", nullptr);
        if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
        {
            state.SkipWithError("no GL window");
            break;
        }
        CIdleScreen screen(run_ms);
        window.SetScreen(&screen);
        const double cpu_start = ProcessCpuSeconds();
        const auto wall_start = std::chrono::steady_clock::now();
        window.MainLoop();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
        const double cpu = ProcessCpuSeconds() - cpu_start;
        cpu_percent = 100.0 * cpu / wall;
        fps = screen.m_frames / wall;
        window.RemoveScreen(&screen);
        window.Destroy();
    }
    state.counters["cpu_percent"] = cpu_percent;
    state.counters["frames_per_second"] = fps;
    CPlatform::Shutdown();
}
BENCHMARK(BM_IdleFrameLoopCpu)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Goal: from the platform's start to the first presented frame under 150 ms.
void BM_StartupToFirstFrame(benchmark::State& state)
{
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        if (!CPlatform::Init())
        {
            state.SkipWithError("no display");
            break;
        }
        {
            CAppWindow window("Marblewend", nullptr);
            if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
            {
                state.SkipWithError("no GL window");
                CPlatform::Shutdown();
                break;
            }
            CIdleScreen screen(0.0f);
            window.SetScreen(&screen);
            window.Render();
            window.Present();
            glFinish();
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            state.SetIterationTime(ms / 1000.0);
            window.RemoveScreen(&screen);
            window.Destroy();
        }
        CPlatform::Shutdown();
    }
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
