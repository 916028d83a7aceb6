// The game menu's pictures on a real GL window (run under a virtual
// display): what a game covering the menu lets go, and what comes back
// before anything shows it again.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "engine/widgets/CButton.h"
#include "shell/CGameMenu.h"
#include "shell/CGameOverDialog.h"
#include "shell/game/CGameFrameCache.h"
#include "tests/frame/CGLWindowTest.h"
#include "tests/gamemenu/CFakeKind.h"
#include "tests/gamemenu/CFakeMenuHost.h"
#include "tests/menus/MenuTestFiles.h"

namespace
{
class GameMenuDisplayTest : public CGLWindowTest
{
protected:
    void SetUp() override
    {
        CGLWindowTest::SetUp();
        if (IsSkipped())
            return;
        m_files.WriteTga("pics/panel.tga", 16, 16, true);
        m_files.WriteTga("pics/button.tga", 8, 24, true);
        m_group.SetValue("m_game_kind", "0");
        m_group.SetValue("m_save_file", "data/fake.sav");
        m_group.SetValue("m_dialog_window_back", "pics/panel.tga");
        m_group.SetValue("m_close_btn", "pics/button.tga");
        m_group.SetValue("m_background", "pics/panel.tga");
        m_host.m_pack = &m_pack;
    }

    void TearDown() override
    {
        m_menu.reset();
        CGLWindowTest::TearDown();
    }

    bool Loaded(const char* key) const
    {
        const CTexture* texture = m_host.GetCurrentResManager()->FindTexture(key);
        return texture != nullptr && texture->GetId() != 0;
    }

    CMenuTestFiles m_files;
    CFilePack m_pack;
    CFakeMenuHost m_host{m_files.GetDir()};
    CConfigFile m_group;
    SGameKind m_kind;
    std::unique_ptr<CGameMenu> m_menu;
};
}

TEST_F(GameMenuDisplayTest, DialogPicturesWaitOnDiskWhileAGameShowsAndComeBackForItsDialogs)
{
    m_kind = MakeFakeKind(0, m_host.GetMainResManager(), true);
    m_menu = std::make_unique<CGameMenu>(m_group, m_kind, m_host);
    ASSERT_TRUE(Loaded("m_dialog_window_back"));
    ASSERT_TRUE(Loaded("m_close_btn"));

    // The game covers the menu (the screen stack tells the covered screen).
    m_menu->OnCommand(m_menu->GetNewGameButton());
    ASSERT_NE(m_menu->GetGameScreen(), nullptr);
    m_menu->Deactivate();
    EXPECT_FALSE(Loaded("m_background"));
    EXPECT_FALSE(Loaded("m_dialog_window_back"));
    EXPECT_FALSE(Loaded("m_close_btn"));

    // The game ends over itself: its dialog shows the panel and the buttons,
    // read back only once the finished game is gone.
    auto* game = static_cast<CFakeGameScreen*>(m_menu->GetGameScreen());
    game->EndGame(0);
    bool panel_at_game_death = true;
    game->m_on_death = [this, &panel_at_game_death] { panel_at_game_death = Loaded("m_dialog_window_back"); };
    m_menu->OnScreenClosed(game);
    ASSERT_NE(m_menu->GetGameOverDialog(), nullptr);
    EXPECT_FALSE(panel_at_game_death);
    EXPECT_TRUE(Loaded("m_dialog_window_back"));
    EXPECT_TRUE(Loaded("m_close_btn"));

    // Back on the menu, everything is there again.
    m_menu->OnDialogClosed(0, m_menu->GetGameOverDialog());
    m_menu->Activate();
    EXPECT_TRUE(Loaded("m_background"));
    EXPECT_TRUE(Loaded("m_dialog_window_back"));
}

