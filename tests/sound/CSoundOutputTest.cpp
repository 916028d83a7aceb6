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
