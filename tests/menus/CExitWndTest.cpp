#include <gtest/gtest.h>

#include <memory>

#include "engine/frame/CAppWindow.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CResManager.h"
#include "engine/frame/CScreen.h"
#include "shell/CExitWnd.h"
#include "tests/menus/MenuTestFiles.h"

namespace
{
// Records what the window tells the owner of the exit window.
class COwner : public CScreen
{
public:
    void OnDialogClosed(int result, CScreen* dialog) override
    {
        m_results.push_back(result);
        m_dialogs.push_back(dialog);
    }
    std::vector<int> m_results;
    std::vector<CScreen*> m_dialogs;
};

class CExitWndTest : public ::testing::Test
{
protected:
    CExitWndTest() : m_resources(&m_pack), m_window("Test", nullptr)
    {
        m_resources.AddConfig("mui/menu.txt", "main_menu");
        m_resources.AddTexture("pics/wide.tga", "m_quit_game_btn", false, true);
        m_resources.AddTexture("pics/back.tga", "m_exit_wnd", false, false);
        m_exit = std::make_unique<CExitWnd>(m_resources);
        m_exit->SetLogicalSize(800, 600);
        m_exit->SetShade(true);
        m_exit->SetPanelVisible(false);
        m_window.SetScreen(&m_owner);
        m_window.OpenOverlay(m_exit.get());
        m_exit->SetResult(-1);
    }

    ~CExitWndTest() override { m_window.GetStack().DropOverlays(); }

    void Click(int x, int y)
    {
        m_exit->OnLButtonDown(x, y, 1);
        m_exit->OnLButtonUp(x, y, 0);
    }

    void ClickButton()
    {
        Click(CMenuTestFiles::kExitButtonX + 10, CMenuTestFiles::kExitButtonY + 10);
    }

    bool CloseRequested() { return m_window.GetStack().IsCloseRequested(); }

    CMenuTestFiles m_files;
    CFilePack m_pack;
    CResManager m_resources;
    CAppWindow m_window;
    COwner m_owner;
    std::unique_ptr<CExitWnd> m_exit;
};
}

TEST_F(CExitWndTest, ButtonIsPlacedFromTheMainMenuLayout)
{
    const CButton* button = m_exit->GetButton();
    EXPECT_FLOAT_EQ(275.0f, button->GetPosition().x);
    EXPECT_FLOAT_EQ(508.0f, button->GetPosition().y);
    EXPECT_FLOAT_EQ(200.0f, button->GetWidth());
    EXPECT_FLOAT_EQ(60.0f, button->GetHeight());
}

TEST_F(CExitWndTest, ButtonGivesResultOneAndClosesAtTheNextUpdate)
{
    ClickButton();
    EXPECT_EQ(CExitWnd::RESULT_QUIT, m_exit->GetResult());
    EXPECT_TRUE(CloseRequested());
    m_window.GetStack().Update(16.0f, true);
    EXPECT_EQ(0u, m_window.GetStack().GetOverlayCount());
    EXPECT_EQ((std::vector<int>{1}), m_owner.m_results);
    EXPECT_EQ(m_exit.get(), m_owner.m_dialogs[0]);
}

TEST_F(CExitWndTest, ReleaseOverThePictureAfterTheButtonStillQuits)
{
    // The button fires on the press; the release that follows lands on the
    // picture before the window has gone.
    m_exit->OnLButtonDown(CMenuTestFiles::kExitButtonX + 10, CMenuTestFiles::kExitButtonY + 10, 1);
    m_exit->OnLButtonUp(400, 300, 0);
    EXPECT_EQ(CExitWnd::RESULT_QUIT, m_exit->GetResult());
    m_window.GetStack().Update(16.0f, true);
    EXPECT_EQ((std::vector<int>{1}), m_owner.m_results);
}

