// Start-up of the real program up to its first frame and its first
// main-menu frame, the processor cost of the main menu and of each kind's
// game on its largest board, and the peak memory of both. Needs a display; run
// under xvfb-run with Mesa's software renderer:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/mw_menus_bench
// The processor time is the whole process's, the renderer's threads
// included. Goals: the intro within 80 ms of exec, and within 15 ms of a
// bare window's first frame in the same run, and the main menu within
// 180 ms; the main menu at most 15% of a core at the 60 fps cap and each
// kind's game on its largest board at most 35%; peak memory at most 110 MB in
// the menu and 120 MB in a game.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <spawn.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CResManager.h"
#include "engine/widgets/CButton.h"
#include "games/GameKinds.h"
#include "platform/CEventPump.h"
#include "platform/CInputState.h"
#include "platform/CPlatform.h"
#include "platform/CPlatformWindow.h"
#include "shell/CAppMenuHost.h"
#include "shell/CGameKindRegistry.h"
#include "shell/CGameMenu.h"
#include "shell/CGameOverDialog.h"
#include "shell/game/CGameParams.h"
#include "shell/CIntroScreen.h"
#include "shell/CMainMenu.h"

extern char** environ;

namespace
{
const char* s_self = "";

double ProcessCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct SRunResult
{
    bool ok = false;
    double wall_ms = 0.0;
    double cpu_ms = 0.0;
    double peak_mb = 0.0;
};

// Runs the program with the arguments until it has presented `frames`
// frames (the preload helper ends it there) and reports what the whole
// process used.
SRunResult RunForFrames(const std::string& program, const std::vector<std::string>& arguments, int frames)
{
    SRunResult result;
    // The caller's environment (display, its authority) with the helper's
    // settings in front.
    std::vector<std::string> environment = {std::string("LD_PRELOAD=") + MW_MENUS_SHIM,
                                            "MW_SHIM_EXIT_AFTER_FRAMES=" + std::to_string(frames),
                                            "SDL_AUDIODRIVER=dummy", "MARBLEWEND_NO_BROWSER=1"};
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "LD_PRELOAD=", 11) != 0 && std::strncmp(*entry, "MW_SHIM_", 8) != 0)
            environment.push_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return result;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.wall_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    result.cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                    (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    result.peak_mb = usage.ru_maxrss / 1024.0;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// The real program until it has presented `frames` frames.
SRunResult RunGameForFrames(int frames)
{
    return RunForFrames(MW_GAME_BINARY, {}, frames);
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// From exec to the end of presented frame 1 (the intro) or 2 (the main
// menu's first). Each run of the program is followed by one of the bare
// window (see RunBareChild) to its first frame, so that both meet the same
// load: the counters are the medians of both and how far the program's
// frame comes behind the bare window's, the floor under it on this machine.
void BM_ExecToFrame(benchmark::State& state)
{
    if (std::getenv("DISPLAY") == nullptr)
    {
        state.SkipWithError("no display");
        return;
    }
    const int frames = static_cast<int>(state.range(0));
    std::vector<double> game_ms, bare_ms;
    for (auto _ : state)
    {
        const SRunResult run = RunGameForFrames(frames);
        const SRunResult bare = RunForFrames(s_self, {"--bare-child"}, 1);
        if (!run.ok || !bare.ok)
        {
            state.SkipWithError("the game or the bare window did not present its frames");
            break;
        }
        state.SetIterationTime(run.wall_ms / 1000.0);
        game_ms.push_back(run.wall_ms);
        bare_ms.push_back(bare.wall_ms);
    }
    state.counters["median_ms"] = Median(game_ms);
    state.counters["bare_window_ms"] = Median(bare_ms);
    state.counters["behind_bare_ms"] = Median(game_ms) - Median(bare_ms);
}
BENCHMARK(BM_ExecToFrame)->Arg(1)->Arg(2)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

// The real program in its main menu at its own frame cap: two runs of
// different lengths, whose difference is the menu's steady cost. The peak
// memory is the longer run's.
void BM_MainMenuProcess(benchmark::State& state)
{
    if (std::getenv("DISPLAY") == nullptr)
    {
        state.SkipWithError("no display");
        return;
    }
    const int short_run = 60, long_run = 360;
    SRunResult shorter, longer;
    for (auto _ : state)
    {
        shorter = RunGameForFrames(short_run);
        longer = RunGameForFrames(long_run);
        if (!shorter.ok || !longer.ok)
        {
            state.SkipWithError("the game did not present its frames");
            return;
        }
    }
    const double frames = long_run - short_run;
    state.counters["cpu_ms_per_frame"] = (longer.cpu_ms - shorter.cpu_ms) / frames;
    state.counters["core_percent"] = 100.0 * (longer.cpu_ms - shorter.cpu_ms) / (longer.wall_ms - shorter.wall_ms);
    state.counters["fps"] = 1000.0 * frames / (longer.wall_ms - shorter.wall_ms);
    state.counters["peak_mb"] = longer.peak_mb;
}
BENCHMARK(BM_MainMenuProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

// How a player reaches each kind's game on its largest board from the main
// menu: window pixels of the 800 x 600 layout, a size of 0 0 where the kind
// starts without a dialog.
struct SKindRoute
{
    const char* name;
    const char* screen;
    int kind[2];
    int newGame[2];
    int size[2];
};
const SKindRoute s_routes[] = {
    {"Remover", "CRemoverGameScreen", {130, 190}, {400, 225}, {130, 372}},
    {"Mover", "CMoverGameScreen", {130, 262}, {400, 225}, {130, 372}},
    {"Slider", "CSliderGameScreen", {130, 334}, {400, 225}, {130, 372}},
    {"Designer", "CDesignerGameScreen", {100, 401}, {380, 215}, {130, 372}},
    {"Eraser", "CEraserGameScreen", {640, 185}, {400, 225}, {130, 372}},
    {"Eraser2", "CEraser2GameScreen", {640, 257}, {400, 225}, {130, 372}},
    {"Filler", "CFillerGameScreen", {650, 330}, {400, 225}, {130, 424}},
    {"Jewel", "CJewelGameScreen", {640, 400}, {400, 225}, {0, 0}},
};

// This program started again with the arguments, without sound device or
// browser; true when it printed the four numbers its child mode prints.
bool RunSelf(const std::string& arguments, double (&values)[4])
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("MARBLEWEND_NO_BROWSER", "1", 1);
    // The same boards in every run, so that runs and builds compare; a seed
    // given by the caller wins.
    setenv("MARBLEWEND_SEED", "1", 0);
    FILE* child = popen((std::string("'") + s_self + "' " + arguments).c_str(), "r");
    if (child == nullptr)
        return false;
    const int read = std::fscanf(child, "%lf %lf %lf %lf", &values[0], &values[1], &values[2], &values[3]);
    pclose(child);
    return read == 4;
}

// Runs this program again with the arguments (see RunSelf) once an
// iteration and keeps the four numbers it printed as the counters named;
// skipped without a display.
void CountChild(benchmark::State& state, const std::string& arguments, const char* const (&names)[4])
{
    if (std::getenv("DISPLAY") == nullptr)
    {
        state.SkipWithError("no display");
        return;
    }
    double values[4] = {};
    for (auto _ : state)
    {
        if (!RunSelf(arguments, values))
        {
            state.SkipWithError("the child run failed");
            return;
        }
    }
    for (int i = 0; i < 4; ++i)
        state.counters[names[i]] = values[i];
}

// A kind's game on its largest board, reached as a player reaches it and run
// by this program started again on its own (see RunGameChild), so that its
// processor time and peak memory are a whole process's.
void BM_GameProcess(benchmark::State& state, int route, bool play)
{
    CountChild(state, "--game-child " + std::to_string(route) + (play ? " play" : ""),
               {"cpu_ms_per_frame", "core_percent", "fps", "peak_mb"});
}

// The floor under every process figure here: a bare window of this
// program's platform layer, the game's size and pixel format, that only
// clears and swaps at the same frame cap (see RunBareChild). Run beside the
// game benchmarks, it tells what the machine and the renderer cost now.
void BM_BareWindowProcess(benchmark::State& state)
{
    CountChild(state, "--bare-child", {"cpu_ms_per_frame", "core_percent", "fps", "peak_mb"});
}
BENCHMARK(BM_BareWindowProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

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
// One frame of the program's main loop, at its frame cap.
void LoopFrame(CAppWindow& window, CGameApp& app)
{
    const uint32_t period = 1000 / 60;
    const uint32_t start = CPlatform::GetTicks();
    SPlatformEvent event;
    while (CEventPump::Poll(event))
        window.HandleEvent(event);
    window.Update(static_cast<float>(period));
    CInputState::Instance().EndFrame();
    window.Render();
    window.Present();
    const uint32_t elapsed = CPlatform::GetTicks() - start;
    if (elapsed < period)
        CPlatform::Sleep(period - elapsed);
    app.UpdateMusic();
}

void Click(CAppWindow& window, CGameApp& app, int x, int y)
{
    window.OnMouseMove(x, y, 0);
    window.OnLButtonDown(x, y, 0);
    LoopFrame(window, app);
    window.OnLButtonUp(x, y, 0);
    for (int i = 0; i < 90; ++i)
        LoopFrame(window, app);
}

// The program as the player starts it, led by clicks from the main menu to a
// new game of the route's kind on its largest board; then ten seconds (or
// the frames asked) of play time with the cursor resting on the board, or (play) clicking over it
// three times a second so that bricks move, fall and slide. Prints processor
// milliseconds a frame, % of a core, frames a second and peak memory in MB.
// Ends without saving.
bool IsShowing(CAppWindow& window, const char* screen)
{
    const CScreen* current = window.GetCurrentScreen();
    return current != nullptr && std::strstr(typeid(*current).name(), screen) != nullptr;
}

// From the main menu to a new game of the route's kind on its largest
// board, the cursor resting on it once its start is over; false when the
// game screen did not come.
bool StartGame(CAppWindow& window, CGameApp& app, const SKindRoute& route)
{
    Click(window, app, route.kind[0], route.kind[1]);
    Click(window, app, route.newGame[0], route.newGame[1]);
    if (route.size[0] != 0)
    {
        Click(window, app, route.size[0], route.size[1]);
        Click(window, app, 295, 450); // OK
    }
    // A kind that asks first when a game of it is saved asks with a dialog.
    if (window.GetStack().GetOverlayCount() > 0)
    {
        window.OnKeyDown(13);
        for (int i = 0; i < 90; ++i)
            LoopFrame(window, app);
    }
    window.OnMouseMove(400, 300, 0);
    for (int i = 0; i < 240; ++i)
        LoopFrame(window, app);
    const char* screen = window.GetCurrentScreen() != nullptr ? typeid(*window.GetCurrentScreen()).name() : "";
    if (std::strstr(screen, route.screen) == nullptr)
    {
        std::fprintf(stderr, "not in a %s game but in %s\n", route.name, screen);
        return false;
    }
    return true;
}

// One frame of play: every 20th frame a click, as the event pump gives it
// (the polled button and the window's messages), on the next place of a
// walk over the board; every second click lands a cell to the right of the
// one before, so that swaps are made too. Bricks move, fall and slide.
void PlayFrame(CAppWindow& window, CGameApp& app, int frame)
{
    if (frame % 20 != 0)
    {
        LoopFrame(window, app);
        return;
    }
    const int step = frame / 20;
    const int x = 160 + (step / 2 * 97) % 480 + (step % 2) * 45, y = 100 + (step / 2 * 61) % 420;
    CInputState& input = CInputState::Instance();
    input.OnMouseMove(x, y, 0, 0);
    window.OnMouseMove(x, y, 0);
    input.OnButtonDown(0);
    window.OnLButtonDown(x, y, 0);
    LoopFrame(window, app);
    input.OnButtonUp(0);
    window.OnLButtonUp(x, y, 0);
}

// The resident memory now, in MB.
double ResidentMb()
{
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr)
        return 0.0;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1048576.0) : 0.0;
}

double PeakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

int RunGameChild(const SKindRoute& route, bool play, int frames);
int RunTourChild();
int RunDialogChild(const SKindRoute& route, const std::string& dialog, int frames);

// A game directory of its own for a run that leaves games and writes
// settings, saves and tables: the built game's files linked into a new
// temporary one. Empty when it could not be made.
std::string MakeOwnGameDir()
{
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/mw_bench_XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return std::string();
    std::error_code error;
    const fs::path own = fs::path(pattern) / "data";
    fs::create_directory(own, error);
    for (const auto& entry : fs::directory_iterator(fs::path(MW_GAME_DIR) / "data", error))
        fs::create_symlink(entry.path(), own / entry.path().filename(), error);
    return error ? std::string() : std::string(pattern);
}

// The real program's objects, set up as the program does, in the game
// directory (or the one given), its intro shown first; runs body with its
// window and application.
int WithProgram(const std::function<int(CAppWindow&, CGameApp&)>& body, const std::string& gameDir = MW_GAME_DIR)
{
    if (gameDir.empty() || chdir(gameDir.c_str()) != 0 || !CPlatform::Init())
        return 1;
    CGameApp app;
    CAppWindow window("Marblewend", &app);
    if (!window.CreateWindowed("Marblewend", 0, 0, 800, 600))
        return 1;
    // The intro's one frame first, as the program shows it: what is given
    // back after the first frame goes before the menu is built.
    {
        CIntroScreen intro(*app.GetPack());
        window.SetScreen(&intro);
        window.Render();
        window.Present();
        window.RemoveScreen(&intro);
    }
    app.LoadSounds();
    CGameKindRegistry kinds;
    RegisterGameKinds(kinds);
    CMainMenu::SetKinds(kinds);
    CMainMenu::SetGameMenuFactory([&kinds](int, CConfigFile& group) -> std::unique_ptr<CScreen> {
        return CGameMenu::Create(group, kinds, CAppMenuHost::Get());
    });
    CMainMenu menu(*app.GetResManager());
    window.SetScreen(&menu);
    app.PlayNextTrack();
    for (int i = 0; i < 30; ++i)
        LoopFrame(window, app);
    return body(window, app);
}

// Runs frame(i) for the frames asked and prints processor milliseconds a
// frame, % of a core, frames a second and peak memory in MB; 1 (and nothing
// printed) when a frame fails.
int MeasureFrames(int frames, const std::function<bool(int)>& frame)
{
    const double cpu_start = ProcessCpuSeconds();
    const auto wall_start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        if (!frame(i))
            return 1;
    const double cpu = ProcessCpuSeconds() - cpu_start;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    std::printf("%f %f %f %f\n", 1000.0 * cpu / frames, 100.0 * cpu / wall, frames / wall, PeakMb());
    std::fflush(stdout);
    return 0;
}

// Ten seconds of a window that is cleared and swapped, paced as
// LoopFrame paces the program, with the events polled; prints as
// MeasureFrames does.
int RunBareChild()
{
    CPlatformWindow window;
    if (!CPlatform::Init() || !window.Create("Marblewend", 0, 0, 800, 600, true))
        return 1;
    const uint32_t period = 1000 / 60;
    const int result = MeasureFrames(600, [&window, period](int) {
        const uint32_t start = CPlatform::GetTicks();
        SPlatformEvent event;
        while (CEventPump::Poll(event))
        {
        }
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        window.SwapBuffers();
        const uint32_t elapsed = CPlatform::GetTicks() - start;
        if (elapsed < period)
            CPlatform::Sleep(period - elapsed);
        return true;
    });
    window.Destroy();
    CPlatform::Shutdown();
    return result;
}

// Esc leaves a game and its menu; a game that has ended shows the game-over
// dialog first, and a dialog opened by a click closes the same way.
void BackToMainMenu(CAppWindow& window, CGameApp& app)
{
    for (int leave = 0; leave < 6 && !IsShowing(window, "CMainMenu"); ++leave)
    {
        window.OnKeyDown(27);
        for (int i = 0; i < 30; ++i)
            LoopFrame(window, app);
    }
}

int RunGameChild(const SKindRoute& route, bool play, int frames)
{
    // A run longer than ten seconds plays on as a player would: a game that
    // ends (or a dialog the clicks opened) is left and a new one started. It
    // writes its tables and saves in a game directory of its own.
    const bool long_run = frames > 600;
    const std::string gameDir = long_run ? MakeOwnGameDir() : std::string(MW_GAME_DIR);
    return WithProgram([&route, play, frames, long_run, &gameDir](CAppWindow& window, CGameApp& app) {
        // With a fixed seed the sparkles burst the same way too.
        if (const char* seed = std::getenv("MARBLEWEND_SEED"))
            std::srand(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)));
        if (!StartGame(window, app, route))
            return 1;
        const int result = MeasureFrames(frames, [&](int i) {
            if (long_run && i % 60 == 0 && !IsShowing(window, route.screen))
            {
                BackToMainMenu(window, app);
                if (!StartGame(window, app, route))
                    return false;
            }
            if (play)
                PlayFrame(window, app, i);
            else
                LoopFrame(window, app);
            return true;
        });
        if (long_run)
        {
            std::error_code error;
            std::filesystem::remove_all(gameDir, error);
        }
        _exit(result);
    }, gameDir);
}

