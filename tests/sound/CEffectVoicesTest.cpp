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

TEST(CEffectVoices, NewVoiceIsSilentUntilStarted)
{
    CEffectVoices voices;
    voices.Add(Ramp(4));
    EXPECT_FALSE(voices.IsPlaying(0));
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST(CEffectVoices, StartedVoicePlaysOnceAndEnds)
{
    CEffectVoices voices;
    voices.Add(Ramp(3));
    voices.Start(0, true, false);
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{1, -1, 2, -2}));
    EXPECT_TRUE(voices.IsPlaying(0));
    EXPECT_EQ(Mix(voices, 2), (std::vector<int32_t>{3, -3, 0, 0}));
    EXPECT_FALSE(voices.IsPlaying(0));
}

TEST(CEffectVoices, RestartStartsOverInsteadOfLayering)
{
    CEffectVoices voices;
    voices.Add(Ramp(4));
    voices.Start(0, true, false);
    Mix(voices, 2);
    voices.Start(0, true, false);
    // A layered copy would give 1+3 here.
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{1, -1}));
}

TEST(CEffectVoices, StartWithoutRestartLeavesAPlayingVoiceAlone)
{
    CEffectVoices voices;
    voices.Add(Ramp(4));
    voices.Start(0, true, false);
    Mix(voices, 2);
    voices.Start(0, false, false);
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{3, -3}));
}

TEST(CEffectVoices, StartWithoutRestartStartsAnEndedVoiceFromTheBeginning)
{
    CEffectVoices voices;
    voices.Add(Ramp(2));
    voices.Start(0, true, false);
    Mix(voices, 4);
    voices.Start(0, false, false);
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{1, -1}));
}

TEST(CEffectVoices, LoopingVoiceWrapsWithinOneMix)
{
    CEffectVoices voices;
    voices.Add(Ramp(2));
    voices.Start(0, true, true);
    EXPECT_EQ(Mix(voices, 5), (std::vector<int32_t>{1, -1, 2, -2, 1, -1, 2, -2, 1, -1}));
    EXPECT_TRUE(voices.IsPlaying(0));
    voices.Stop(0);
    EXPECT_FALSE(voices.IsPlaying(0));
}

TEST(CEffectVoices, VoicesOfDifferentSoundsAreSummed)
{
    CEffectVoices voices;
    voices.Add(Ramp(2, 10));
    voices.Add(Ramp(2, 100));
    voices.Start(0, true, false);
    voices.Start(1, true, false);
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{110, -110}));
    voices.StopAll();
    EXPECT_FALSE(voices.IsPlaying(0));
    EXPECT_FALSE(voices.IsPlaying(1));
}

TEST(CEffectVoices, UnknownIndexIsIgnored)
{
    CEffectVoices voices;
    voices.Start(3, true, false);
    voices.Stop(3);
    EXPECT_FALSE(voices.IsPlaying(3));
}

TEST(CEffectVoices, EmptySoundNeverPlays)
{
    CEffectVoices voices;
    voices.Add({});
    voices.Add({7}); // half a frame
    voices.Start(0, true, true);
    voices.Start(1, true, true);
    EXPECT_FALSE(voices.IsPlaying(0));
    EXPECT_FALSE(voices.IsPlaying(1));
    EXPECT_EQ(Mix(voices, 1), (std::vector<int32_t>{0, 0}));
}