TEST_F(GameMenuDisplayTest, PausedGameLetsItsHeldPictureGoWhileTheMenuShows)
{
    m_kind = MakeFakeKind(0, m_host.GetMainResManager(), true);
    m_menu = std::make_unique<CGameMenu>(m_group, m_kind, m_host);
    m_menu->OnCommand(m_menu->GetNewGameButton());
    auto* game = static_cast<CFakeGameScreen*>(m_menu->GetGameScreen());
    ASSERT_NE(game, nullptr);
    COffscreenLayer& held = game->GetFrameCache().GetContent();
    ASSERT_TRUE(held.Begin(0, 0, 64, 64));
    held.End();

    // Escape: the game closes, paused, and the menu comes back.
    m_menu->OnScreenClosed(game);
    ASSERT_EQ(m_menu->GetGameScreen(), game);
    EXPECT_FALSE(held.Resume());
}

namespace
{
// The window's colour at points 25 pixels apart, as 0xRRGGBB.
std::vector<unsigned int> Samples()
{
    std::vector<unsigned int> samples;
    for (int y = 5; y < 600; y += 25)
        for (int x = 5; x < 800; x += 25)
            samples.push_back(CDraw2D::ReadPixel(x, y));
    return samples;
}

// The largest difference of one channel between two samplings.
int Farthest(const std::vector<unsigned int>& a, const std::vector<unsigned int>& b)
{
    int farthest = a.size() == b.size() ? 0 : 255;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (int shift : {0, 8, 16})
            farthest = std::max(farthest, std::abs(static_cast<int>((a[i] >> shift) & 0xff) -
                                                   static_cast<int>((b[i] >> shift) & 0xff)));
    return farthest;
}
}

TEST_F(GameMenuDisplayTest, ShadedMenuShowsWhatAVeilOverItShowsAndItsDarkCopyNeverComesBackLit)
{
    // The menu's own frames copy its background back only at one pixel a unit.
    m_window->Destroy();
    ASSERT_TRUE(m_window->CreateWindowed("Marblewend", 0, 0, 800, 600));
    m_files.WriteTga("pics/back.tga", 64, 64, true);
    m_group.SetValue("m_background", "pics/back.tga");
    m_files.WriteTga("pics/wide_button.tga", 96, 96, true);
    m_group.SetValue("m_new_game_btn", "pics/wide_button.tga");
    m_group.SetValue("m_new_game_btn.x", "100");
    m_group.SetValue("m_new_game_btn.y", "100");
    m_kind = MakeFakeKind(0, m_host.GetMainResManager(), true);
    m_menu = std::make_unique<CGameMenu>(m_group, m_kind, m_host);
    CDraw2D::SetOrthoProjection(800, 600, 800, 600, -50.0, 50.0);
    const std::vector<CDraw2D::SRect> whole = {{0.0f, 0.0f, 800.0f, 600.0f}};

    m_menu->Draw();
    const std::vector<unsigned int> lit = Samples();
    CDraw2D::DarkenParts(whole, 0.25f);
    const std::vector<unsigned int> veiled = Samples();
    ASSERT_NE(lit, veiled);

    ASSERT_TRUE(m_menu->DrawShaded(0.25f));
    const std::vector<unsigned int> shaded = Samples();
    EXPECT_LE(Farthest(shaded, veiled), 2);

    // Parts laid again darkened match; laid again lit, they show the menu
    // as it is, not its darkened copy.
    std::vector<CDraw2D::SRect> spilled;
    CDraw2D::ClearColorInRect(0, 0, 800, 600, 1.0f, 0.0f, 1.0f);
    ASSERT_TRUE(m_menu->DrawParts(whole, spilled, 0.25f));
    EXPECT_LE(Farthest(Samples(), shaded), 1);
    CDraw2D::ClearColorInRect(0, 0, 800, 600, 1.0f, 0.0f, 1.0f);
    ASSERT_TRUE(m_menu->DrawParts(whole, spilled, 1.0f));
    EXPECT_LE(Farthest(Samples(), lit), 1);
}
