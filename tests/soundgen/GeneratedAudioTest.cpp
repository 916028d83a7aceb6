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
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Runs the real generator into a fresh directory under `dir`.
std::string Generate(const CTempDir& dir, const std::string& name)
{
    const std::string path = dir.File(name);
    EXPECT_EQ(std::system((std::string(MW_SOUNDGEN_BIN) + " " + path).c_str()), 0);
    return path;
}

// Every sound effect and tune, as the game names them.
std::vector<std::string> AllPaths()
{
    std::vector<std::string> paths;
    for (const SEffectFile& f : CEffectBank::GetFiles())
        paths.push_back(f.m_path);
    for (int i = 0; i < 15; ++i)
        paths.push_back(CSongBook::PathOf(i));
    return paths;
}
}

// Nothing else is left behind: no temporary file of a torn write.
TEST(GeneratedAudio, TwoRunsWriteIdenticalFilesAndNothingElse)
{
    const CTempDir dir;
    const std::string first = Generate(dir, "first");
    const std::string second = Generate(dir, "second");
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(first))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, AllPaths().size());
    for (const std::string& path : AllPaths())
    {
        std::vector<uint8_t> a;
        std::vector<uint8_t> b;
        ASSERT_TRUE(CFileWriter::ReadWhole(first + "/" + path, a)) << path;
        ASSERT_TRUE(CFileWriter::ReadWhole(second + "/" + path, b)) << path;
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
    const std::vector<std::string> paths = AllPaths();
    EXPECT_EQ(std::vector<std::string>(paths.end() - 15, paths.end()), CMusicPlayer::StandardPlaylist());
}

TEST(GeneratedAudio, EveryModuleLoadsPlaysOnceAndEndsInSilence)
{
    const CTempDir dir;
    const std::string first = Generate(dir, "first");
    for (int i = 0; i < 15; ++i)
    {
        std::string path = first + "/" + CSongBook::PathOf(i);
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
