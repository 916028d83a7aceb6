// The game menu as a state machine: a fake kind, a window that only
// remembers, and a temporary directory for the settings, tables and saves.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CAtomicFile.h"
#include "engine/files/CConfigFile.h"
#include "shell/CGameKindRegistry.h"
#include "shell/CGameMenu.h"
#include "shell/CGameOverDialog.h"
#include "shell/CHelpDialog.h"
#include "shell/COptionsDialog.h"
#include "shell/CTextDialog.h"
#include "shell/CTop7Dialog.h"
#include "shell/game/CScoreTable.h"
#include "tests/files/CTempDir.h"
#include "tests/gamemenu/CFakeKind.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
const char* const SAVE_NAME = "data/fake.sav";
const int KEY_ESCAPE = 27;
const int KEY_ENTER = 13;

class GameMenuTest : public ::testing::Test
{
protected:
    GameMenuTest() : m_host(m_dir.GetPath())
    {
        m_group.SetValue("m_game_kind", "0");
        m_group.SetValue("m_save_file", SAVE_NAME);
    }

    CGameMenu& Open(int index = 0, bool startWithoutDialog = false)
    {
        m_kind = MakeFakeKind(index, m_host.GetMainResManager(), startWithoutDialog);
        m_menu = std::make_unique<CGameMenu>(m_group, m_kind, m_host);
        return *m_menu;
    }

    void Leave() { m_menu.reset(); }

    std::string SavePath() const { return m_dir.File(SAVE_NAME); }

    void WriteSave(const std::string& state, int score = 5)
    {
        CConfigFile store;
        store.SetValue("fake_state", state);
        store.SetInt("m_score", score);
        ASSERT_TRUE(store.Save(SavePath(), CGameMenu::SAVE_KEY, 5));
    }

    // The saved state, or "" when there is no readable save.
    std::string ReadSave() const
    {
        CConfigFile store;
        if (!store.Load(SavePath(), true, CGameMenu::SAVE_KEY, 5))
            return std::string();
        return store.GetValue("fake_state", "");
    }

    CFakeGameScreen* Game() const { return static_cast<CFakeGameScreen*>(m_menu->GetGameScreen()); }

    // New game, choose, then the dialog closes with the given result.
    void NewGame(int size, int difficulty, int result = 0)
    {
        m_menu->OnCommand(m_menu->GetNewGameButton());
        auto* dialog = static_cast<CFakeNewGameDialog*>(m_menu->GetNewGameDialog());
        ASSERT_NE(dialog, nullptr);
        dialog->Choose(size, difficulty);
        m_menu->OnDialogClosed(result, dialog);
    }

    // The running game ends with a score and its screen closes itself.
    void FinishGame(int score)
    {
        CFakeGameScreen* game = Game();
        game->EndGame(score);
        m_menu->OnScreenClosed(game);
    }

    CTempDir m_dir;
    CFakeMenuHost m_host;
    CConfigFile m_group;
    SGameKind m_kind;
    std::unique_ptr<CGameMenu> m_menu;
};
}

TEST_F(GameMenuTest, SaveFileIsRestoredKeptDuringTheVisitAndRewrittenOrRemovedOnLeaving)
{
    // The save file before ("" none) holds the game's state; the visit
    // changes it, and after leaving the file holds a state or is gone ("").
    const struct
    {
        const char* save;
        bool autosave;
        bool restored;
        const char* after;
    } cases[] = {
        {"", true, false, ""},
        {"half-way", true, true, "changed"},
        {"half-way", false, true, ""},
    };
    for (const auto& c : cases)
    {
        const std::string save = c.save;
        m_host.m_log.clear();
        std::remove(SavePath().c_str());
        if (!save.empty())
            WriteSave(save, 120);
        CGameMenu& menu = Open();
        menu.GetParams().SetAutosave(c.autosave);
        EXPECT_EQ(Game() != nullptr, c.restored) << c.save;
        EXPECT_EQ(menu.GetContinueButton()->IsVisible(), c.restored) << c.save;
        EXPECT_EQ(m_host.GetTopScreen(), nullptr) << "Continue resumes it, not the opening";
        // Without a game Continue does nothing.
        menu.OnCommand(menu.GetContinueButton());
        EXPECT_EQ(m_host.m_log.empty(), !c.restored) << c.save;
        if (c.restored)
        {
            EXPECT_EQ(Game()->m_state, save);
            EXPECT_EQ(Game()->GetScore(), 120);
            EXPECT_TRUE(CTempDir::Exists(SavePath()));
            Game()->m_state = "changed";
        }
        Leave();
        EXPECT_EQ(ReadSave(), c.after) << c.save;
        EXPECT_EQ(CTempDir::Exists(SavePath()), std::string(c.after) != "") << c.save;
    }
}

