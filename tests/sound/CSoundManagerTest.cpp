#include "engine/sound/CSoundManager.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/sound/CSoundOutput.h"
#include "tests/files/CTempDir.h"
#include "tests/sound/WaveBytes.h"

using namespace wavebytes;

namespace
{
class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CTempDir::WriteBytes(m_beep, Pcm16(1, std::vector<int16_t>(100, 1000)));
        CTempDir::WriteBytes(m_boop, Pcm16(1, std::vector<int16_t>(100, 10)));
        m_output = CSoundOutput::CreateSilent();
        ASSERT_TRUE(m_manager.Init(m_output));
    }

    // First left sample of the next rendered frames.
    int16_t RenderFirst(size_t frames = 10)
    {
        std::vector<int16_t> out(frames * 2);
        m_output->Render(out.data(), frames);
        return out[0];
    }

    CTempDir m_dir;
    const std::string m_beep = m_dir.File("beep.wav");
    const std::string m_boop = m_dir.File("boop.wav");
    std::shared_ptr<CSoundOutput> m_output;
    CSoundManager m_manager;
};
}

// The ids are made from file groups; overlapping groups would hide a sound.
TEST(CSoundManagerTable, EveryIdNamesOneSound)
{
    std::set<int> ids;
    for (const auto& entry : CSoundManager::StandardTable())
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
}

TEST(CSoundManagerNoOutput, LoadFailsAndPlayDoesNothing)
{
    CSoundManager manager;
    EXPECT_FALSE(manager.Load("data/i1.wav", 51));
    manager.Play(51, true, false);
    EXPECT_FALSE(manager.IsPlaying(51));
    EXPECT_FALSE(manager.Init(nullptr));
}

TEST_F(SoundManagerTest, PlayedSoundsAreHeardSummedUnderTheFirstSoundLoadedForTheirId)
{
    ASSERT_TRUE(m_manager.Load(m_beep, 51));
    ASSERT_TRUE(m_manager.Load(m_boop, 51));
    m_manager.Play(52, true, false);
    EXPECT_EQ(RenderFirst(), 0);
    m_manager.Play(51, true, false);
    EXPECT_TRUE(m_manager.IsPlaying(51));
    EXPECT_EQ(RenderFirst(), 1000);
    RenderFirst(100);
    EXPECT_FALSE(m_manager.IsPlaying(51));
    ASSERT_TRUE(m_manager.Load(m_boop, 52));
    m_manager.Play(51, true, false);
    m_manager.Play(52, true, false);
    EXPECT_EQ(RenderFirst(), 1010);
}

TEST_F(SoundManagerTest, DisabledEffectsDoNotPlayButDoNotCutAPlayingOneAndALoopPlaysUntilStopped)
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
    m_manager.Play(52, false, true);
    RenderFirst(1000);
    EXPECT_TRUE(m_manager.IsPlaying(52)) << "looped";
    m_manager.StopAll();
    EXPECT_FALSE(m_manager.IsPlaying(52));
    EXPECT_EQ(RenderFirst(), 0);
}

TEST_F(SoundManagerTest, MissingOrBrokenFileOnlySilencesItsId)
{
    const std::string broken = m_dir.File("broken.wav");
    CTempDir::WriteBytes(broken, Bytes{'R', 'I', 'F', 'F', 1, 2});
    const std::vector<CSoundManager::Entry> table = {
        {51, m_beep}, {52, m_dir.File("missing.wav")}, {53, broken}, {101, m_boop}};
    EXPECT_EQ(m_manager.LoadTable(table), 2u);
    EXPECT_EQ(m_manager.GetCount(), 2u);
    EXPECT_EQ(m_manager.FindSound(51), 0u);
    EXPECT_EQ(m_manager.FindSound(52), 2u);
    EXPECT_EQ(m_manager.FindSound(101), 1u);
    m_manager.Play(52, true, false);
    EXPECT_EQ(RenderFirst(), 0);
    m_manager.Play(101, true, false);
    EXPECT_EQ(RenderFirst(), 10);
}