// A dialog over the route's kind's menu, opened as a player opens it and
// shown for the frames asked with the cursor resting on it: "top7",
// "options", "newgame", "help" by their buttons (a kind that starts a game
// without asking asks over a paused game: one is started and left first),
// "gameover" as the menu opens it when a game has ended (with the score
// that would lead the table), "exit" by Esc in the main menu, and "menu",
// the kind's menu alone. Prints as RunGameChild does.
int RunDialogChild(const SKindRoute& route, const std::string& dialog, int frames)
{
    const std::string gameDir = MakeOwnGameDir();
    return WithProgram(
        [&route, &dialog, frames, &gameDir](CAppWindow& window, CGameApp& app) {
            // The sparkles rise the same way in every run (MARBLEWEND_SEED
            // picks another way), so that runs compare what they draw.
            const char* seed = std::getenv("MARBLEWEND_SEED");
            std::srand(seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 1u);
            std::unique_ptr<CGameOverDialog> gameOver;
            if (dialog == "exit")
            {
                window.OnKeyDown(27);
                for (int i = 0; i < 30; ++i)
                    LoopFrame(window, app);
            }
            else
                Click(window, app, route.kind[0], route.kind[1]);
            CGameMenu* menu = dynamic_cast<CGameMenu*>(window.GetCurrentScreen());
            const int buttons[][2] = {{400, 365}, {400, 435}, {400, 225}, {573, 31}};
            const char* const names[] = {"top7", "options", "newgame", "help"};
            for (int k = 0; k < 4; ++k)
                if (dialog == names[k])
                {
                    if (dialog == "newgame" && route.size[0] == 0)
                    {
                        Click(window, app, buttons[k][0], buttons[k][1]);
                        window.OnKeyDown(27);
                        for (int i = 0; i < 60; ++i)
                            LoopFrame(window, app);
                    }
                    Click(window, app, buttons[k][0], buttons[k][1]);
                }
            if (dialog == "gameover" && menu != nullptr)
            {
                CGameParams& params = menu->GetParams();
                gameOver = std::make_unique<CGameOverDialog>(1000000, params.GetScoreTable(0), CAppMenuHost::Get(),
                                                             params.GetScoreTablePath(0, 0));
                gameOver->SetLogicalSize(800, 600);
                gameOver->SetShade(true);
                gameOver->SetPanelVisible(false);
                window.OpenOverlay(gameOver.get());
            }
            const bool opened = dialog == "menu" ? window.GetStack().GetOverlayCount() == 0
                                                 : window.GetStack().GetOverlayCount() == 1;
            if (!opened)
            {
                std::fprintf(stderr, "the %s of %s did not open\n", dialog.c_str(), route.name);
                _exit(1);
            }
            window.OnMouseMove(400, 300, 0);
            for (int i = 0; i < 60; ++i)
                LoopFrame(window, app);
            const int result = MeasureFrames(frames, [&](int) {
                LoopFrame(window, app);
                return true;
            });
            std::error_code error;
            std::filesystem::remove_all(gameDir, error);
            _exit(result);
            return 0;
        },
        gameDir);
}

