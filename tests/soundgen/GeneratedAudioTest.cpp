#include "engine/sound/CMusicPlayer.h"
#include "engine/sound/CSoundManager.h"
#include "tests/files/CTempDir.h"
#include "tools/soundgen/CEffectBank.h"
#include "tools/soundgen/CFileWriter.h"
#include "tools/soundgen/CModuleRenderer.h"
#include "tools/soundgen/CSongBook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <memory>

namespace
{
namespace fs = std::filesystem;

// Runs the real generator into a fresh directory, once per test program.
class GeneratedAudio : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<CTempDir>();
        s_first = Generate("first");
        s_second = Generate("second");
    }

    static void TearDownTestSuite() { s_dir.reset(); }

    static std::string Generate(const std::string& name)
    {
        const std::string dir = s_dir->File(name);
        EXPECT_EQ(std::system((std::string(MW_SOUNDGEN_BIN) + " " + dir).c_str()), 0);
        return dir;
    }

    static std::vector<std::string> AllPaths()
    {
        std::vector<std::string> paths;
        for (const SEffectFile& f : CEffectBank::GetFiles())
            paths.push_back(f.m_path);
        for (int i = 0; i < 15; ++i)
            paths.push_back(CSongBook::PathOf(i));
        return paths;
    }

    static std::unique_ptr<CTempDir> s_dir;
    static std::string s_first;
    static std::string s_second;
};

std::unique_ptr<CTempDir> GeneratedAudio::s_dir;
std::string GeneratedAudio::s_first;
std::string GeneratedAudio::s_second;
}

// Nothing else is left behind: no temporary file of a torn write.
TEST_F(GeneratedAudio, TwoRunsWriteIdenticalFilesAndNothingElse)
{
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(s_first))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, AllPaths().size());
    for (const std::string& path : AllPaths())
    {
        std::vector<uint8_t> a;
        std::vector<uint8_t> b;
        ASSERT_TRUE(CFileWriter::ReadWhole(s_first + "/" + path, a)) << path;
        ASSERT_TRUE(CFileWriter::ReadWhole(s_second + "/" + path, b)) << path;
        EXPECT_FALSE(a.empty()) << path;
        EXPECT_EQ(a, b) << path;
    }
}

TEST(GeneratedAudioNames, EverySoundAndTuneTheGameLoadsIsGeneratedUnderItsName)
{
    std::vector<std::pair<int, std::string>> game;
    for (const CSoundManager::Entry& entry : CSoundManager::StandardTable())
        game.emplace_back(entry.id, entry.path);
    std::vector<std::pair<int, std::string>> generated;
    for (const SEffectFile& file : CEffectBank::GetFiles())
        generated.emplace_back(file.m_id, file.m_path);
    std::sort(game.begin(), game.end());
    std::sort(generated.begin(), generated.end());
    EXPECT_EQ(generated, game);
    const std::vector<std::string> playlist = CMusicPlayer::StandardPlaylist();
    ASSERT_EQ(playlist.size(), 15u);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(CSongBook::PathOf(i), playlist[static_cast<std::size_t>(i)]);
}

TEST_F(GeneratedAudio, EveryModuleLoadsPlaysOnceAndEndsInSilence)
{
    for (int i = 0; i < 15; ++i)
    {
        std::string path = s_first + "/" + CSongBook::PathOf(i);
        SRenderResult r;
        ASSERT_TRUE(CModuleRenderer::Render(path, 200.0, r)) << path;
        EXPECT_TRUE(r.m_ended) << path << " still playing after " << r.m_seconds << " s";
        EXPECT_GE(r.m_seconds, 60.0) << path;
        EXPECT_LE(r.m_seconds, 181.0) << path;
        EXPECT_EQ(r.m_clipped, 0) << path;
        EXPECT_LT(r.m_peak, 0.95) << path;
        EXPECT_GT(r.m_rms, 0.05) << path << " is too quiet";
        EXPECT_LT(r.m_quietFraction, 0.05) << path << " has silent stretches";
        EXPECT_LT(r.m_tailPeak, 0.002) << path << " does not end in silence";
        // Neither side of the stereo image may be left nearly empty.
        EXPECT_GT(r.m_leftRms, r.m_rightRms * 0.6) << path;
        EXPECT_GT(r.m_rightRms, r.m_leftRms * 0.6) << path;
    }
}

TEST(CModuleRenderer, MissingFileDoesNotLoad)
{
    SRenderResult r;
    EXPECT_FALSE(CModuleRenderer::Render("/nonexistent/none.mod", 1.0, r));
    EXPECT_FALSE(r.m_loaded);
}
