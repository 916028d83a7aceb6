/* Loaded into the game by the menu end-to-end tests and the start-up
 * benchmark (LD_PRELOAD). It holds the first presented frame on screen for
 * MW_SHIM_HOLD_MS so that a test can photograph the intro, ends the program
 * right after presented frame MW_SHIM_EXIT_AFTER_FRAMES (the benchmark's
 * finish line), and writes every web address the game asks to open into
 * MW_SHIM_URL_LOG instead of starting a browser. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static int s_frames = 0;

static void LogLine(const char* line)
{
    const char* path = getenv("MW_SHIM_URL_LOG");
    if (path == NULL)
        return;
    FILE* file = fopen(path, "a");
    if (file == NULL)
        return;
    fprintf(file, "%s\n", line);
    fclose(file);
}

__attribute__((constructor)) static void ShimLoaded(void)
{
    LogLine("shim-loaded");
}

void SDL_GL_SwapWindow(void* window)
{
    static void (*real)(void*) = NULL;
    if (real == NULL)
        real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real(window);
    ++s_frames;
    const char* last = getenv("MW_SHIM_EXIT_AFTER_FRAMES");
    if (last != NULL && s_frames >= atoi(last))
        _exit(0);
    if (s_frames == 1)
    {
        const char* hold = getenv("MW_SHIM_HOLD_MS");
        long ms = hold != NULL ? atol(hold) : 0;
        if (ms > 0)
        {
            struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
            nanosleep(&pause, NULL);
        }
    }
}

int SDL_OpenURL(const char* url)
{
    LogLine(url != NULL ? url : "(null)");
    return 0;
}