// An evening of play in one process: every kind's game on its largest
// board in turn, played for ten seconds and left (Esc twice, back to the
// main menu), two rounds. Prints the resident MB in the main menu before,
// after each round, and the peak; the second round must not need more.
int RunTourChild()
{
    const std::string gameDir = MakeOwnGameDir();
    return WithProgram(
        [&gameDir](CAppWindow& window, CGameApp& app) {
            const double before = ResidentMb();
            double after[2] = {};
            for (int round = 0; round < 2; ++round)
            {
                for (const SKindRoute& route : s_routes)
                {
                    if (!StartGame(window, app, route))
                        return 1;
                    for (int i = 0; i < 600; ++i)
                        PlayFrame(window, app, i);
                    BackToMainMenu(window, app);
                    // MW_TOUR_DEBUG: each kind's step told, with the heap's share.
                    if (std::getenv("MW_TOUR_DEBUG"))
                    {
                        const struct mallinfo2 heap = mallinfo2();
                        std::fprintf(stderr, "left %s: %s %f MB resident, heap %.1f MB in use, %.1f MB free\n",
                                     route.name, typeid(*window.GetCurrentScreen()).name(), ResidentMb(),
                                     (heap.uordblks + heap.hblkhd) / 1048576.0, heap.fordblks / 1048576.0);
                    }
                }
                after[round] = ResidentMb();
            }
            std::printf("%f %f %f %f\n", before, after[0], after[1], PeakMb());
            std::fflush(stdout);
            std::error_code error;
            std::filesystem::remove_all(gameDir, error);
            _exit(0);
            return 0;
        },
        gameDir);
}

