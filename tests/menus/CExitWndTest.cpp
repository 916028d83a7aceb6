#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

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
    void OnDialogClosed(int result, CScreen*) override { m_results.push_back(result); }
    std::vector<int> m_results;
};

class CExitWndTest : public ::testing::Test
{
protected:
    CExitWndTest() : m_resources(&m_pack), m_window("Test", nullptr)
    {
        m_resources.AddConfig("mui/menu.txt", "main_menu");
        m_resources.AddTexture("pics/wide.tga", "m_quit_game_btn", false, true);
        m_resources.AddTexture("pics/back.tga", "m_exit_wnd", false, false);
        m_window.SetScreen(&m_owner);
        Reopen();
    }

    ~CExitWndTest() override { m_window.GetStack().DropOverlays(); }

    // A fresh window over the owner, nothing reported yet.
    void Reopen()
    {
        m_window.GetStack().DropOverlays();
        m_owner.m_results.clear();
        m_exit = std::make_unique<CExitWnd>(m_resources);
        m_exit->SetLogicalSize(800, 600);
        m_exit->SetShade(true);
        m_exit->SetPanelVisible(false);
        m_window.OpenOverlay(m_exit.get());
        m_exit->SetResult(-1);
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

TEST_F(CExitWndTest, PictureOrEnterOpensThePageOnceAtTheNextUpdateAndTheMarginsNothing)
{
    // The picture area is the window less margins of 20 at the sides and top
    // and 120 at the bottom, where the button sits at (275, 508). Steps: dX,Y
    // press, uX,Y release, kN key. The result is what the owner is told at
    // the next update, -1 for nothing. A click on the button or the picture
    // and Esc are played in the end-to-end menu scripts.
    const struct
    {
        const char* steps;
        int result;
    } cases[] = {
        {"d5,590 u100,100", CExitWnd::RESULT_OPEN_PAGE},   // a press anywhere arms the picture
        {"k13", CExitWnd::RESULT_OPEN_PAGE},
        {"k13 d285,518 u285,518", CExitWnd::RESULT_OPEN_PAGE},   // a closing window takes nothing more
        {"u400,300", -1},
        {"d20,300 u20,300 d780,300 u780,300 d400,20 u400,20 d400,480 u400,480 d100,560 u100,560 d795,595 u795,595",
         -1},
    };
    for (const auto& c : cases)
    {
        Reopen();
        std::istringstream steps(c.steps);
        std::string step;
        while (steps >> step)
        {
            int x = 0, y = 0;
            std::sscanf(step.c_str() + 1, "%d,%d", &x, &y);
            if (step[0] == 'd')
                m_exit->OnLButtonDown(x, y, 1);
            else if (step[0] == 'u')
                m_exit->OnLButtonUp(x, y, 0);
            else
                m_exit->OnKeyDown(x);
        }
        EXPECT_EQ(CloseRequested(), c.result != -1) << c.steps;
        m_window.GetStack().Update(16.0f, true);
        m_window.GetStack().Update(16.0f, true);
        EXPECT_EQ(m_owner.m_results, c.result == -1 ? std::vector<int>{} : std::vector<int>{c.result}) << c.steps;
        EXPECT_EQ(m_window.GetStack().GetOverlayCount(), c.result != -1 ? 0u : 1u) << c.steps;
    }
}

// The picture's edges are the clicks at the margins above.
TEST_F(CExitWndTest, HandCursorOnlyOverThePicture)
{
    m_exit->OnMouseMove(400, 300, 0);
    EXPECT_TRUE(m_exit->IsHandCursorShown());
    m_exit->OnMouseMove(400, 540, 0);
    EXPECT_FALSE(m_exit->IsHandCursorShown());
    m_exit->OnMouseMove(10, 300, 0);
    EXPECT_FALSE(m_exit->IsHandCursorShown());
}
