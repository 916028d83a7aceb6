#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "shell/CExitWnd.h"
#include "games/GameKinds.h"
#include "shell/CMainMenu.h"
#include "tests/menus/MenuTestFiles.h"

namespace
{
// The main menu with its ways out of the program recorded instead of taken.
class CRecordingMenu : public CMainMenu
{
public:
    using CMainMenu::CMainMenu;
    std::vector<std::string> m_opened;
    int m_closes = 0;

protected:
    void OpenAddress(const std::string& url) override { m_opened.push_back(url); }
    void PostClose() override { ++m_closes; }
};

// Stands in for a kind's game menu; says when it is deleted.
class CFakeGameMenu : public CScreen
{
public:
    explicit CFakeGameMenu(bool* deleted) : m_deleted(deleted) {}
    ~CFakeGameMenu() override { *m_deleted = true; }
    bool* m_deleted;
};

class CMainMenuTest : public ::testing::Test
{
protected:
    CMainMenuTest() : m_resources(&m_pack), m_window("Test", nullptr) {}
    ~CMainMenuTest() override { CMainMenu::SetGameMenuFactory(nullptr); }

    CRecordingMenu& Menu()
    {
        if (!m_menu)
        {
            m_menu = std::make_unique<CRecordingMenu>(m_resources);
            m_menu->SetWebAddresses("http://example.org/game", "http://example.org/site");
            m_window.SetScreen(m_menu.get());
        }
        return *m_menu;
    }

    void Destroy()
    {
        m_window.RemoveScreen(m_menu.get());
        m_menu.reset();
    }

    // A point inside the button of a kind.
    static int KindX(int kind) { return CMenuTestFiles::kKindX[kind / 4] + 5; }
    static int KindY(int kind) { return CMenuTestFiles::kKindTop + (kind % 4) * CMenuTestFiles::kKindStep + 5; }

    void ClickKind(int kind)
    {
        Menu().OnLButtonDown(KindX(kind), KindY(kind), 1);
        Menu().OnLButtonUp(KindX(kind), KindY(kind), 0);
    }

    void Tick() { m_window.GetStack().Update(16.0f, true); }

    CMenuTestFiles m_files;
    CFilePack m_pack;
    CResManager m_resources;
    CAppWindow m_window;
    std::unique_ptr<CRecordingMenu> m_menu;
};
}

// Each kind's button opening its own menu is played through in the
// end-to-end script of every kind.
TEST_F(CMainMenuTest, PlacesTheQuitButtonAndRegistersItsFontUntilDeleted)
{
    // The quit button takes its place from the exit button's key.
    EXPECT_FLOAT_EQ(CMenuTestFiles::kQuitX, Menu().GetQuitButton()->GetPosition().x);
    EXPECT_FLOAT_EQ(CMenuTestFiles::kQuitY, Menu().GetQuitButton()->GetPosition().y);
    EXPECT_TRUE(Menu().IsDraggable());
    EXPECT_EQ(&Menu().GetFont(), m_resources.GetObject("font_1"));
    Destroy();
    EXPECT_EQ(nullptr, m_resources.GetObject("font_1"));
}

TEST_F(CMainMenuTest, MissingLayoutFileStopsTheMenuWithThePackError)
{
    m_files.Remove("mui/jewel/menu_jewel.txt");
    EXPECT_THROW(CMainMenu menu(m_resources), CFilePackError);
    EXPECT_EQ(nullptr, m_resources.GetObject("font_1"));
}

