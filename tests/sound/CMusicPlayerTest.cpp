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

    // Inits the player on the silent output, fills the playlist and plays.
    void Start(CMusicPlayer& player, const std::vector<std::string>& tracks)
    {
        ASSERT_TRUE(player.Init(m_output));
        for (const std::string& track : tracks)
            player.AddTrack(track);
        player.Play();
    }

    CTempDir m_dir;
    const std::string m_song = m_dir.File("song.mod");
    const std::string m_other = m_dir.File("other.mod");
    const std::string m_broken = m_dir.File("broken.mod");
    const std::string m_missing = m_dir.File("missing.mod");
    std::shared_ptr<CSoundOutput> m_output;
    CMusicPlayer m_player;
};
}

TEST(CMusicPlayerVolume, VolumeIsClampedAndOnlyStoredBeforeInit)
{
    CMusicPlayer player;
    for (const auto& volume : {std::make_pair(500, 128), std::make_pair(-3, 0), std::make_pair(105, 105)})
    {
        player.SetVolume(volume.first);
        EXPECT_EQ(player.GetVolume(), volume.second);
    }
    player.AddTrack("data/music/000.mod");
    player.Play();
    player.Update();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.GetCurrent(), -1);
}

TEST_F(MusicPlayerTest, ModuleLoadsSoundsAndEnds)
{
    Start(m_player, {m_song, m_other});
    EXPECT_EQ(m_player.GetCurrent(), 0);
    EXPECT_TRUE(m_player.IsPlaying());

    size_t loud = 0;
    int passes = 0;
    // The song lasts about a quarter of a second; ten seconds is plenty.
    while (m_player.GetCurrent() == 0 && passes < 110)
    {
        loud += Pass(m_player);
        ++passes;
    }
    EXPECT_GT(loud, 1000u);
    EXPECT_EQ(m_player.GetCurrent(), 1) << "the ended song was not followed by the next";
    // The whole ring played out before the next track started.
    EXPECT_GE(passes, int(2 * m_output->GetRing().GetHalfFrames() / 4096));
    for (int i = 0; i < 300 && m_player.GetCurrent() != 0; ++i)
        Pass(m_player);
    EXPECT_EQ(m_player.GetCurrent(), 0) << "after the last track comes the first";
}

TEST_F(MusicPlayerTest, BrokenOrMissingTrackIsSkippedAndThePlaylistWraps)
{
    Start(m_player, {m_song, m_broken, m_missing, m_other});
    EXPECT_EQ(m_player.GetCurrent(), 0);
    m_player.Play();
    EXPECT_EQ(m_player.GetCurrent(), 3);
    EXPECT_TRUE(m_player.IsPlaying());
    m_player.Play();
    EXPECT_EQ(m_player.GetCurrent(), 0);
    EXPECT_GT(Pass(m_player), 0u);
}

TEST_F(MusicPlayerTest, PlaylistWithNothingLoadableStopsAfterOneLap)
{
    Start(m_player, {m_broken, m_missing});
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(Pass(m_player) + Pass(m_player), 0u);
    EXPECT_EQ(m_player.GetCurrent(), 1) << "retried on a pass";
}

TEST_F(MusicPlayerTest, VolumeZeroStopsAndALaterVolumeStartsTheNextTrack)
{
    Start(m_player, {m_song, m_other});
    Pass(m_player);
    m_player.SetVolume(0);
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(Pass(m_player), 0u);
    m_player.SetVolume(63);
    EXPECT_TRUE(m_player.IsPlaying());
    EXPECT_EQ(m_player.GetCurrent(), 1);
    // Between non-zero volumes the track goes on.
    m_player.SetVolume(84);
    EXPECT_EQ(m_player.GetCurrent(), 1);
}

TEST_F(MusicPlayerTest, TrackStartedAtVolumeZeroPlaysSilentlyAndStopSilencesTheRingAtOnce)
{
    m_player.SetVolume(0);
    Start(m_player, {m_song});
    EXPECT_TRUE(m_player.IsPlaying());
    EXPECT_EQ(Pass(m_player), 0u);
    m_player.SetVolume(100);
    m_player.Play();
    EXPECT_GT(Pass(m_player, 256), 0u);
    m_player.Stop();
    EXPECT_TRUE(m_output->GetRing().IsFresh());
    EXPECT_EQ(Pass(m_player), 0u);
}

TEST_F(MusicPlayerTest, OnlyOnePlayerOwnsTheLibraryUntilItIsGoneAndTheOtherStaysHarmless)
{
    {
        CMusicPlayer first;
        Start(first, {m_song});
        CMusicPlayer second;
        EXPECT_FALSE(second.Init(CSoundOutput::CreateSilent()));
        second.AddTrack(m_song);
        second.Play();
        second.Update();
        EXPECT_FALSE(second.IsPlaying());
        Pass(first);
    }
    CMusicPlayer again;
    Start(again, {m_song});
    EXPECT_GT(Pass(again), 0u);
}
