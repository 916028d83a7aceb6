#include "engine/sound/CSoundManager.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/sound/CSoundOutput.h"
#include "tests/sound/WaveBytes.h"

using namespace wavebytes;

namespace
{
class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = testing::TempDir();
        m_beep = UniquePath(m_dir, "manager_beep.wav");
        m_boop = UniquePath(m_dir, "manager_boop.wav");
        ASSERT_TRUE(WriteFile(m_beep, Pcm16(1, std::vector<int16_t>(100, 1000))));
        ASSERT_TRUE(WriteFile(m_boop, Pcm16(1, std::vector<int16_t>(100, 10))));
        m_output = CSoundOutput::CreateSilent();
        ASSERT_TRUE(m_manager.Init(m_output));
    }

    void TearDown() override
    {
        std::remove(m_beep.c_str());
        std::remove(m_boop.c_str());
    }

    // First left sample of the next rendered frames.
    int16_t RenderFirst(size_t frames = 10)
    {
        std::vector<int16_t> out(frames * 2);
        m_output->Render(out.data(), frames);
        return out[0];
    }

    std::string m_dir, m_beep, m_boop;
    std::shared_ptr<CSoundOutput> m_output;
    CSoundManager m_manager;
};
}

TEST(CSoundManagerTable, HoldsTheFortySevenSoundsWithTheirIds)
{
    const auto& table = CSoundManager::StandardTable();
    ASSERT_EQ(table.size(), 47u);
    std::set<int> ids;
    for (const auto& entry : table)
        ids.insert(entry.id);
    EXPECT_EQ(ids.size(), 47u);
    EXPECT_EQ(table[0].id, 51);
    EXPECT_EQ(table[0].path, "data/i1.wav");
    EXPECT_EQ(table[2].id, 53);
    EXPECT_EQ(table[2].path, "data/i3.wav");
    EXPECT_EQ(table[3].id, 101);
    EXPECT_EQ(table[3].path, "data/wav/era01.wav");
    EXPECT_EQ(table.back().id, 172);
    EXPECT_EQ(table.back().path, "data/wav/fil02.wav");
    for (const auto& entry : table)
    {
        if (entry.id == 130)
        {
            EXPECT_EQ(entry.path, "data/wav/rev00.wav");
        }
        if (entry.id == 147)
        {
            EXPECT_EQ(entry.path, "data/wav/cru07.wav");
        }
        if (entry.id == 126)
        {
            EXPECT_EQ(entry.path, "data/wav/sli06.wav");
        }
        EXPECT_FALSE(entry.id == 140 || entry.id == 110 || entry.id == 127);
    }
}

TEST(CSoundManagerNoOutput, LoadFailsAndPlayDoesNothing)
{
    CSoundManager manager;
    EXPECT_FALSE(manager.Load("data/i1.wav", 51));
    manager.Play(51, true, false);
    EXPECT_FALSE(manager.IsPlaying(51));
    EXPECT_FALSE(manager.Init(nullptr));
}

TEST_F(SoundManagerTest, PlayingAnIdNeverLoadedDoesNothing)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    m_manager.Play(52, true, false);
    EXPECT_FALSE(m_manager.IsPlaying(51));
    EXPECT_EQ(RenderFirst(), 0);
}

TEST_F(SoundManagerTest, PlayedSoundIsHeardInTheOutput)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    m_manager.Play(51, true, false);
    EXPECT_TRUE(m_manager.IsPlaying(51));
    EXPECT_EQ(RenderFirst(), 1000);
    RenderFirst(100);
    EXPECT_FALSE(m_manager.IsPlaying(51));
}

TEST_F(SoundManagerTest, DisabledEffectsDoNotPlayButDoNotCutAPlayingOne)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    ASSERT_TRUE(m_manager.Load(m_boop, 52));
    m_manager.Play(51, true, false);
    m_manager.Disable();
    m_manager.Play(52, true, false);
    EXPECT_TRUE(m_manager.IsPlaying(51));
    EXPECT_FALSE(m_manager.IsPlaying(52));
    EXPECT_EQ(RenderFirst(), 1000);
    m_manager.Enable();
    m_manager.Play(52, true, false);
    EXPECT_TRUE(m_manager.IsPlaying(52));
}

TEST_F(SoundManagerTest, RestartFalseLetsAPlayingSoundGoOn)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    m_manager.Play(51, true, false);
    RenderFirst(90);
    m_manager.Play(51, false, false);
    RenderFirst(10);
    EXPECT_FALSE(m_manager.IsPlaying(51)); // ran out: it was not started over
    m_manager.Play(51, false, false);
    EXPECT_TRUE(m_manager.IsPlaying(51));
}

TEST_F(SoundManagerTest, RestartTrueStartsOverFromTheBeginning)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    m_manager.Play(51, true, false);
    RenderFirst(90);
    m_manager.Play(51, true, false);
    RenderFirst(10);
    EXPECT_TRUE(m_manager.IsPlaying(51));
}

TEST_F(SoundManagerTest, LoopedSoundPlaysUntilStopped)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    m_manager.Play(51, true, true);
    RenderFirst(1000);
    EXPECT_TRUE(m_manager.IsPlaying(51));
    m_manager.StopAll();
    EXPECT_FALSE(m_manager.IsPlaying(51));
    EXPECT_EQ(RenderFirst(), 0);
}

TEST_F(SoundManagerTest, MissingOrBrokenFileOnlySilencesItsId)
{
    const std::string broken = UniquePath(m_dir, "manager_broken.wav");
    ASSERT_TRUE(WriteFile(broken, Bytes{'R', 'I', 'F', 'F', 1, 2}));
    const std::vector<CSoundManager::Entry> table = {
        {51, m_beep}, {52, m_dir + "manager_missing.wav"}, {53, broken}, {101, m_boop}};
    EXPECT_EQ(m_manager.LoadTable(table), 2u);
    EXPECT_EQ(m_manager.GetCount(), 2u);
    EXPECT_EQ(m_manager.FindSound(51), 0u);
    EXPECT_EQ(m_manager.FindSound(52), 2u);
    EXPECT_EQ(m_manager.FindSound(101), 1u);
    m_manager.Play(52, true, false);
    EXPECT_EQ(RenderFirst(), 0);
    m_manager.Play(101, true, false);
    EXPECT_EQ(RenderFirst(), 10);
    std::remove(broken.c_str());
}

TEST_F(SoundManagerTest, AnIdNamesTheFirstSoundLoadedUnderIt)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    ASSERT_TRUE(m_manager.Load(m_boop, 51));
    m_manager.Play(51, true, false);
    EXPECT_EQ(RenderFirst(), 1000);
}

TEST_F(SoundManagerTest, TwoSoundsAtOnceAreSummed)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    ASSERT_TRUE(m_manager.Load(m_boop, 52));
    m_manager.Play(51, true, false);
    m_manager.Play(52, true, false);
    EXPECT_EQ(RenderFirst(), 1010);
}
