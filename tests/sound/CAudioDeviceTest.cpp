#include "platform/CAudioDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

TEST(CAudioDevice, DummyDriverOpensAndCallsTheRenderFunction)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::atomic<size_t> frames{0};
    CAudioDevice device;
    ASSERT_TRUE(device.Open([&](int16_t* out, size_t n) {
        for (size_t i = 0; i < n * 2; ++i)
            out[i] = 0;
        frames += n;
    }));
    EXPECT_TRUE(device.IsOpen());
    // Up to ten seconds: a busy machine may start the device's thread late.
    for (int i = 0; i < 1000 && frames == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    device.Lock();
    device.Unlock();
    device.Close();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_GT(frames.load(), 0u);
}