// The dialogs over a kind's menu (RunDialogChild), the remover's and the
// jewels', beside the menu alone: the top seven, help, game over and the
// exit window (over the main menu) fill the window, the options and the new
// game's choices lie over the menu; the sparkles rise over them all. Goal:
// each at most the menu's 15% of a core.
void BM_DialogProcess(benchmark::State& state, int route, const char* dialog)
{
    CountChild(state, "--dialog-child " + std::to_string(route) + " " + dialog,
               {"cpu_ms_per_frame", "core_percent", "fps", "peak_mb"});
}
BENCHMARK_CAPTURE(BM_DialogProcess, RemoverMenu, 0, "menu")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, Top7, 0, "top7")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, Options, 0, "options")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, NewGame, 0, "newgame")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, Help, 0, "help")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, GameOver, 0, "gameover")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, Exit, 0, "exit")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelMenu, 7, "menu")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelTop7, 7, "top7")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelOptions, 7, "options")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelNewGame, 7, "newgame")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelHelp, 7, "help")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogProcess, JewelGameOver, 7, "gameover")->Iterations(1)->Unit(benchmark::kMillisecond);
// The floor under the figures above, in the same run (see BM_BareWindowProcess).
BENCHMARK_CAPTURE(BM_DialogProcess, BareWindow, 0, "bare")->Iterations(1)->Unit(benchmark::kMillisecond);

