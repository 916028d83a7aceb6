#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "engine/files/CFilePack.h"
#include "engine/frame/CGameApp.h"
#include "tests/files/CTempDir.h"

namespace
{
// Runs each test in a fresh directory laid out like the game directory.
class CGameAppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, mkdir("dat", 0755));
        ASSERT_EQ(0, mkdir("data", 0755));
    }

    CTempDir m_dir{CTempDir::kEnter};
};
}

TEST(CGameAppAddress, PlainValueGetsTheWebSchemeAndAMissingOneGivesNone)
{
    EXPECT_EQ("http://example.org/game", CGameApp::MakeWebAddress("example.org/game"));
    EXPECT_EQ("https://example.org", CGameApp::MakeWebAddress("https://example.org"));
    EXPECT_EQ("", CGameApp::MakeWebAddress("0"));
    EXPECT_EQ("", CGameApp::MakeWebAddress(""));
}

TEST_F(CGameAppTest, ReadsTheTwoAddressesAndRegistersItself)
{
    CTempDir::WriteText("dat/param.txt", "gameurl example.org/game\nsiteurl example.org\n");
    {
        CGameApp app;
        EXPECT_EQ(&app, CGameApp::Get());
        EXPECT_EQ("http://example.org/game", app.GetGameUrl());
        EXPECT_EQ("http://example.org", app.GetSiteUrl());
        EXPECT_NE(nullptr, CFilePack::GetAppPack());
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

TEST_F(CGameAppTest, SettingsSurviveASaveAndALoad)
{
    CTempDir::WriteText("dat/param.txt", "gameurl a\n");
    {
        CGameApp app;
        app.SetWindowRect(30, 40, 1024, 768);
        app.SetAutosave(true);
        app.SetSoundOn(false);
        app.SetMusicVolume(50);
        app.SaveSettings();
    }
    ASSERT_TRUE(CTempDir::Exists("data/dx.cfg"));
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

