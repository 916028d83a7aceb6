// The application window on a real display (run under a virtual one): full
// screen refusals, placement queries and what leaving in full screen stores.
// That the switch keeps the picture is checked end to end.

#include <gtest/gtest.h>

#include "tests/files/CTempDir.h"

#include <GL/gl.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/frame/CAppWindow.h"
#include "engine/files/CConfigFile.h"
#include "engine/frame/CGameApp.h"
#include "engine/files/CGeneralSettings.h"
#include "platform/CEventPump.h"
#include "platform/CPlatform.h"

namespace
{
class CAppWindowDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!CPlatform::Init())
            GTEST_SKIP() << "no display";
    }
    void TearDown() override { CPlatform::Shutdown(); }
};
}

TEST_F(CAppWindowDisplayTest, ModesTheGameNeverUsesOrTheDisplayCannotShowAreRefusedAndShowTheBareWindowAsItWas)
{
    CAppWindow window("Marblewend", nullptr);
    ASSERT_TRUE(window.CreateBare("Marblewend", 30, 40, 800, 600));
    EXPECT_FALSE(window.GetPlatformWindow().IsShown());
    // The virtual display offers only its own size.
    for (const auto& mode : {std::make_pair(1000, 700), std::make_pair(640, 480), std::make_pair(320, 240),
                             std::make_pair(400, 300)})
    {
        EXPECT_FALSE(window.SetDisplayMode(mode.first, mode.second)) << mode.first;
        EXPECT_TRUE(window.GetPlatformWindow().IsShown());
        EXPECT_FALSE(window.IsFullScreen());
        EXPECT_EQ(800, window.GetWidth());
        EXPECT_EQ(600, window.GetHeight());
    }
}

TEST_F(CAppWindowDisplayTest, DraggingMovesTheWindowByTheRequestedOffset)
{
    CAppWindow window("Marblewend", nullptr);
    ASSERT_TRUE(window.CreateWindowed("Marblewend", 50, 60, 400, 300));
    window.MoveWindowTo(70, 90);
    SWindowRect rect;
    ASSERT_TRUE(window.GetWindowRect(rect));
    EXPECT_EQ(70, rect.left);
    EXPECT_EQ(90, rect.top);
    EXPECT_EQ(470, rect.right);
    EXPECT_EQ(390, rect.bottom);
}

TEST_F(CAppWindowDisplayTest, LeavingInFullScreenStoresTheOriginAndTheStartSize)
{
    CTempDir dir(CTempDir::kEnter);
    ASSERT_EQ(0, system("mkdir -p dat data && echo 'gameurl a' > dat/param.txt"));
    bool full = false;
    {
        CGameApp app;
        app.SetWindowRect(100, 80, 400, 300);
        CAppWindow window("Marblewend", &app);
        ASSERT_TRUE(window.CreateWindowed("Marblewend", 100, 80, 400, 300));
        int w = 0, h = 0;
        CPlatform::GetDesktopSize(w, h);
        // Let the window system settle each change, as the main loop would.
        const auto settle = []() {
            SPlatformEvent event;
            for (int i = 0; i < 20; ++i, CPlatform::Sleep(10))
                while (CEventPump::Poll(event))
                    ;
        };
        full = window.SetDisplayMode(w, h);
        settle();
        // The orderly quit hides the window before the settings are written.
        window.Hide();
        settle();
        app.SaveSettings();
    }
    CConfigFile stored;
    const bool loaded = stored.Load("data/dx.cfg", true, CGeneralSettings::kKey, 3);
    if (!full)
        GTEST_SKIP() << "the display refused full screen";
    ASSERT_TRUE(loaded);
    EXPECT_EQ("1", stored.GetValue("m_is_full_screen_loaded", ""));
    EXPECT_EQ("0", stored.GetValue("x", ""));
    EXPECT_EQ("0", stored.GetValue("y", ""));
    EXPECT_EQ("400", stored.GetValue("m_window_width", ""));
    EXPECT_EQ("300", stored.GetValue("m_window_height", ""));
}
