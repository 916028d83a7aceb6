#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/files/CFilePack.h"
#include "engine/frame/CGameApp.h"

namespace
{
// Runs each test in a fresh directory laid out like the game directory.
class CGameAppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/mw_app_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        m_dir = pattern;
        char cwd[4096];
        ASSERT_NE(nullptr, getcwd(cwd, sizeof(cwd)));
        m_old_dir = cwd;
        ASSERT_EQ(0, chdir(m_dir.c_str()));
        ASSERT_EQ(0, system("mkdir -p dat data"));
    }
    void TearDown() override
    {
        ASSERT_EQ(0, chdir(m_old_dir.c_str()));
        const std::string command = "rm -rf '" + m_dir + "'";
        ASSERT_EQ(0, system(command.c_str()));
    }
    static void WriteParams(const std::string& text)
    {
        std::ofstream out("dat/param.txt", std::ios::binary);
        out << text;
    }

    std::string m_dir;
    std::string m_old_dir;
};
}

TEST(CGameAppAddress, PlainValueGetsTheWebScheme)
{
    EXPECT_EQ("http://example.org/game", CGameApp::MakeWebAddress("example.org/game"));
}

TEST(CGameAppAddress, ValueWithASchemeIsKept)
{
    EXPECT_EQ("https://example.org", CGameApp::MakeWebAddress("https://example.org"));
}

TEST(CGameAppAddress, MissingValueGivesNoAddress)
{
    EXPECT_EQ("", CGameApp::MakeWebAddress("0"));
    EXPECT_EQ("", CGameApp::MakeWebAddress(""));
}

TEST_F(CGameAppTest, ReadsTheTwoAddressesAndRegistersItself)
{
    WriteParams("gameurl example.org/game\nsiteurl example.org\n");
    {
        CGameApp app;
        EXPECT_EQ(&app, CGameApp::Get());
        EXPECT_EQ("http://example.org/game", app.GetGameUrl());
        EXPECT_EQ("http://example.org", app.GetSiteUrl());
        EXPECT_NE(nullptr, CFilePack::GetAppPack());
        EXPECT_EQ(27, app.GetQuitKey());
        EXPECT_EQ(13, app.GetMinimizeKey());
    }
    EXPECT_EQ(nullptr, CGameApp::Get());
    EXPECT_EQ(nullptr, CFilePack::GetAppPack());
}

TEST_F(CGameAppTest, MissingParameterFileThrowsTheMissingFileErrorAndLeavesNothingRegistered)
{
    try
    {
        CGameApp app;
        FAIL() << "no error raised";
    }
    catch (const CFilePackError& error)
    {
        EXPECT_NE(std::string::npos, std::string(error.what()).find("CFilePack::GetFile"));
        EXPECT_NE(std::string::npos, std::string(error.what()).find("dat/param.txt"));
    }
    EXPECT_EQ(nullptr, CGameApp::Get());
    EXPECT_EQ(nullptr, CFilePack::GetAppPack());
}

TEST_F(CGameAppTest, WithoutSettingsFileTheDefaultsStand)
{
    WriteParams("gameurl a\n");
    CGameApp app;
    app.LoadSettings();
    EXPECT_EQ(800, app.GetWindowWidth());
    EXPECT_EQ(600, app.GetWindowHeight());
    EXPECT_EQ(0, app.GetWindowX());
    EXPECT_EQ(0, app.GetWindowY());
    EXPECT_FALSE(app.IsFullScreenLoaded());
    EXPECT_TRUE(app.IsSoundOn());
    EXPECT_FALSE(app.IsAutosave());
    EXPECT_EQ(100, app.GetMusicVolume());
}

TEST_F(CGameAppTest, SettingsSurviveASaveAndALoad)
{
    WriteParams("gameurl a\n");
    {
        CGameApp app;
        app.SetWindowRect(30, 40, 1024, 768);
        app.SetAutosave(true);
        app.SetSoundOn(false);
        app.SetMusicVolume(50);
        app.SaveSettings();
    }
    std::ifstream written("data/dx.cfg", std::ios::binary);
    ASSERT_TRUE(written.good());
    CGameApp app;
    app.LoadSettings();
    EXPECT_EQ(1024, app.GetWindowWidth());
    EXPECT_EQ(768, app.GetWindowHeight());
    EXPECT_EQ(30, app.GetWindowX());
    EXPECT_EQ(40, app.GetWindowY());
    EXPECT_TRUE(app.IsAutosave());
    EXPECT_FALSE(app.IsSoundOn());
    EXPECT_EQ(50, app.GetMusicVolume());
}

TEST_F(CGameAppTest, UnreadableSettingsFileLeavesTheDefaults)
{
    WriteParams("gameurl a\n");
    {
        std::ofstream out("data/dx.cfg", std::ios::binary);
        out << "\x01\x02garbage that is not a scrambled store";
    }
    CGameApp app;
    app.LoadSettings();
    EXPECT_EQ(800, app.GetWindowWidth());
    EXPECT_TRUE(app.IsSoundOn());
}
