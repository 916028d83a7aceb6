#include "engine/sound/CMusicPlayer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/sound/CSoundOutput.h"
#include "tests/files/CTempDir.h"
#include "tests/sound/ModuleBytes.h"

namespace
{
class MusicPlayerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CTempDir::WriteBytes(m_song, modulebytes::BuildSong());
        CTempDir::WriteBytes(m_other, modulebytes::BuildSong(214));
        CTempDir::WriteBytes(m_broken, std::vector<uint8_t>(2000, 0x55));
        m_output = CSoundOutput::CreateSilent();
    }

    // One pass of the main loop and then `frames` frames of the device.
    // Returns the number of non-zero samples heard.
    size_t Pass(CMusicPlayer& player, size_t frames = 4096)
    {
        player.Update();
        std::vector<int16_t> out(frames * 2);
        m_output->Render(out.data(), frames);
        size_t loud = 0;
        for (int16_t s : out)
            loud += s != 0;
        return loud;
    }

    CTempDir m_dir;
    const std::string m_song = m_dir.File("song.mod");
    const std::string m_other = m_dir.File("other.mod");
    const std::string m_broken = m_dir.File("broken.mod");
    const std::string m_missing = m_dir.File("missing.mod");
    std::shared_ptr<CSoundOutput> m_output;
};
}

TEST(CMusicPlayerVolume, VolumeIsClampedAndOnlyStoredBeforeInit)
{
    CMusicPlayer player;
    player.SetVolume(500);
    EXPECT_EQ(player.GetVolume(), 128);
    player.SetVolume(-3);
    EXPECT_EQ(player.GetVolume(), 0);
    player.SetVolume(105);
    EXPECT_EQ(player.GetVolume(), 105);
    player.AddTrack("data/music/000.mod");
    player.Play();
    player.Update();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.GetCurrent(), -1);
}

TEST_F(MusicPlayerTest, ModuleLoadsSoundsAndEnds)
{
    CMusicPlayer player;
    ASSERT_TRUE(player.Init(m_output));
    player.AddTrack(m_song);
    player.AddTrack(m_other);
    player.Play();
    EXPECT_EQ(player.GetCurrent(), 0);
    EXPECT_TRUE(player.IsPlaying());

    size_t loud = 0;
    int passes = 0;
    // The song lasts about a quarter of a second; ten seconds is plenty.
    while (player.GetCurrent() == 0 && passes < 110)
    {
        loud += Pass(player);
        ++passes;
    }
    EXPECT_GT(loud, 1000u);
    EXPECT_EQ(player.GetCurrent(), 1) << "the ended song was not followed by the next";
    // The whole ring played out before the next track started.
    EXPECT_GE(passes, int(2 * m_output->GetRing().GetHalfFrames() / 4096));
    for (int i = 0; i < 300 && player.GetCurrent() != 0; ++i)
        Pass(player);
    EXPECT_EQ(player.GetCurrent(), 0) << "after the last track comes the first";
}

TEST_F(MusicPlayerTest, BrokenOrMissingTrackIsSkippedAndThePlaylistWraps)
{
    CMusicPlayer player;
    ASSERT_TRUE(player.Init(m_output));
    player.AddTrack(m_song);
    player.AddTrack(m_broken);
    player.AddTrack(m_missing);
    player.AddTrack(m_other);
    player.Play();
    EXPECT_EQ(player.GetCurrent(), 0);
    player.Play();
    EXPECT_EQ(player.GetCurrent(), 3);
    EXPECT_TRUE(player.IsPlaying());
    player.Play();
    EXPECT_EQ(player.GetCurrent(), 0);
    EXPECT_GT(Pass(player), 0u);
}

TEST_F(MusicPlayerTest, PlaylistWithNothingLoadableStopsAfterOneLap)
{
    CMusicPlayer player;
    ASSERT_TRUE(player.Init(m_output));
    player.AddTrack(m_broken);
    player.AddTrack(m_missing);
    player.Play();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(Pass(player) + Pass(player), 0u);
    EXPECT_EQ(player.GetCurrent(), 1) << "retried on a pass";
}

TEST_F(MusicPlayerTest, VolumeZeroStopsAndALaterVolumeStartsTheNextTrack)
{
    CMusicPlayer player;
    ASSERT_TRUE(player.Init(m_output));
    player.AddTrack(m_song);
    player.AddTrack(m_other);
    player.Play();
    Pass(player);
    player.SetVolume(0);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(Pass(player), 0u);
    player.SetVolume(63);
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_EQ(player.GetCurrent(), 1);
    // Between non-zero volumes the track goes on.
    player.SetVolume(84);
    EXPECT_EQ(player.GetCurrent(), 1);
}

TEST_F(MusicPlayerTest, TrackStartedAtVolumeZeroPlaysSilentlyAndStopSilencesTheRingAtOnce)
{
    CMusicPlayer player;
    player.SetVolume(0);
    ASSERT_TRUE(player.Init(m_output));
    player.AddTrack(m_song);
    player.Play();
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_EQ(Pass(player), 0u);
    player.SetVolume(100);
    player.Play();
    EXPECT_GT(Pass(player, 256), 0u);
    player.Stop();
    EXPECT_TRUE(m_output->GetRing().IsFresh());
    EXPECT_EQ(Pass(player), 0u);
}

TEST_F(MusicPlayerTest, OnlyOnePlayerOwnsTheLibraryUntilItIsGoneAndTheOtherStaysHarmless)
{
    {
        CMusicPlayer first;
        ASSERT_TRUE(first.Init(m_output));
        CMusicPlayer second;
        EXPECT_FALSE(second.Init(CSoundOutput::CreateSilent()));
        second.AddTrack(m_song);
        second.Play();
        second.Update();
        EXPECT_FALSE(second.IsPlaying());
        first.AddTrack(m_song);
        first.Play();
        Pass(first);
    }
    CMusicPlayer again;
    ASSERT_TRUE(again.Init(m_output));
    again.AddTrack(m_song);
    again.Play();
    EXPECT_GT(Pass(again), 0u);
}
