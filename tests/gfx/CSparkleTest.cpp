#include "engine/gfx/CBackSparkle.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkle.h"
#include "engine/gfx/CSparkleLists.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace
{
// Hands out the given values in a loop, so each test knows every draw.
SparkleRandom Script(std::vector<int> values)
{
    auto state = std::make_shared<std::pair<std::vector<int>, size_t>>(std::move(values), 0);
    return [state]() {
        int value = state->first[state->second % state->first.size()];
        ++state->second;
        return value;
    };
}

SparkleRandom Seeded(unsigned seed)
{
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine]() { return static_cast<int>((*engine)() & 0x7fffffff); };
}

class CSparkleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CBackSparkle::ResetDrift();
        std::string sheet = m_files.WriteTga("sparkle.tga", 64, 48);
        std::string spr = m_files.Write("sparkle.spr", "file_name " + sheet + "\nframes 4\ngroups 6\n");
        m_manager = std::make_unique<CResManager>(&m_pack);
        for (const char* name : {CSparkleLists::kFrontSprite, CSparkleLists::kBackSprite})
            m_manager->AddSprite(spr.c_str(), name);
    }

    CSprite* Back() { return m_manager->FindSprite(CSparkleLists::kBackSprite); }

    CGfxTestFiles m_files;
    CFilePack m_pack;
    std::unique_ptr<CResManager> m_manager;
};
}

TEST_F(CSparkleTest, WithoutAResourceManagerNothingHappens)
{
    CSparkleLists lists(Seeded(1));
    lists.AddSparkle(CVector4(1, 2, 3), 2);
    lists.AddBackSparkle();
    for (int i = 0; i < 50; ++i)
    {
        lists.UpdateBackSparkles();
        lists.UpdateSparkles();
    }
    lists.DrawSparkles();
    lists.DrawBackSparkles();
    EXPECT_TRUE(lists.GetSparkles().empty());
    EXPECT_TRUE(lists.GetBackSparkles().empty());
}

TEST_F(CSparkleTest, FrontSparklesLiveSixtySevenToOneHundredUpdates)
{
    CSparkleLists lists(Seeded(7));
    lists.SetResManager(m_manager.get());
    for (int i = 0; i < 50; ++i)
    {
        lists.AddSparkle(CVector4(400, 300, 0), i % 6);
    }
    for (const auto& sparkle : lists.GetSparkles())
        EXPECT_LT(sparkle->GetFrame(), 4);
    for (int i = 0; i < 66; ++i)
    {
        lists.UpdateSparkles();
    }
    EXPECT_EQ(lists.GetSparkles().size(), 50u);
    // The slowest fade, 0.01, leaves a rounding crumb after exactly 100 steps.
    for (int i = 66; i < 101; ++i)
    {
        lists.UpdateSparkles();
    }
    EXPECT_TRUE(lists.GetSparkles().empty());
}

TEST_F(CSparkleTest, BackSparkleAtTheTopEdgeStaysUntilItPassesIt)
{
    CBackSparkle sparkle(Back(), Script({0}));
    sparkle.SetPosition(CVector4(100, -49.5f, 0));
    sparkle.SetVelocity(CVector4(0, -0.5f, 0));
    EXPECT_FALSE(sparkle.Update());
    EXPECT_FLOAT_EQ(sparkle.GetPosition().y, -50.0f);
    EXPECT_TRUE(sparkle.Update());
}

TEST_F(CSparkleTest, DriftCannotPushASparklePastItsTopSpeed)
{
    // Countdown runs out at once: 900 + 0 steps of drift (199 - 100) / 10000.
    CBackSparkle::UpdateDrift(Script({0, 199}));
    EXPECT_FLOAT_EQ(CBackSparkle::GetDrift(), 0.0099f);
    CBackSparkle sparkle(Back(), Script({0}));
    sparkle.SetVelocity(CVector4(0.495f, -0.1f, 0));
    sparkle.Update();
    EXPECT_FLOAT_EQ(sparkle.GetVelocity().x, 0.5f);
    sparkle.Update();
    EXPECT_FLOAT_EQ(sparkle.GetVelocity().x, 0.5f);
}

TEST_F(CSparkleTest, NeighboursThatFinishTogetherAreBothRemoved)
{
    // 0 % 20 is not 5: no new sparkle appears during the updates.
    CSparkleLists lists(Script({0}));
    lists.SetResManager(m_manager.get());
    for (int i = 0; i < 4; ++i)
    {
        lists.AddBackSparkle();
    }
    for (size_t i : {1u, 2u})
    {
        lists.GetBackSparkle(i)->SetPosition(CVector4(0, -49.9f, 0));
        lists.GetBackSparkle(i)->SetVelocity(CVector4(0, -1.0f, 0));
    }
    lists.GetBackSparkle(3)->SetPosition(CVector4(7, 300, 0));
    lists.UpdateBackSparkles();
    ASSERT_EQ(lists.GetBackSparkles().size(), 2u);
    EXPECT_GT(lists.GetBackSparkles()[1]->GetPosition().y, 299.0f);
}

TEST_F(CSparkleTest, UpdateStartsABackSparkleWhenTheDrawIsFive)
{
    // Wind step draws two values, then 25 % 20 == 5 starts a sparkle.
    CSparkleLists lists(Script({0, 0, 25, 1, 2, 3, 4, 5, 6}));
    lists.SetResManager(m_manager.get());
    lists.UpdateBackSparkles();
    EXPECT_EQ(lists.GetBackSparkles().size(), 1u);
}

