#include "platform/CAudioDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace
{
size_t CountLines(const std::string& text)
{
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}
}

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

TEST(CAudioDevice, MissingDeviceFailsQuietlyWithOneLineAtMost)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    testing::internal::CaptureStderr();
    CAudioDevice first;
    CAudioDevice second;
    EXPECT_FALSE(first.Open([](int16_t*, size_t) {}));
    EXPECT_FALSE(second.Open([](int16_t*, size_t) {}));
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_LE(CountLines(printed), 1u);
    EXPECT_FALSE(first.IsOpen());
    // Locking a closed device is harmless.
    first.Lock();
    first.Unlock();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
