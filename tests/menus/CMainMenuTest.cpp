#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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

    void HoverKind(int kind)
    {
        const int x = CMenuTestFiles::kKindX[kind / 4] + 5;
        const int y = CMenuTestFiles::kKindTop + (kind % 4) * CMenuTestFiles::kKindStep + 5;
        Menu().OnMouseMove(x, y, 0);
    }

    void ClickKind(int kind)
    {
        const int x = CMenuTestFiles::kKindX[kind / 4] + 5;
        const int y = CMenuTestFiles::kKindTop + (kind % 4) * CMenuTestFiles::kKindStep + 5;
        Menu().OnLButtonDown(x, y, 1);
        Menu().OnLButtonUp(x, y, 0);
    }

    void Tick() { m_window.GetStack().Update(16.0f, true); }

    CMenuTestFiles m_files;
    CFilePack m_pack;
    CResManager m_resources;
    CAppWindow m_window;
    std::unique_ptr<CRecordingMenu> m_menu;
};
}

TEST_F(CMainMenuTest, LoadsTheNineLayoutGroupsAndRegistersItsFontUntilDeleted)
{
    Menu();
    ASSERT_NE(nullptr, m_resources.FindConfig("main_menu"));
    for (int k = 0; k < CMainMenu::kKindCount; ++k)
    {
        const CConfigFile* group = m_resources.FindConfig(CMainMenu::GetKindGroup(k));
        ASSERT_NE(nullptr, group) << k;
        EXPECT_EQ(std::to_string(k), group->GetValue("m_game_kind", "-1"));
    }
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

TEST_F(CMainMenuTest, EscapeOrTheExitButtonOpensTheShadedExitWindowWhichLeavesWithTheMenu)
{
    Menu().OnKeyDown(27);
    CExitWnd* exit = Menu().GetExitWnd();
    ASSERT_NE(nullptr, exit);
    EXPECT_EQ(exit, m_window.GetStack().GetTopOverlay());
    EXPECT_TRUE(exit->IsShaded());
    EXPECT_FALSE(exit->IsPanelVisible());
    EXPECT_EQ(800, exit->GetLogicalWidth());
    EXPECT_EQ(600, exit->GetLogicalHeight());
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

TEST_F(CMainMenuTest, ExitWindowEndsTheProgramOpeningTheGamePageOnlyFromThePicture)
{
    const struct
    {
        int result;
        bool withAddress;
        std::vector<std::string> opened;
    } cases[] = {
        {CExitWnd::RESULT_QUIT, true, {}},
        {CExitWnd::RESULT_OPEN_PAGE, true, {"http://example.org/game"}},
        {CExitWnd::RESULT_OPEN_PAGE, false, {}},
    };
    for (const auto& c : cases)
    {
        if (m_menu)
            Destroy();
        if (!c.withAddress)
            Menu().SetWebAddresses("", "");
        Menu().OnKeyDown(27);
        if (c.result == CExitWnd::RESULT_QUIT)
            m_window.GetStack().GetTarget()->OnLButtonDown(CMenuTestFiles::kExitButtonX + 10,
                                                           CMenuTestFiles::kExitButtonY + 10, 1);
        else
            m_window.OnKeyDown(13);
        Tick();
        EXPECT_EQ(Menu().m_opened, c.opened) << c.result;
        EXPECT_EQ(Menu().m_closes, 1) << c.result;
    }
}

TEST_F(CMainMenuTest, SiteButtonMinimisesAndOpensTheSiteAndEnterMinimises)
{
    const CButton* site = Menu().GetSiteButton();
    Menu().OnLButtonDown(static_cast<int>(site->GetPosition().x) + 2, static_cast<int>(site->GetPosition().y) + 2,
                         1);
    EXPECT_TRUE(m_window.IsMinimized());
    EXPECT_EQ((std::vector<std::string>{"http://example.org/site"}), Menu().m_opened);
    Destroy();
    Menu().OnKeyDown(13);
    EXPECT_TRUE(m_window.IsMinimized());
    EXPECT_EQ(nullptr, Menu().GetExitWnd());
}

TEST_F(CMainMenuTest, KindButtonOpensTheGameMenuBuiltFromItsGroup)
{
    bool deleted = false;
    int asked_kind = -1;
    std::string asked_group;
    CMainMenu::SetGameMenuFactory([&](int kind, CConfigFile& group) -> std::unique_ptr<CScreen> {
        asked_kind = kind;
        asked_group = group.GetValue("m_game_kind", "");
        return std::make_unique<CFakeGameMenu>(&deleted);
    });
    ClickKind(6);
    EXPECT_EQ(6, asked_kind);
    EXPECT_EQ("6", asked_group);
    ASSERT_NE(nullptr, Menu().GetGameMenu());
    EXPECT_EQ(Menu().GetGameMenu(), m_window.GetCurrentScreen());

    // The game menu leaves: the main menu deletes it and is current again.
    m_window.CloseScreen(false);
    Tick();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, Menu().GetGameMenu());
    EXPECT_EQ(m_menu.get(), m_window.GetCurrentScreen());

    // Deleting the main menu deletes an open game menu.
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
    EXPECT_STREQ(GetGameKinds()[1].m_name.c_str(), CMainMenu::GetKindName(1));
    EXPECT_EQ(nullptr, CMainMenu::GetKindName(2));
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
    HoverKind(1);
    const int x = CMenuTestFiles::kKindX[0] + 5;
    const int y = CMenuTestFiles::kKindTop + CMenuTestFiles::kKindStep + 5;
    Menu().OnLButtonDown(x, y, 1);
    ASSERT_EQ(CButton::kPressed, Menu().GetKindButton(1)->GetState());
    Menu().Update(100.0f);
    EXPECT_FLOAT_EQ(0.0f, Menu().GetHover().GetHoverTime());
}

TEST_F(CMainMenuTest, ActivationPutsTheTitleBackButKeepsItsMotion)
{
    HoverKind(0);
    for (int i = 0; i < 40; ++i)
        Menu().Update(16.0f);
    Menu().Activate();
    EXPECT_FLOAT_EQ(-5.0f, Menu().GetTitle().GetPosition().y);
    EXPECT_FLOAT_EQ(-220.0f, Menu().GetTitle().GetAngleY());
    EXPECT_EQ(CMainMenuHover::kRaised, Menu().GetHover().GetMotion());
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