// Memory over a whole evening (RunTourChild): no growth from one round of
// every kind to the next.
void BM_TourProcess(benchmark::State& state)
{
    CountChild(state, "--tour-child", {"menu_mb", "after_round1_mb", "after_round2_mb", "peak_mb"});
}
BENCHMARK(BM_TourProcess)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    // The children are started after benchmarks that change the current
    // directory: the program's own path, whatever it was started as.
    std::error_code error;
    static const std::string self = std::filesystem::canonical("/proc/self/exe", error).string();
    s_self = error ? argv[0] : self.c_str();
    const int routes = static_cast<int>(sizeof s_routes / sizeof s_routes[0]);
    if (argc > 1 && std::strcmp(argv[1], "--tour-child") == 0)
        return RunTourChild();
    if (argc > 1 && std::strcmp(argv[1], "--bare-child") == 0)
        return RunBareChild();
    if (argc > 3 && std::strcmp(argv[1], "--dialog-child") == 0)
    {
        const int route = std::atoi(argv[2]);
        const int frames = argc > 4 ? std::max(1, std::atoi(argv[4])) : 600;
        if (std::strcmp(argv[3], "bare") == 0)
            return RunBareChild();
        return route >= 0 && route < routes ? RunDialogChild(s_routes[route], argv[3], frames) : 1;
    }
    if (argc > 2 && std::strcmp(argv[1], "--game-child") == 0)
    {
        const int route = std::atoi(argv[2]);
        const bool play = argc > 3 && std::strcmp(argv[3], "play") == 0;
        // A fifth argument plays longer than ten seconds: that many frames.
        const int frames = argc > 4 ? std::max(1, std::atoi(argv[4])) : 600;
        return route >= 0 && route < routes ? RunGameChild(s_routes[route], play, frames) : 1;
    }
    for (int route = 0; route < routes; ++route)
        for (bool play : {false, true})
            benchmark::RegisterBenchmark(
                (std::string("BM_") + s_routes[route].name + "GameProcess" + (play ? "Playing" : "")).c_str(),
                BM_GameProcess, route, play)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