TEST_F(CMainMenuTest, LayoutWithoutAPictureKeyNamesItsFileAndTheKey)
{
    std::ifstream in(m_files.GetDir() + "/mui/menu.txt");
    std::string layout((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    layout.replace(layout.find("m_exit_wnd"), 10, "m_exit_xxx");
    m_files.Write("mui/menu.txt", layout);
    try
    {
        CMainMenu menu(m_resources);
        FAIL() << "a damaged layout was taken";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(), "mui/menu.txt is damaged: it names no picture for m_exit_wnd");
    }
    EXPECT_EQ(nullptr, m_resources.GetObject("font_1"));
}

// The site button, the exit window's quit button and its picture opening the
// game's page are played through in the end-to-end menu scripts.
TEST_F(CMainMenuTest, EnterMinimisesAndEscapeOrTheExitButtonOpensTheShadedExitWindowWhichLeavesWithTheMenu)
{
    Menu().OnKeyDown(13);
    EXPECT_TRUE(m_window.IsMinimized());
    EXPECT_EQ(nullptr, Menu().GetExitWnd());
    Menu().OnKeyDown(27);
    CExitWnd* exit = Menu().GetExitWnd();
    ASSERT_NE(nullptr, exit);
    EXPECT_EQ(exit, m_window.GetStack().GetTopOverlay());
    EXPECT_TRUE(exit->IsShaded());
    EXPECT_FALSE(exit->IsPanelVisible());
    // Other dialogs closing do not end the program.
    CScreen other;
    Menu().OnDialogClosed(0, &other);
    EXPECT_EQ(0, Menu().m_closes);
    Destroy();
    EXPECT_EQ(0u, m_window.GetStack().GetOverlayCount());
    const CButton* exit_button = Menu().GetExitButton();
    Menu().OnLButtonDown(static_cast<int>(exit_button->GetPosition().x) + 2,
                         static_cast<int>(exit_button->GetPosition().y) + 2, 1);
    EXPECT_NE(nullptr, Menu().GetExitWnd());
}

// The exit window as Esc opens it. Its picture is the window less margins
// of 20 at the sides and top and 120 at the bottom, where the button sits at
// (275, 508). Steps: dX,Y press, uX,Y release, kN key. At the next update the
// program stays (-1), ends (0) or ends opening the game's page (1). A click
// on the button or the picture and Esc are played in the end-to-end scripts.
TEST_F(CMainMenuTest, ExitWindowPictureOrEnterOpensTheGamePageOnceAndItsMarginsDoNothing)
{
    const struct
    {
        const char* steps;
        bool address;
        int outcome;
    } cases[] = {
        {"d5,590 u100,100", true, 1},   // a press anywhere arms the picture
        {"k13", true, 1},
        {"k13", false, 0},
        {"k13 d285,518 u285,518", true, 1},   // a closing window takes nothing more
        {"u400,300", true, -1},
        {"d20,300 u20,300 d780,300 u780,300 d400,20 u400,20 d400,480 u400,480 d100,560 u100,560 d795,595 u795,595",
         true, -1},
    };
    for (const auto& c : cases)
    {
        if (m_menu)
            Destroy();
        if (!c.address)
            Menu().SetWebAddresses("", "");
        Menu().OnKeyDown(27);
        CExitWnd* exit = Menu().GetExitWnd();
        ASSERT_NE(nullptr, exit);
        std::istringstream steps(c.steps);
        std::string step;
        while (steps >> step)
        {
            int x = 0, y = 0;
            std::sscanf(step.c_str() + 1, "%d,%d", &x, &y);
            if (step[0] == 'd')
                exit->OnLButtonDown(x, y, 1);
            else if (step[0] == 'u')
                exit->OnLButtonUp(x, y, 0);
            else
                exit->OnKeyDown(x);
        }
        Tick();
        Tick();
        EXPECT_EQ(Menu().m_closes, c.outcome == -1 ? 0 : 1) << c.steps;
        EXPECT_EQ(Menu().m_opened.size(), c.outcome == 1 ? 1u : 0u) << c.steps;
        EXPECT_EQ(m_window.GetStack().GetOverlayCount(), c.outcome == -1 ? 1u : 0u) << c.steps;
    }
}

TEST_F(CMainMenuTest, ExitWindowShowsTheHandCursorOnlyOverItsPicture)
{
    Menu().OnKeyDown(27);
    CExitWnd* exit = Menu().GetExitWnd();
    ASSERT_NE(nullptr, exit);
    exit->OnMouseMove(400, 300, 0);
    EXPECT_TRUE(exit->IsHandCursorShown());
    exit->OnMouseMove(400, 540, 0);
    EXPECT_FALSE(exit->IsHandCursorShown());
    exit->OnMouseMove(10, 300, 0);
    EXPECT_FALSE(exit->IsHandCursorShown());
}

TEST_F(CMainMenuTest, GameMenuIsDeletedWhenItLeavesOrWithTheMainMenu)
{
    bool deleted = false;
    CMainMenu::SetGameMenuFactory([&](int, CConfigFile&) -> std::unique_ptr<CScreen> {
        return std::make_unique<CFakeGameMenu>(&deleted);
    });
    ClickKind(6);
    ASSERT_NE(nullptr, Menu().GetGameMenu());
    m_window.CloseScreen(false);
    Tick();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, Menu().GetGameMenu());
    deleted = false;
    ClickKind(0);
    ASSERT_NE(nullptr, Menu().GetGameMenu());
    Destroy();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(0u, m_window.GetStack().GetScreenCount());
}

