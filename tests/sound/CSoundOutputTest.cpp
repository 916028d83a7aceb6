#include "engine/sound/CSoundOutput.h"
#include "platform/CAudioDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

TEST(CSoundOutput, WithoutADeviceTheOutputStillWorksSilentlyAfterOneLineAtMost)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    testing::internal::CaptureStderr();
    std::shared_ptr<CSoundOutput> output = CSoundOutput::Acquire();
    CAudioDevice second;
    EXPECT_FALSE(second.Open([](int16_t*, size_t) {}));
    const std::string printed = testing::internal::GetCapturedStderr();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_LE(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_FALSE(output->HasDevice());
    // Locking a closed device is harmless.
    second.Lock();
    second.Unlock();
    CSoundOutput::ScopedLock lock(*output);
    output->GetVoices().Add({1, 1});
    output->GetVoices().Start(0, true, false);
}

TEST(CSoundOutput, EffectsAndMusicShareOneOutputWhichTheMainThreadChangesWhileTheDeviceRenders)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::shared_ptr<CSoundOutput> output = CSoundOutput::Acquire();
    EXPECT_EQ(output, CSoundOutput::Acquire());
    output.reset();
    output = CSoundOutput::Acquire();   // opened again once the last holder let go
    ASSERT_TRUE(output->HasDevice());
    {
        CSoundOutput::ScopedLock lock(*output);
        output->GetVoices().Add(std::vector<int16_t>(2000, 100));
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    int passes = 0;
    // Enough passes however slowly a busy machine lets this thread run.
    while (std::chrono::steady_clock::now() < end || passes < 20)
    {
        {
            CSoundOutput::ScopedLock lock(*output);
            output->GetVoices().Start(0, passes % 3 == 0, passes % 2 == 0);
            if (passes % 50 == 0)
                output->GetRing().Reset();
        }
        output->GetRing().Refill([](int16_t* d, size_t bytes) {
            std::fill(d, d + bytes / 2, int16_t(7));
            return bytes;
        });
        ++passes;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // The device played through at least part of the ring meanwhile.
    EXPECT_GT(passes, 10);
}

// Each step: what the main thread does, frames then rendered, whether the
// output may rest afterwards.
TEST(CSoundOutput, RestsOnlyOnceNoEffectSoundsAndNoMusicWaits)
{
    std::shared_ptr<CSoundOutput> output = CSoundOutput::CreateSilent();
    output->GetVoices().Add(std::vector<int16_t>(20, 100)); // ten frames
    const size_t ring_frames = 2 * output->GetRing().GetHalfFrames();
    const struct
    {
        char action; // 'e' start the effect, 'l' loop it, 's' stop it, 'm' queue music, '-' nothing
        size_t frames;
        bool idle;
    } steps[] = {{'-', 0, true}, {'e', 0, false}, {'-', 8, false}, {'-', 8, true}, {'l', 30, false},
                 {'s', 0, true}, {'m', 0, false}, {'-', ring_frames - 1, false}, {'-', 1, true}};
    std::vector<int16_t> out(2 * ring_frames);
    for (const auto& step : steps)
    {
        if (step.action == 'e' || step.action == 'l')
            output->GetVoices().Start(0, true, step.action == 'l');
        if (step.action == 's')
            output->GetVoices().StopAll();
        if (step.action == 'm')
            output->GetRing().Refill([](int16_t*, size_t bytes) { return bytes; });
        output->Render(out.data(), step.frames);
        EXPECT_EQ(step.idle, output->IsIdle()) << step.action << " " << step.frames;
    }
}

TEST(CSoundOutput, DeviceRestsWhileSilentAndWakesForAnEffect)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::shared_ptr<CSoundOutput> output = CSoundOutput::Acquire();
    ASSERT_TRUE(output->HasDevice());
    // Up to ten seconds: a busy machine may start the device's thread late.
    for (int i = 0; i < 1000 && !output->IsResting(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(output->IsResting());
    {
        CSoundOutput::ScopedLock lock(*output);
        output->GetVoices().Add(std::vector<int16_t>(2000, 100));
        output->GetVoices().Start(output->GetVoices().GetCount() - 1, true, false);
    }
    output->Wake();
    EXPECT_FALSE(output->IsResting());
}