// A save the game cannot read is never deleted: it goes aside, once, under
// a name of its own, and the menu says so where Continue would be.
TEST_F(GameMenuTest, UnreadableSaveIsMovedAsideAndNeverDeleted)
{
    CConfigFile rejected;
    rejected.SetInt("m_score", 3);
    ASSERT_TRUE(rejected.Save(m_dir.File("rejected.sav"), CGameMenu::SAVE_KEY, 5));
    const std::vector<unsigned char> rejectedBytes = CTempDir::ReadBytes(m_dir.File("rejected.sav"));
    ASSERT_TRUE(CAtomicFile::MakeDirectories(m_dir.File("data")));
    const std::vector<std::vector<unsigned char>> saves = {
        {1, 2, ' ', 'n', 'o', 't', ' ', 'a', ' ', 's', 'a', 'v', 'e'},
        rejectedBytes,
    };
    for (std::size_t i = 0; i < saves.size(); ++i)
    {
        CTempDir::WriteBytes(SavePath(), saves[i]);
        Open();
        EXPECT_EQ(m_menu->GetGameScreen(), nullptr) << i;
        EXPECT_FALSE(m_menu->GetContinueButton()->IsVisible()) << i;
        EXPECT_TRUE(m_menu->IsSaveUnreadable()) << i;
        m_menu->GetParams().SetAutosave(false);
        Leave();
        const std::string aside = SavePath() + ".unreadable" + (i > 0 ? std::to_string(i + 1) : "");
        EXPECT_EQ(CTempDir::ReadBytes(aside), saves[i]) << i;
        EXPECT_FALSE(CTempDir::Exists(SavePath())) << i;
    }
}

