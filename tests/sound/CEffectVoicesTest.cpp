#include "engine/sound/CEffectVoices.h"

#include <gtest/gtest.h>

namespace
{
// Frames counting up from `first` on the left channel, negated on the right.
std::vector<int16_t> Ramp(int frames, int first = 1)
{
    std::vector<int16_t> s;
    for (int i = 0; i < frames; ++i)
    {
        s.push_back(int16_t(first + i));
        s.push_back(int16_t(-(first + i)));
    }
    return s;
}

std::vector<int32_t> Mix(CEffectVoices& voices, size_t frames)
{
    std::vector<int32_t> acc(frames * 2, 0);
    voices.MixInto(acc.data(), frames);
    return acc;
}
}

TEST(CEffectVoices, StartedVoicePlaysOnceAndEnds)
{
    CEffectVoices voices;
    voices.Add(Ramp(3));
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{0, 0, 0, 0}));
    voices.Start(0, true, false);
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{1, -1, 2, -2}));
    EXPECT_TRUE(voices.IsPlaying(0));
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{3, -3, 0, 0}));
    EXPECT_FALSE(voices.IsPlaying(0));
}

TEST(CEffectVoices, RestartStartsOverInsteadOfLayeringAndWithoutItAPlayingVoiceGoesOn)
{
    // A four-frame ramp: after two frames played (or all of a short one), start again.
    const struct
    {
        int frames;
        bool restart;
        int32_t next;
    } cases[] = {{4, true, 1}, {4, false, 3}, {2, false, 1}};
    for (const auto& c : cases)
    {
        CEffectVoices voices;
        voices.Add(Ramp(c.frames));
        voices.Start(0, true, false);
        Mix(voices, 2);
        voices.Start(0, c.restart, false);
        EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{c.next, -c.next})) << c.frames << " " << c.restart;
    }
}

TEST(CEffectVoices, VoicesAreSummedAndALoopWrapsWithinOneMixUntilStopped)
{
    CEffectVoices voices;
    voices.Add(Ramp(2, 10));
    voices.Add(Ramp(2, 100));
    voices.Start(0, true, true);
    voices.Start(1, true, false);
    EXPECT_EQ(Mix(voices, 5), (std::vector<int32_t>{110, -110, 112, -112, 10, -10, 11, -11, 10, -10}));
    EXPECT_TRUE(voices.IsPlaying(0));
    voices.Stop(0);
    EXPECT_FALSE(voices.IsPlaying(0));
    voices.Start(0, true, true);
    voices.Start(1, true, false);
    voices.StopAll();
    EXPECT_FALSE(voices.IsPlaying(0) || voices.IsPlaying(1));
}

TEST(CEffectVoices, EmptySoundOrUnknownIndexNeverPlays)
{
    CEffectVoices voices;
    voices.Add({});
    voices.Add({7});   // half a frame
    for (size_t i : {0u, 1u, 3u})
    {
        voices.Start(i, true, true);
        EXPECT_FALSE(voices.IsPlaying(i));
    }
    voices.Stop(3);
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{0, 0}));
}