TEST_F(CMainMenuTest, AnIndexWithoutAKindInTheTableHasNoButtonAndOpensNothing)
{
    CGameKindRegistry two;
    for (int k = 0; k < 2; ++k)
        two.Add(GetGameKinds()[k]);
    CMainMenu::SetKinds(two);
    ClickKind(1);   // no game menu factory: nothing opens
    EXPECT_EQ(1u, m_window.GetStack().GetScreenCount());
    bool asked = false;
    CMainMenu::SetGameMenuFactory([&](int, CConfigFile&) -> std::unique_ptr<CScreen> {
        asked = true;
        return nullptr;
    });
    EXPECT_TRUE(Menu().GetKindButton(1)->IsVisible());
    EXPECT_FALSE(Menu().GetKindButton(2)->IsVisible());
    ClickKind(2);
    EXPECT_FALSE(asked);
    ClickKind(1);
    EXPECT_TRUE(asked);

    CGameKindRegistry all;
    RegisterGameKinds(all);
    CMainMenu::SetKinds(all);
}

TEST_F(CMainMenuTest, APressedKindButtonDoesNotCountAsHover)
{
    Menu().OnMouseMove(KindX(1), KindY(1), 0);
    Menu().OnLButtonDown(KindX(1), KindY(1), 1);
    ASSERT_EQ(CButton::kPressed, Menu().GetKindButton(1)->GetState());
    Menu().Update(100.0f);
    EXPECT_FLOAT_EQ(0.0f, Menu().GetHover().GetHoverTime());
}

TEST_F(CMainMenuTest, ActivationPutsTheTitleBackAndClearsTheHoverButKeepsItsMotion)
{
    Menu().OnMouseMove(KindX(0), KindY(0), 0);
    for (int i = 0; i < 40; ++i)
        Menu().Update(16.0f);
    Menu().Activate();
    EXPECT_FLOAT_EQ(-5.0f, Menu().GetTitle().GetPosition().y);
    EXPECT_FLOAT_EQ(-220.0f, Menu().GetTitle().GetAngleY());
    EXPECT_EQ(CMainMenuHover::kRaised, Menu().GetHover().GetMotion());
    EXPECT_FLOAT_EQ(0.0f, Menu().GetHover().GetHoverTime());
    EXPECT_FALSE(Menu().GetThumbnail(0).IsVisible());
    EXPECT_EQ(CButton::kNormal, Menu().GetKindButton(0)->GetState());
}

TEST_F(CMainMenuTest, TitleSpinsAStepPerDrawnFrameAndStaysWithinOneTurn)
{
    Menu().Draw();
    EXPECT_FLOAT_EQ(-220.4f, Menu().GetTitle().GetAngleY());
    for (int i = 0; i < 2000; ++i)
    {
        Menu().Draw();
        ASSERT_LE(Menu().GetTitle().GetAngleY(), 0.0f);
        ASSERT_GE(Menu().GetTitle().GetAngleY(), -360.0f);
    }
}