TEST_F(CExitWndTest, ClickOnThePictureGivesResultZero)
{
    Click(400, 300);
    EXPECT_EQ(CExitWnd::RESULT_OPEN_PAGE, m_exit->GetResult());
    EXPECT_TRUE(m_exit->IsClosing());
    EXPECT_TRUE(CloseRequested());
}

TEST_F(CExitWndTest, PressAnywhereArmsAReleaseInsideThePicture)
{
    m_exit->OnLButtonDown(5, 590, 1);
    m_exit->OnLButtonUp(100, 100, 0);
    EXPECT_EQ(CExitWnd::RESULT_OPEN_PAGE, m_exit->GetResult());
}

TEST_F(CExitWndTest, ReleaseWithoutAPressDoesNothing)
{
    m_exit->OnLButtonUp(400, 300, 0);
    EXPECT_EQ(-1, m_exit->GetResult());
    EXPECT_FALSE(CloseRequested());
}

TEST_F(CExitWndTest, ReleaseInTheMarginsDoesNothing)
{
    const int outside[][2] = {{20, 300}, {780, 300}, {400, 20}, {400, 480}, {100, 560}, {5, 5}, {795, 595}};
    for (const auto& point : outside)
    {
        Click(point[0], point[1]);
        EXPECT_EQ(-1, m_exit->GetResult()) << point[0] << "," << point[1];
        EXPECT_FALSE(m_exit->IsPressed());
    }
    EXPECT_FALSE(CloseRequested());
}

TEST_F(CExitWndTest, PictureAreaEdgesAreExclusive)
{
    EXPECT_TRUE(m_exit->IsInPictureArea(21, 21));
    EXPECT_TRUE(m_exit->IsInPictureArea(779, 479));
    EXPECT_FALSE(m_exit->IsInPictureArea(20, 100));
    EXPECT_FALSE(m_exit->IsInPictureArea(780, 100));
    EXPECT_FALSE(m_exit->IsInPictureArea(100, 20));
    EXPECT_FALSE(m_exit->IsInPictureArea(100, 480));
}

TEST_F(CExitWndTest, EscapeIsIgnored)
{
    m_exit->OnKeyDown(27);
    EXPECT_EQ(-1, m_exit->GetResult());
    EXPECT_FALSE(CloseRequested());
    EXPECT_FALSE(m_exit->IsClosing());
}

TEST_F(CExitWndTest, EnterGivesResultZero)
{
    m_exit->OnKeyDown(13);
    EXPECT_EQ(CExitWnd::RESULT_OPEN_PAGE, m_exit->GetResult());
    EXPECT_TRUE(CloseRequested());
    m_window.GetStack().Update(16.0f, true);
    EXPECT_EQ((std::vector<int>{0}), m_owner.m_results);
}

TEST_F(CExitWndTest, AClosingWindowIgnoresKeysAndClicks)
{
    m_exit->OnKeyDown(13);
    ClickButton();
    EXPECT_EQ(CExitWnd::RESULT_OPEN_PAGE, m_exit->GetResult());
    m_window.GetStack().Update(16.0f, true);
    EXPECT_EQ((std::vector<int>{0}), m_owner.m_results);
}

TEST_F(CExitWndTest, HandCursorOnlyOverThePicture)
{
    m_exit->OnMouseMove(400, 300, 0);
    EXPECT_TRUE(m_exit->IsHandCursorShown());
    m_exit->OnMouseMove(400, 540, 0);
    EXPECT_FALSE(m_exit->IsHandCursorShown());
    m_exit->OnMouseMove(10, 300, 0);
    EXPECT_FALSE(m_exit->IsHandCursorShown());
}

TEST_F(CExitWndTest, HoveringTheButtonHighlightsIt)
{
    m_exit->OnMouseMove(CMenuTestFiles::kExitButtonX + 5, CMenuTestFiles::kExitButtonY + 5, 0);
    EXPECT_EQ(CButton::kHover, m_exit->GetButton()->GetState());
}
