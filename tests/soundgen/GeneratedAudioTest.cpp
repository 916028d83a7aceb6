#include "tools/soundgen/CEffectBank.h"
#include "tools/soundgen/CFileWriter.h"
#include "tools/soundgen/CModuleRenderer.h"
#include "tools/soundgen/CSongBook.h"
#include "tools/soundgen/CWavReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// Runs the real generator into a fresh directory, once per test program.
class GeneratedAudio : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_first = Generate("first");
        s_second = Generate("second");
    }

    static void TearDownTestSuite()
    {
        std::error_code ec;
        fs::remove_all(s_first, ec);
        fs::remove_all(s_second, ec);
    }

    static std::string Generate(const std::string& name)
    {
        fs::path dir = fs::temp_directory_path() / ("mw_soundgen_" + std::to_string(::getpid()) + "_" + name);
        fs::remove_all(dir);
        std::string command = std::string(MW_SOUNDGEN_BIN) + " " + dir.string();
        EXPECT_EQ(std::system(command.c_str()), 0);
        return dir.string();
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

    static std::string s_first;
    static std::string s_second;
};

std::string GeneratedAudio::s_first;
std::string GeneratedAudio::s_second;
}

TEST_F(GeneratedAudio, TwoRunsWriteIdenticalFiles)
{
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

TEST_F(GeneratedAudio, NoTemporaryFileIsLeftBehind)
{
    for (const auto& entry : fs::recursive_directory_iterator(s_first))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST_F(GeneratedAudio, EveryEffectFileIsWellFormedPcm)
{
    for (const SEffectFile& f : CEffectBank::GetFiles())
    {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(CFileWriter::ReadWhole(s_first + "/" + f.m_path, bytes)) << f.m_path;
        SWavInfo info;
        std::string error;
        ASSERT_TRUE(CWavReader::Parse(bytes, info, error)) << f.m_path << ": " << error;
        EXPECT_TRUE(info.m_rate == 44100 || info.m_rate == 22050) << f.m_path;
        EXPECT_GT(info.m_samples.size(), 1000u) << f.m_path;
    }
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