// Damaged saves keep coming: the newest nine are kept, oldest first, and a
// new game played after each is saved in its place, never over one.
// Before: the set-aside names already taken ("1" is ".unreadable"); after:
// which damaged save (by its number, 0 for those there before) each name
// holds once one more is set aside.
TEST_F(GameMenuTest, TheNewestDamagedSavesAreKeptInOrder)
{
    struct SCase
    {
        const char* name;
        std::vector<int> before;
        std::vector<int> after;
    };
    const std::vector<SCase> cases = {
        {"none", {}, {1}},
        {"one", {1}, {0, 1}},
        {"gaps close up", {2, 5}, {0, 0, 1}},
        {"eight", {1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"nine: the oldest goes", {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
    };
    ASSERT_TRUE(CAtomicFile::MakeDirectories(m_dir.File("data")));
    auto aside = [this](int n) { return SavePath() + ".unreadable" + (n > 1 ? std::to_string(n) : ""); };
    for (const SCase& c : cases)
    {
        for (int n = 1; n <= CGameMenu::KEPT_UNREADABLE_SAVES + 1; ++n)
            std::remove(aside(n).c_str());
        // Each kept one says where it stood before.
        for (int n : c.before)
            CTempDir::WriteText(aside(n), "old " + std::to_string(n));
        CTempDir::WriteText(SavePath(), "damaged 1");
        Open();
        EXPECT_TRUE(m_menu->IsSaveUnreadable()) << c.name;
        NewGame(0, 0);
        Leave();
        EXPECT_EQ(ReadSave(), "fresh") << c.name;
        std::vector<int> beforeKept = c.before;
        if (beforeKept.size() == CGameMenu::KEPT_UNREADABLE_SAVES)
            beforeKept.erase(beforeKept.begin());
        for (int n = 1; n <= CGameMenu::KEPT_UNREADABLE_SAVES + 1; ++n)
        {
            const std::size_t i = static_cast<std::size_t>(n - 1);
            std::string want;
            if (i < c.after.size())
                want = c.after[i] ? "damaged " + std::to_string(c.after[i]) : "old " + std::to_string(beforeKept[i]);
            EXPECT_EQ(CTempDir::Exists(aside(n)) ? CTempDir::ReadText(aside(n)) : "", want) << c.name << " " << n;
        }
    }
}

// Ten damaged saves in a row, a new game between each: the last nine stay.
TEST_F(GameMenuTest, TenDamagedSavesInARowLoseOnlyTheOldest)
{
    ASSERT_TRUE(CAtomicFile::MakeDirectories(m_dir.File("data")));
    for (int i = 1; i <= 10; ++i)
    {
        CTempDir::WriteText(SavePath(), "damaged " + std::to_string(i));
        Open();
        NewGame(0, 0);
        Leave();
        ASSERT_EQ(ReadSave(), "fresh") << i;
    }
    for (int n = 1; n <= 10; ++n)
    {
        const std::string name = SavePath() + ".unreadable" + (n > 1 ? std::to_string(n) : "");
        EXPECT_EQ(CTempDir::Exists(name) ? CTempDir::ReadText(name) : "", n < 10 ? "damaged " + std::to_string(n + 1) : "")
            << n;
    }
}

// Only the game's own set-aside files are counted, moved or given up.
// Each of the nine names, before: '.' nothing, 'f' a file ("old <n>"), 'd'
// an empty folder, 'D' a folder holding a file, 'l' a link to a file kept
// elsewhere. After: the same letters for what must stay as it was, a digit
// for the file that stood at that number before, '*' the damaged save. Where
// no name is free the damaged save stays in its place, the menu says so,
// and the visit's new game is not saved over it.
TEST_F(GameMenuTest, DamagedSavesGoOnlyWhereTheGameKeepsItsOwnFiles)
{
    struct SCase
    {
        const char* name;
        const char* before;
        const char* after;
        bool leftInPlace;
    };
    const SCase cases[] = {
        {"an empty folder keeps its name", "d........", "d*.......", false},
        {"a link keeps its name", "l........", "l*.......", false},
        {"files close up round a folder", "df..f....", "d25*.....", false},
        {"a folder holding a file, eight files", "Dffffffff", "D23456789", true},
        {"a folder among eight files", "ffdffffff", "12d456789", true},
        {"nine folders", "ddddddddd", "ddddddddd", true},
        {"nine files: the oldest goes", "fffffffff", "23456789*", false},
    };
    ASSERT_TRUE(CAtomicFile::MakeDirectories(m_dir.File("data")));
    const std::string elsewhere = m_dir.File("elsewhere.txt");
    const std::vector<unsigned char> damaged = {'d', 'a', 'm', 'a', 'g', 'e', 'd', 0, 1, 2};
    auto aside = [this](int n) { return SavePath() + ".unreadable" + (n > 1 ? std::to_string(n) : ""); };
    auto isFolder = [](const std::string& path) {
        struct stat info;
        return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    };
    auto isLink = [](const std::string& path) {
        struct stat info;
        return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (int n = 1; n <= CGameMenu::KEPT_UNREADABLE_SAVES + 1; ++n)
        {
            std::remove(aside(n).c_str());
            std::remove((aside(n) + "/mine.txt").c_str());
            std::remove(aside(n).c_str());
        }
        CTempDir::WriteText(elsewhere, "someone's");
        for (int n = 1; n <= CGameMenu::KEPT_UNREADABLE_SAVES; ++n)
        {
            const char what = c.before[n - 1];
            const std::string name = aside(n);
            if (what == 'f')
                CTempDir::WriteText(name, "old " + std::to_string(n));
            if (what == 'd' || what == 'D')
            {
                ASSERT_EQ(mkdir(name.c_str(), 0755), 0) << n;
            }
            if (what == 'D')
                CTempDir::WriteText(name + "/mine.txt", "mine");
            if (what == 'l')
            {
                ASSERT_EQ(symlink(elsewhere.c_str(), name.c_str()), 0) << n;
            }
        }
        CTempDir::WriteBytes(SavePath(), damaged);
        Open();
        EXPECT_TRUE(m_menu->IsSaveUnreadable());
        EXPECT_EQ(m_menu->IsSaveLeftInPlace(), c.leftInPlace);
        EXPECT_STREQ(m_menu->GetUnreadableSaveNote(),
                     c.leftInPlace ? CGameMenu::kSaveLeftInPlaceText : CGameMenu::kUnreadableSaveText);
        NewGame(0, 0);
        Leave();
        if (c.leftInPlace)
        {
            EXPECT_EQ(CTempDir::ReadBytes(SavePath()), damaged);
        }
        else
        {
            EXPECT_EQ(ReadSave(), "fresh");
        }
        EXPECT_EQ(CTempDir::ReadText(elsewhere), "someone's");
        for (int n = 1; n <= CGameMenu::KEPT_UNREADABLE_SAVES; ++n)
        {
            const std::string name = aside(n);
            std::string found = ".";
            if (isLink(name))
                found = "l";
            else if (isFolder(name))
                found = CTempDir::Exists(name + "/mine.txt") ? "D" : "d";
            else if (CTempDir::Exists(name))
                found = CTempDir::ReadBytes(name) == damaged ? "*" : CTempDir::ReadText(name).substr(4);
            EXPECT_EQ(found, std::string(1, c.after[n - 1])) << n;
        }
        EXPECT_FALSE(CTempDir::Exists(aside(CGameMenu::KEPT_UNREADABLE_SAVES + 1)));
    }
}

// A folder where the save should be is the player's: it is neither moved
// nor written over, and the menu says that games are not saved.
TEST_F(GameMenuTest, AFolderAtTheSaveIsLeftAlone)
{
    ASSERT_TRUE(CAtomicFile::MakeDirectories(SavePath()));
    CTempDir::WriteText(SavePath() + "/mine.txt", "mine");
    Open();
    EXPECT_TRUE(m_menu->IsSaveLeftInPlace());
    NewGame(0, 0);
    Leave();
    EXPECT_EQ(CTempDir::ReadText(SavePath() + "/mine.txt"), "mine");
    EXPECT_FALSE(CTempDir::Exists(SavePath() + ".unreadable"));
}

// A save exists only where autosave was on: damaged settings must not make
// the game believe otherwise and delete it.
TEST_F(GameMenuTest, DamagedSettingsNeverCostTheSavedGame)
{
    Open();
    const std::string settings = m_menu->GetParams().GetSettingsPath();
    Leave();
    // The autosave value written; none: a file that is no settings file at all.
    for (const char* value : {"", "abc", "1x"})
    {
        CConfigFile store;
        store.SetValue("m_autosave", value);
        if (*value)
            ASSERT_TRUE(store.Save(settings, "52kq781w", 8));
        else
            CTempDir::WriteText(settings, "\x01\x02 garbage");
        WriteSave("kept");
        Open();
        ASSERT_NE(Game(), nullptr) << value;
        EXPECT_TRUE(m_menu->GetParams().GetAutosave()) << value;
        Leave();
        EXPECT_EQ(ReadSave(), "kept") << value;
    }
}

// A game without a usable save name of its own is never saved: no name
// ("0"), one outside the data folder, the settings, tables or pack, or the
// name another kind's group holds too.
TEST_F(GameMenuTest, UnsafeOrSharedSaveNamesAreNeverUsed)
{
    m_host.GetMainResManager()->AddConfig(nullptr, "mover_menu")->SetValue("m_save_file", "data/mover.sav");
    for (const char* name : {"", "0", "/etc/passwd", "../outside.sav", "data/../x.sav", "data/", "data/dx.cfg",
                             "data/remover.cfg", "data/scores100.tab", "data/data.pk", "data/mover.sav"})
    {
        m_group.SetValue("m_save_file", name);
        EXPECT_TRUE(Open().GetSavePath().empty()) << name;
        Leave();
    }
    m_group.SetValue("m_save_file", "data/remover.sav");
    EXPECT_EQ(Open().GetSavePath(), m_dir.File("data/remover.sav"));
}

// Starting a game, its look and the choices kept are played through in the
// end-to-end scripts of every kind.
TEST_F(GameMenuTest, NewGameCancelKeepsThePausedGameAndOkReplacesItWithoutSavingIt)
{
    WriteSave("paused");
    CGameMenu& menu = Open();
    CFakeGameScreen* paused = Game();
    NewGame(1, 1, 1);
    EXPECT_EQ(Game(), paused);
    EXPECT_EQ(menu.GetNewGameDialog(), nullptr);
    EXPECT_EQ(menu.GetParams().GetLastSize(), 0);
    EXPECT_EQ(m_host.Count("SetScreen"), 0);
    Game()->m_state = "changed but dropped";
    NewGame(2, 1);
    EXPECT_EQ(menu.GetNewGameDialog(), nullptr);
    EXPECT_EQ(Game()->m_state, "fresh");
    EXPECT_EQ(CFakeGameScreen::s_alive, 1);
    EXPECT_EQ(ReadSave(), "paused");
    Leave();
    EXPECT_EQ(ReadSave(), "fresh");
}

// The table is written when the name is given, into the table of the
// finished game's own size and difficulty where it has them, of the last
// chosen ones otherwise.
TEST_F(GameMenuTest, RankedScoreIsWrittenAtOnceIntoTheTableOfTheFinishedGame)
{
    // Kind 6 has four sizes: its table is difficulty * 4 + size.
    const struct
    {
        int kind, size, difficulty, gameSize, gameDifficulty, table;
    } cases[] = {{0, 1, 2, -1, -1, 7}, {6, 3, 1, -1, -1, 7}, {6, 0, 2, -1, -1, 8}, {0, 0, 0, 1, 2, 7}};
    for (const auto& c : cases)
    {
        m_group.SetValue("m_game_kind", std::to_string(c.kind));
        CGameMenu& menu = Open(c.kind);
        NewGame(c.size, c.difficulty);
        Game()->m_size = c.gameSize;
        Game()->m_difficulty = c.gameDifficulty;
        FinishGame(500);
        CGameOverDialog* over = menu.GetGameOverDialog();
        ASSERT_NE(over, nullptr);
        EXPECT_TRUE(over->IsRanked());
        over->Finish();
        EXPECT_EQ(menu.GetParams().GetScoreTable(c.table)->GetCount(), 1) << c.kind << " " << c.table;
        const int size = c.gameSize < 0 ? c.size : c.gameSize;
        const int difficulty = c.gameDifficulty < 0 ? c.difficulty : c.gameDifficulty;
        CScoreTable written(0);
        ASSERT_TRUE(written.Load(menu.GetParams().GetScoreTablePath(difficulty, size)));
        EXPECT_EQ(written.GetCount(), 1) << c.kind << " " << c.table;
        menu.GetParams().GetScoreTable(c.table)->Clear();
        Leave();
    }
}

TEST_F(GameMenuTest, FinishedGameIsGoneWithItsSaveFile)
{
    WriteSave("nearly done");
    CGameMenu& menu = Open();
    m_host.SetScreen(Game());
    FinishGame(0);
    EXPECT_EQ(menu.GetGameScreen(), nullptr);
    EXPECT_EQ(CFakeGameScreen::s_alive, 0);
    // Shown also when the score does not rank.
    ASSERT_NE(menu.GetGameOverDialog(), nullptr);
    EXPECT_FALSE(menu.GetGameOverDialog()->IsRanked());
    // The save goes only once the score is safe in its table.
    EXPECT_TRUE(CTempDir::Exists(SavePath()));
    menu.OnDialogClosed(0, menu.GetGameOverDialog());
    EXPECT_EQ(menu.GetGameOverDialog(), nullptr);
    EXPECT_FALSE(CTempDir::Exists(SavePath()));
}

// The paused game and Continue after leaving it are played through in the
// end-to-end scripts; the menu music is not.
TEST_F(GameMenuTest, LeavingAGameStartsTheMenuMusicUnlessMinimised)
{
    CGameMenu& menu = Open();
    NewGame(0, 0);
    // Another screen closing changes nothing.
    CFakeGameScreen stranger(nullptr, "");
    stranger.EndGame(100);
    menu.OnScreenClosed(&stranger);
    EXPECT_EQ(m_host.Count("EnterMenuMode"), 0);
    m_host.m_minimized = true;
    menu.OnScreenClosed(Game());
    EXPECT_EQ(m_host.Count("EnterMenuMode"), 0);
    m_host.m_minimized = false;
    menu.OnScreenClosed(Game());
    EXPECT_EQ(m_host.m_log.back(), "EnterMenuMode");
}

TEST_F(GameMenuTest, DirectStartKindBeginsAtOnceOnlyWithoutAGame)
{
    CGameMenu& menu = Open(7, true);
    menu.GetParams().SetLastSize(2);
    menu.GetParams().SetLastDifficulty(2);
    menu.OnCommand(menu.GetNewGameButton());
    EXPECT_EQ(menu.GetParams().GetLastSize(), 0);
    EXPECT_EQ(menu.GetParams().GetLastDifficulty(), 0);
    menu.OnScreenClosed(Game());
    menu.OnCommand(menu.GetNewGameButton());
    EXPECT_NE(menu.GetNewGameDialog(), nullptr);
}

// Closed with Close, the options are kept in the end-to-end remover script.
TEST_F(GameMenuTest, OptionsAreCopiedBackAfterEscapeTooAndThePausedGameReskinned)
{
    WriteSave("paused");
    CGameMenu& menu = Open();
    menu.OnCommand(menu.GetOptionsButton());
    COptionsDialog* options = menu.GetOptionsDialog();
    ASSERT_NE(options, nullptr);
    options->OnCommand(options->GetSkinUpButton());
    options->SetAutosave(false);
    options->OnKeyDown(KEY_ESCAPE);
    menu.OnDialogClosed(options->GetResult(), options);
    EXPECT_EQ(menu.GetParams().GetCurrentSkin(), 1);
    EXPECT_FALSE(menu.GetParams().GetAutosave());
    EXPECT_EQ(Game()->m_reskins, 1);
    EXPECT_EQ(menu.GetOptionsDialog(), nullptr);
}

TEST_F(GameMenuTest, AnimationSettingTravelsOnlyForTheKindThatHasIt)
{
    m_group.SetValue("m_od_animation_chb.x", "390");
    m_group.SetValue("m_game_kind", "6");
    CGameMenu& menu = Open(6);
    menu.OnCommand(menu.GetOptionsButton());
    COptionsDialog* options = menu.GetOptionsDialog();
    ASSERT_TRUE(options->HasAnimationBox());
    EXPECT_TRUE(options->GetAnimationBox()->IsChecked());
    options->SetAnimation(false);
    menu.OnDialogClosed(0, options);
    EXPECT_FALSE(menu.GetParams().GetAnimation());
}

TEST_F(GameMenuTest, MissingSettingsFileKeepsTheScoreTables)
{
    CScoreTable table;
    table.Add("Ada", 900);
    ASSERT_TRUE(table.Save(m_dir.File("data/scores900.tab")));
    CGameMenu& menu = Open();
    ASSERT_EQ(menu.GetParams().GetScoreTable(0)->GetCount(), 1);
    EXPECT_EQ(menu.GetParams().GetScoreTable(0)->GetName(0), "Ada");
    Leave();
    EXPECT_TRUE(CTempDir::Exists(m_dir.File("data/fake.cfg")));
}

TEST_F(GameMenuTest, RegistrationsLastUntilEverythingThatUsesThemIsGone)
{
    WriteSave("paused");
    CGameMenu& menu = Open();
    CResManager* main = m_host.GetMainResManager();
    void* params = &menu.GetParams();
    EXPECT_EQ(main->GetObject("m_bricks_remover_game_param"), params);
    EXPECT_EQ(main->GetObject("current_res_manager"), &menu.GetResManager());
    menu.OnCommand(menu.GetHelpButton());
    Leave();
    EXPECT_EQ(CFakeGameScreen::s_params_seen_at_death, params);
    EXPECT_EQ(main->GetObject("m_bricks_remover_game_param"), nullptr);
    EXPECT_EQ(main->GetObject("current_res_manager"), nullptr);
    EXPECT_TRUE(m_host.m_overlays.empty());
}

TEST_F(GameMenuTest, WindowKeysAndButtons)
{
    CGameMenu& menu = Open();
    menu.OnKeyDown(KEY_ESCAPE);
    EXPECT_EQ(m_host.m_log, std::vector<std::string>{"CloseScreen"});
    menu.OnKeyDown(KEY_ENTER);
    EXPECT_TRUE(m_host.m_minimized);
    // Full screen toggles and stops dragging, unless the mode is refused.
    m_host.m_log.clear();
    menu.OnCommand(menu.GetFullScreenButton());
    EXPECT_EQ(m_host.m_log.front(), "SetDisplayMode(800,600)");
    EXPECT_FALSE(menu.IsDraggable());
    menu.OnCommand(menu.GetFullScreenButton());
    EXPECT_EQ(m_host.Count("RestoreWindowed"), 1);
    EXPECT_TRUE(menu.IsDraggable());
    m_host.m_refuse_display_mode = true;
    menu.OnCommand(menu.GetFullScreenButton());
    EXPECT_TRUE(menu.IsDraggable());
    // Link and minimise leave full screen first.
    m_host.m_full_screen = true;
    m_host.m_log.clear();
    menu.OnCommand(menu.GetLinkButton());
    EXPECT_EQ(m_host.m_log, (std::vector<std::string>{"RestoreWindowed", "OpenSiteAddress"}));
    m_host.m_full_screen = true;
    menu.OnCommand(menu.GetMinimizeButton());
    EXPECT_EQ(m_host.m_log.back(), "Minimize");
    EXPECT_FALSE(m_host.m_full_screen);
    // The mouse is mapped from window pixels to the layout.
    m_host.m_window_width = 1024;
    m_host.m_window_height = 768;
    int x = -1, y = -1;
    menu.MapToLogical(1023, 767, x, y);
    EXPECT_EQ(x * 1000 + y, 799599);
    menu.MapToLogical(0, 0, x, y);
    EXPECT_EQ(x * 1000 + y, 0);
}

TEST_F(GameMenuTest, DialogsOpenOnceAtATimeAndAreDeletedWhenClosed)
{
    CGameMenu& menu = Open();
    menu.OnCommand(menu.GetHelpButton());
    CHelpDialog* help = menu.GetHelpDialog();
    menu.OnCommand(menu.GetHelpButton());
    EXPECT_EQ(menu.GetHelpDialog(), help);
    EXPECT_EQ(m_host.Count("OpenOverlay"), 1);
    menu.OnDialogClosed(0, help);
    EXPECT_EQ(menu.GetHelpDialog(), nullptr);
    // Top 7 shows the kind's tables.
    menu.OnCommand(menu.GetTop7Button());
    CTop7Dialog* top7 = menu.GetTop7Dialog();
    ASSERT_NE(top7, nullptr);
    top7->PrevTable();
    EXPECT_EQ(top7->GetCaption(), "Hard - Large Field");
    menu.OnDialogClosed(0, top7);
    EXPECT_EQ(menu.GetTop7Dialog(), nullptr);
}

// A registered kind's menu is made in every kind's end-to-end script.
TEST_F(GameMenuTest, CreateRefusesAKindThatIsNotRegistered)
{
    CGameKindRegistry kinds;
    kinds.Add(MakeFakeKind(0, m_host.GetMainResManager()));
    m_group.SetValue("m_game_kind", "3");
    EXPECT_EQ(CGameMenu::Create(m_group, kinds, m_host), nullptr);
}

// A full disk or a read-only data/ is never silent: the next menu says which
// file could not be written, once.
TEST_F(GameMenuTest, FailedWritesAreToldOnceInTheMenu)
{
    CTempDir::WriteText(m_dir.File("data"), "a file where the data folder should be");
    Open();
    Leave();
    CGameMenu& menu = Open();
    menu.Update(16.0f);
    ASSERT_NE(menu.GetWriteFailureDialog(), nullptr);
    EXPECT_NE(menu.GetWriteFailureDialog()->GetText().find("data/fake.cfg"), std::string::npos)
        << menu.GetWriteFailureDialog()->GetText();
    // On the dialogs' picture, with OK alone in the middle under the list.
    const CTextDialog& told = *menu.GetWriteFailureDialog();
    EXPECT_TRUE(told.IsPanelVisible());
    EXPECT_FALSE(told.GetCancelButton()->IsVisible());
    EXPECT_FLOAT_EQ(told.GetOkButton()->GetPosition().x * 2.0f + told.GetOkButton()->GetWidth(),
                    static_cast<float>(told.GetWidth()));
    menu.OnDialogClosed(0, menu.GetWriteFailureDialog());
    EXPECT_EQ(menu.GetWriteFailureDialog(), nullptr);
    Leave();
    Open().Update(16.0f);
    EXPECT_EQ(m_menu->GetWriteFailureDialog(), nullptr);
}
