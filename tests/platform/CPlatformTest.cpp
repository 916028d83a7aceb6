#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/CPlatform.h"
#include "tests/files/CTempDir.h"

TEST(CPlatform, BrowserStaysClosedWhileTheSwitchIsSetOrForAnEmptyAddress)
{
    setenv("MARBLEWEND_NO_BROWSER", "1", 1);
    EXPECT_TRUE(CPlatform::IsBrowserDisabled());
    EXPECT_FALSE(CPlatform::OpenUrl("http://example.org"));
    unsetenv("MARBLEWEND_NO_BROWSER");
    EXPECT_FALSE(CPlatform::IsBrowserDisabled());
    EXPECT_FALSE(CPlatform::OpenUrl(""));
    setenv("MARBLEWEND_NO_BROWSER", "1", 1);
}

TEST(CPlatform, DeleteFileRemovesAFileAndReportsAMissingOne)
{
    CTempDir dir;
    const std::string path = dir.File("f");
    CTempDir::WriteText(path, "x");
    EXPECT_TRUE(CPlatform::DeleteFile(path));
    EXPECT_FALSE(CTempDir::Exists(path));
    EXPECT_FALSE(CPlatform::DeleteFile(path));
}

TEST(CPlatform, ExecutableDirectoryEndsWithASlashAndHoldsThisProgram)
{
    const std::string dir = CPlatform::GetExecutableDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ('/', dir.back());
    EXPECT_TRUE(std::ifstream(dir + "mw_platform_tests").good());
}

TEST(CPlatform, ServicesAnswerSafelyBeforeStartUp)
{
    EXPECT_FALSE(CPlatform::IsInitialized());
    EXPECT_EQ("", CPlatform::GetClipboardText());
    EXPECT_FALSE(CPlatform::SetClipboardText("x"));
    int w = 0, h = 0;
    CPlatform::GetDesktopSize(w, h);
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
    int x = 0, y = 0;
    EXPECT_FALSE(CPlatform::GetGlobalMousePos(x, y));
}

