#include "shell/CGameMenu.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <iterator>

#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CVector4.h"
#include "engine/widgets/CButton.h"
#include "engine/files/CAtomicFile.h"
#include "shell/CTextDialog.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "engine/frame/WindowToLogical.h"
#include "shell/CGameKindRegistry.h"
#include "shell/CGameOverDialog.h"
#include "shell/CHelpDialog.h"
#include "shell/CMenuHost.h"
#include "shell/COptionsDialog.h"
#include "shell/CTop7Dialog.h"
#include "shell/game/CGameParams.h"
#include "shell/game/CGameScreen.h"
#include "shell/game/CNewGameDialog.h"
#include "shell/game/GameLookup.h"
#include "platform/CKeyMap.h"

const char* const CGameMenu::SAVE_KEY = "zq71w";

namespace
{
const std::size_t SAVE_KEY_LENGTH = 5;

enum class EEntry { None, File, Other };

// What stands at a path, the link itself rather than what it points to.
EEntry GetEntryKind(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return EEntry::None;
    return S_ISREG(info.st_mode) ? EEntry::File : EEntry::Other;
}

// Behind every widget of the menu.
const float kBackgroundDepth = -2.0f;
// The list of files that could not be written: kept inside the picture's
// frame and above the OK button, as large as it fits.
const float kWriteFailureInset = 60.0f;
const float kWriteFailureTextSize = 22.0f;
const float kWriteFailureMinTextSize = 14.0f;
const int RESULT_START = 0;

// The dialog skin every dialog over this menu finds by name; the panel
// picture alone is opaque and not mipmapped.
const char* const SKIN_KEYS[] = {
    "m_clear_btn", "m_close_btn",     "m_up_btn",        "m_down_btn",          "m_ok_btn",        "m_cancel_btn",
    "m_radio_btn", "m_check_box",     "m_skin_up_btn",   "m_skin_down_btn",     "m_enter_name_editbox",
};

bool EndsWith(const std::string& text, const char* tail)
{
    const std::string end(tail);
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
}

std::unique_ptr<CGameMenu> CGameMenu::Create(CConfigFile& group, const CGameKindRegistry& kinds, CMenuHost& host)
{
    const SGameKind* kind = kinds.Find(StrToInt(group.GetValue("m_game_kind", "0")));
    if (kind == nullptr)
        return nullptr;
    return std::make_unique<CGameMenu>(group, *kind, host);
}

CGameMenu::CGameMenu(CConfigFile& group, const SGameKind& kind, CMenuHost& host)
    : m_host(host),
      m_group(group),
      m_kind(kind),
      m_param_key(kind.GetParamKey()),
      m_res_manager(std::make_unique<CResManager>(host.GetPack()))
{
    SetDraggable(true);
    CResManager* main = m_host.GetMainResManager();
    if (main)
        main->RegisterObject(m_res_manager.get(), CMenuHost::CURRENT_RES_MANAGER);
    try
    {
        AddSkinTexture("m_dialog_window_back", false);
        m_skin_textures.push_back("m_dialog_window_back");
        for (const char* key : SKIN_KEYS)
        {
            AddSkinTexture(key, true);
            m_skin_textures.push_back(key);
        }
        AddSkinTexture("m_background", false);
        m_background = m_res_manager->FindTexture("m_background");
        m_own_textures.push_back("m_background");

        m_help_button = MakeButton("m_help_small_btn");
        m_minimize_button = MakeButton("m_minimize_small_btn");
        m_fullscreen_button = MakeButton("m_fullscreen_btn");
        m_exit_button = MakeButton("m_exit_small_btn");
        m_link_button = MakeButton("m_quenth_btn");
        m_new_game_button = MakeButton("m_new_game_btn");
        m_continue_button = MakeButton("m_continue_game_btn");
        m_top7_button = MakeButton("m_top7_btn");
        m_options_button = MakeButton("m_options_btn");
        m_quit_button = MakeButton("m_quit_game_btn");
        m_continue_button->SetVisible(false);

        m_params = m_kind.m_make_params();
        if (!m_kind.m_settings_file.empty())
            m_params->SetFiles(m_kind.m_settings_file, m_kind.GetScoresPattern());
        m_params->SetDataRoot(m_host.GetDataRoot());
        if (main)
            main->RegisterObject(m_params.get(), m_param_key.c_str());
        if (CFilePack* pack = m_host.GetPack())
            m_params->LoadParams(*pack);
        m_params->LoadSettings();
        m_params->LoadTextures(*m_res_manager);

        m_save_path = FindSavePath();
        RestoreSavedGame();
    }
    catch (...)
    {
        // The destructor will not run: nothing may stay registered.
        m_game_screen.reset();
        if (main)
        {
            if (m_params && main->GetObject(m_param_key.c_str()) == m_params.get())
                main->UnregisterObject(m_param_key.c_str());
            if (main->GetObject(CMenuHost::CURRENT_RES_MANAGER) == m_res_manager.get())
                main->UnregisterObject(CMenuHost::CURRENT_RES_MANAGER);
        }
        throw;
    }
}

CGameMenu::~CGameMenu()
{
    // A failed write leaves the previous file whole, so at worst an older
    // state of the game comes back.
    if (m_game_screen && m_params->GetAutosave() && !m_save_path.empty())
    {
        CConfigFile store;
        m_game_screen->Save(store);
        store.Save(m_save_path, SAVE_KEY, SAVE_KEY_LENGTH);
    }
    else if (m_params->IsAutosaveTrusted())
        RemoveSaveFile();
    m_params->SaveSettings();

    // Everything that may look the parameters or the manager up goes while
    // both are still registered.
    for (CScreen* screen : std::initializer_list<CScreen*>{m_write_failure_dialog.get(), m_help_dialog.get(), m_top7_dialog.get(),
                                                           m_game_screen.get(), m_options_dialog.get(),
                                                           m_game_over_dialog.get(), m_new_game_dialog.get()})
        if (screen)
            m_host.WithdrawScreen(screen);
    m_help_dialog.reset();
    m_top7_dialog.reset();
    m_write_failure_dialog.reset();
    m_game_screen.reset();
    m_options_dialog.reset();
    m_game_over_dialog.reset();
    m_new_game_dialog.reset();

    if (CResManager* main = m_host.GetMainResManager())
    {
        if (main->GetObject(m_param_key.c_str()) == m_params.get())
            main->UnregisterObject(m_param_key.c_str());
        if (main->GetObject(CMenuHost::CURRENT_RES_MANAGER) == m_res_manager.get())
            main->UnregisterObject(CMenuHost::CURRENT_RES_MANAGER);
    }
    m_params.reset();
}

int CGameMenu::GetKindIndex() const
{
    return m_kind.m_index;
}

void CGameMenu::AddSkinTexture(const char* key, bool dynamic)
{
    // A key the layout lacks leaves an empty picture, with a word on stderr,
    // instead of a hunt for a picture called "0".
    if (!m_group.HasKey(key))
    {
        std::fprintf(stderr, "Marblewend: %s is damaged: it names no picture for %s\n", m_kind.GetMenuFile().c_str(),
                     key);
        m_res_manager->AddTexture(nullptr, key, false, dynamic);
        return;
    }
    const std::string file = m_group.GetValue(key, "0");
    m_res_manager->AddTexture(file.c_str(), key, false, dynamic);
}

std::unique_ptr<CButton> CGameMenu::MakeButton(const char* key)
{
    AddSkinTexture(key, true);
    m_own_textures.push_back(key);
    auto button = std::make_unique<CButton>(this, m_res_manager->FindTexture(key));
    button->LoadPosition(m_group, key);
    AddChild(button.get());
    return button;
}

bool CGameMenu::IsUsableSaveName(const std::string& name)
{
    if (name.empty() || name == "0" || name.front() == '/' || name.front() == '\\' || name.back() == '/' ||
        name.back() == '\\' || name.find("..") != std::string::npos || name.find(':') != std::string::npos)
        return false;
    // The settings, the score tables and the pack must never be read as a
    // game or deleted with one.
    for (const char* tail : {".cfg", ".tab", ".pk"})
        if (EndsWith(name, tail))
            return false;
    return true;
}

std::string CGameMenu::FindSavePath() const
{
    const std::string name = m_group.GetValue("m_save_file", "0");
    if (!IsUsableSaveName(name))
        return std::string();
    // Two kinds sharing a file would resume each other's games and delete them.
    if (CResManager* main = m_host.GetMainResManager())
        for (const CConfigFile* other : main->GetConfigs())
            if (other != &m_group && other->GetValue("m_save_file", "0") == name)
                return std::string();
    return m_host.MakeDataPath(name);
}

const char* const CGameMenu::kUnreadableSaveText = "The saved game could not be read";
const char* const CGameMenu::kSaveLeftInPlaceText =
    "Saved game unreadable and left in place: games are not saved this time.";

const char* CGameMenu::GetUnreadableSaveNote() const
{
    return m_save_left_in_place ? kSaveLeftInPlaceText : kUnreadableSaveText;
}

CGameMenu::SNoteLayout CGameMenu::LayOutUnreadableSaveText(const CBitmapFont& font, const char* text, float width,
                                                           float height)
{
    SNoteLayout layout;
    for (layout.size = kUnreadableSaveTextSize;; layout.size -= 1.0f)
    {
        // Whole lines are measured: the font spaces its glyphs, so the
        // widths of the words alone would not add up to the line's.
        layout.lines.clear();
        std::istringstream words(text);
        std::string word;
        while (words >> word)
        {
            if (!layout.lines.empty() &&
                font.GetTextWidth((layout.lines.back() + " " + word).c_str(), layout.size) <= width)
                layout.lines.back() += " " + word;
            else
                layout.lines.push_back(word);
        }
        if (layout.lines.size() * (layout.size + kUnreadableSaveLineGap) <= height ||
            layout.size <= kUnreadableSaveMinTextSize)
            return layout;
    }
}

void CGameMenu::DrawUnreadableSaveText(const CBitmapFont& font) const
{
    // Where Continue would have been, centred on that button: its width
    // keeps the lines inside the menu's panel.
    const CVector4& at = m_continue_button->GetPosition();
    const float width = m_continue_button->GetWidth();
    const float height = m_continue_button->GetHeight();
    const SNoteLayout note = LayOutUnreadableSaveText(font, GetUnreadableSaveNote(), width, height);
    const float lineHeight = note.size + kUnreadableSaveLineGap;
    // The font draws upward from y: the first line's foot is one line down.
    float y = at.y + (height - lineHeight * note.lines.size()) / 2.0f + lineHeight;
    for (const std::string& line : note.lines)
    {
        const float x = at.x + (width - font.GetTextWidth(line.c_str(), note.size)) / 2.0f;
        font.DrawText(line.c_str(), note.size, x, y, 10.0f, 1.0f, 0.85f, 0.4f, 1.0f, false);
        y += lineHeight;
    }
}

void CGameMenu::RestoreSavedGame()
{
    if (m_save_path.empty() || access(m_save_path.c_str(), F_OK) != 0)
        return;
    // A save exists only where autosave was on: a settings file too damaged
    // to say so must not get it deleted.
    if (!m_params->IsAutosaveTrusted())
        m_params->SetAutosave(true);
    // The file stays until it is rewritten or the game is over: a crash
    // during this visit must not lose the game.
    CConfigFile store;
    std::unique_ptr<CGameScreen> screen;
    if (store.Load(m_save_path, true, SAVE_KEY, SAVE_KEY_LENGTH))
        screen = m_kind.m_make_game_screen();
    if (screen && screen->Load(store))
        SetGameScreen(std::move(screen));
    else
        SetUnreadableSaveAside();
}

void CGameMenu::SetUnreadableSaveAside()
{
    m_save_unreadable = true;
    std::fprintf(stderr, "Marblewend: %s: %s\n", m_save_path.c_str(), kUnreadableSaveText);
    const std::string kept = SetAside(m_save_path, KEPT_UNREADABLE_SAVES);
    if (!kept.empty())
    {
        std::fprintf(stderr, "Marblewend: kept it as %s\n", kept.c_str());
        return;
    }
    // Still in its place: no game of this visit is saved over it, and the
    // note says so.
    std::fprintf(stderr, "Marblewend: could not move it aside; no game is saved over it\n");
    m_save_path.clear();
    m_save_left_in_place = true;
}

std::string CGameMenu::SetAsideName(const std::string& path, int n)
{
    return path + ".unreadable" + (n > 1 ? std::to_string(n) : "");
}

std::string CGameMenu::SetAside(const std::string& path, int keep)
{
    // Only files the game itself could have put there are counted, moved or
    // given up; a folder, a link or anything else keeps its name, which is
    // then skipped. Nothing but a file is moved aside either.
    if (GetEntryKind(path) != EEntry::File)
        return {};
    std::vector<int> taken;
    for (int n = 1; n <= keep; ++n)
        if (GetEntryKind(SetAsideName(path, n)) == EEntry::File)
            taken.push_back(n);
    // The oldest goes once as many are kept; the rest close up in their
    // order, so that the newest always has the highest number.
    if (static_cast<int>(taken.size()) >= keep && !taken.empty())
    {
        std::remove(SetAsideName(path, taken.front()).c_str());
        taken.erase(taken.begin());
    }
    auto isFree = [&path](int n) { return GetEntryKind(SetAsideName(path, n)) == EEntry::None; };
    int slot = 1;
    for (int n : taken)
    {
        int target = slot;
        while (target < n && !isFree(target))
            ++target;
        // One that cannot move stays, and the next goes after it.
        if (target < n && std::rename(SetAsideName(path, n).c_str(), SetAsideName(path, target).c_str()) == 0)
            slot = target + 1;
        else
            slot = n + 1;
    }
    while (slot <= keep && !isFree(slot))
        ++slot;
    if (slot > keep || std::rename(path.c_str(), SetAsideName(path, slot).c_str()) != 0)
        return {};
    return SetAsideName(path, slot);
}

void CGameMenu::RemoveSaveFile()
{
    // A file the game could not read is never deleted.
    if (!m_save_path.empty() && !m_save_unreadable)
        std::remove(m_save_path.c_str());
}

void CGameMenu::SetGameScreen(std::unique_ptr<CGameScreen> screen)
{
    m_game_screen = std::move(screen);
    m_continue_button->SetVisible(m_game_screen != nullptr);
}

void CGameMenu::StartGame(std::unique_ptr<CGameScreen> screen)
{
    if (!screen)
        return;
    SetGameScreen(std::move(screen));
    m_host.SetScreen(m_game_screen.get());
    m_host.EnterGameMode();
}

void CGameMenu::EndGame()
{
    const int score = m_game_screen->GetScore();
    // The finished game's own choice picks the table, even where the
    // settings say otherwise.
    int difficulty = m_game_screen->GetGameDifficulty();
    int size = m_game_screen->GetGameSize();
    if (difficulty < 0 || difficulty >= m_params->GetDifficultyCount())
        difficulty = m_params->GetLastDifficulty();
    if (size < 0 || size >= m_params->GetSizeCount())
        size = m_params->GetLastSize();
    CScoreTable* table = m_params->GetScoreTable(m_params->GetTableIndex(difficulty, size));
    if (m_game_over_dialog)
        m_host.WithdrawScreen(m_game_over_dialog.get());
    // A finished game is never resumed; its save goes once the score is
    // written (when the dialog closes). It is let go before the dialog's
    // pictures come back, so the two are never held at once.
    SetGameScreen(nullptr);
    ReloadSkins();
    m_game_over_dialog =
        std::make_unique<CGameOverDialog>(score, table, m_host, m_params->GetScoreTablePath(difficulty, size));
    m_game_over_dialog->SetLogicalSize(m_host.GetLogicalWidth(), m_host.GetLogicalHeight());
    m_game_over_dialog->SetShade(true);
    m_game_over_dialog->SetPanelVisible(false);
    m_host.OpenOverlay(m_game_over_dialog.get());
}

void CGameMenu::Update(float dt)
{
    // Runs only while the menu itself is on top: no dialog is in the way.
    const std::vector<std::string> failures = CAtomicFile::TakeFailures();
    if (!failures.empty() && !m_write_failure_dialog)
    {
        std::vector<std::string> lines = {"Could not be written:"};
        lines.insert(lines.end(), failures.begin(), failures.end());
        ReloadSkins();
        m_write_failure_dialog = std::make_unique<CTextDialog>(m_group, m_res_manager.get(), m_host.GetFont());
        CTextDialog& dialog = *m_write_failure_dialog;
        // The dialogs' picture holds the list, as it holds the other
        // dialogs; the veil stands in where it is missing.
        dialog.SetShade(true);
        dialog.SetPanelVisible(true);
        dialog.GetCancelButton()->SetVisible(false);
        CButton& ok = *dialog.GetOkButton();
        const float width = static_cast<float>(dialog.GetWidth());
        ok.SetPosition((width - ok.GetWidth()) / 2.0f, ok.GetPosition().y, ok.GetPosition().z);
        const CDraw2D::SRect box{kWriteFailureInset, kWriteFailureInset, width - 2.0f * kWriteFailureInset,
                                 ok.GetPosition().y - kWriteFailureInset - kWriteFailureInset / 2.0f};
        dialog.SetLinesWithin(lines, box, kWriteFailureTextSize, kWriteFailureMinTextSize, 1.0f, 1.0f, 1.0f);
        m_host.OpenOverlay(m_write_failure_dialog.get());
    }
    CScreen::Update(dt);
}

void CGameMenu::Activate()
{
    if (m_covered)
    {
        m_res_manager->ReloadTextures(m_own_textures);
        ReloadSkins();
    }
    m_covered = false;
    m_host.SetMenuView();
    SetDraggable(!m_host.IsFullScreen());
    // Drawn one texel to one pixel, the background looks the same sampled
    // nearest, at a fraction of the cost; a scaled window needs filtering.
    if (m_background && m_background->GetId() != 0)
        CDraw2D::SetPictureFilter(m_background->GetId(),
                                  m_host.GetWindowWidth() == m_host.GetLogicalWidth() &&
                                      m_host.GetWindowHeight() == m_host.GetLogicalHeight());
}

void CGameMenu::Deactivate()
{
    // A game covers the menu: its background and buttons wait on disk, and
    // so do the dialogs' pictures until a dialog opens over the game.
    m_covered = true;
    m_res_manager->ReleaseTextures(m_own_textures);
    m_res_manager->ReleaseTextures(m_skin_textures);
    m_mark.Forget();
    m_background_copy.Release();
    m_background_copy_id = 0;
}

void CGameMenu::ReloadSkins()
{
    m_res_manager->ReloadTextures(m_skin_textures);
}

void CGameMenu::Draw()
{
    DrawLit(1.0f, true);
}

bool CGameMenu::DrawShaded(float light)
{
    // The text about an unreadable save keeps its own colours.
    if (m_save_unreadable && !m_game_screen)
        return false;
    DrawLit(light, false);
    return true;
}

void CGameMenu::DrawLit(float light, bool sparkles)
{
    m_continue_button->SetVisible(m_game_screen != nullptr);
    const float width = static_cast<float>(m_host.GetLogicalWidth());
    const float height = static_cast<float>(m_host.GetLogicalHeight());
    const unsigned int background = m_background ? m_background->GetId() : 0;
    // Under a dialog that steps and draws the sparkles, they rise once a
    // frame, as over the menu alone.
    if (sparkles)
        UpdateBackSparkles();

    // In the order they were added, which is the order they are drawn in.
    CButton* const buttons[] = {m_help_button.get(),     m_minimize_button.get(), m_fullscreen_button.get(),
                                m_exit_button.get(),     m_link_button.get(),     m_new_game_button.get(),
                                m_continue_button.get(), m_top7_button.get(),     m_options_button.get(),
                                m_quit_button.get()};
    std::vector<int> button_states;
    for (const CButton* button : buttons)
    {
        button_states.push_back(button->GetState());
        button_states.push_back(button->IsVisible() ? 1 : 0);
    }
    // The sparkles pass behind the buttons. While the back buffer holds the
    // last frame and no button changed, only the cells they were or are
    // drawn over get the background again, and only the buttons those cells
    // touch are drawn again, each over the background whole.
    const bool pixel_exact = m_host.GetWindowWidth() == m_host.GetLogicalWidth() &&
                             m_host.GetWindowHeight() == m_host.GetLogicalHeight();
    const bool own_frame = background != 0 && pixel_exact && !m_host.HasOverlay() && light == 1.0f &&
                           !(m_save_unreadable && !m_game_screen);
    const bool partial = own_frame && button_states == m_drawn_buttons && m_mark.HoldsLastFrame();
    // The flat layers lie at one depth, each drawn over the last; whoever
    // drew before (a dialog over the menu) may have left the test on.
    CDraw2D::SetDepthTest(false);
    // Nothing in a frame of the menu's own reads the depth; clearing the
    // whole window's costs the renderer as much as laying the background
    // again.
    if (!partial)
        CDraw2D::ClearDepth();
    CDrawnOverCells drawn_over;
    const CSprite* sparkle = m_host.GetMainResManager() != nullptr
                                 ? m_host.GetMainResManager()->FindSprite(CSparkleLists::kBackSprite)
                                 : nullptr;
    CGameApp* app = CGameApp::Get();
    if (sparkle != nullptr && app != nullptr && app->GetSparkles() != nullptr)
        drawn_over.MarkBackSparkles(*app->GetSparkles(), *sparkle, width, height);
    else
        drawn_over.Mark(0.0f, 0.0f, width, height, width, height);

    if (partial)
    {
        CDrawnOverCells restore = m_drawn_over;
        restore.Add(drawn_over);
        // A button drawn again takes its cells along, which may touch another.
        bool redraw[std::size(buttons)] = {};
        for (bool grew = true; grew;)
        {
            grew = false;
            for (std::size_t i = 0; i < std::size(buttons); ++i)
            {
                const CButton& button = *buttons[i];
                const CDraw2D::SRect rect{button.GetPosition().x, button.GetPosition().y, button.GetWidth(),
                                          button.GetHeight()};
                if (!redraw[i] && button.IsVisible() && restore.Touches(rect))
                {
                    redraw[i] = true;
                    restore.Mark(rect.x, rect.y, rect.width, rect.height, width, height);
                    grew = true;
                }
            }
        }
        DrawBackgroundParts(restore.Runs(), 1.0f);
        CDraw2D::SetTexturing(false);
        DrawBackSparkles();
        for (std::size_t i = 0; i < std::size(buttons); ++i)
            if (redraw[i])
                buttons[i]->Draw();
    }
    else
    {
        // The opaque background covers the whole window: it stands in for
        // the colour clear, and nothing under it needs blending.
        CDraw2D::DrawOpaquePicture(background, width, height, kBackgroundDepth);
        if (light < 1.0f)
        {
            // Over the background alone: the sparkles and the buttons are
            // drawn as dark as the veil would leave them.
            const bool depth_test = CDraw2D::IsDepthTestOn();
            CDraw2D::SetDepthTest(false);
            CDraw2D::DarkenParts({{0.0f, 0.0f, width, height}}, light);
            CDraw2D::SetDepthTest(depth_test);
        }
        const int window_width = m_host.GetWindowWidth(), window_height = m_host.GetWindowHeight();
        if (pixel_exact && background != 0 &&
            (background != m_background_copy_id || light != m_background_copy_light ||
             window_width != m_background_copy.GetWidth() || window_height != m_background_copy.GetHeight()))
        {
            m_background_copy_id = m_background_copy.Capture(window_width, window_height) ? background : 0;
            m_background_copy_light = light;
        }
        CDraw2D::SetTexturing(false);
        if (own_frame)
            m_mark.SetBase(CDraw2D::ReadPixel(0, 0));
        if (sparkles)
            DrawBackSparkles(nullptr, light);
        CDraw2D::SetColor(light, light, light, 1.0f);
        CScreen::Draw();
        CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    }
    CBitmapFont* font = m_host.GetFont();
    if (m_save_unreadable && !m_game_screen && font)
        DrawUnreadableSaveText(*font);
    m_drawn_over = drawn_over;
    m_drawn_buttons = button_states;
    if (own_frame)
        m_mark.Stamp();
    else
        m_mark.Forget();
}

void CGameMenu::DrawBackgroundParts(const std::vector<CDraw2D::SRect>& parts, float light)
{
    const float width = static_cast<float>(m_host.GetLogicalWidth());
    const float height = static_cast<float>(m_host.GetLogicalHeight());
    const unsigned int background = m_background ? m_background->GetId() : 0;
    if (background != 0 && background == m_background_copy_id && light == m_background_copy_light &&
        m_background_copy.CopyParts(parts, width, height))
        return;
    CDraw2D::DrawOpaquePictureParts(background, parts, width, height, kBackgroundDepth);
    if (light < 1.0f)
        CDraw2D::DarkenParts(parts, light);
}

std::vector<CButton*> CGameMenu::GetButtonsInOrder() const
{
    // In the order they were added, which is the order they are drawn in.
    return {m_help_button.get(),     m_minimize_button.get(), m_fullscreen_button.get(), m_exit_button.get(),
            m_link_button.get(),     m_new_game_button.get(), m_continue_button.get(),   m_top7_button.get(),
            m_options_button.get(), m_quit_button.get()};
}

bool CGameMenu::DrawParts(const std::vector<CDraw2D::SRect>& parts, std::vector<CDraw2D::SRect>&, float light)
{
    const unsigned int background = m_background ? m_background->GetId() : 0;
    const bool pixel_exact = m_host.GetWindowWidth() == m_host.GetLogicalWidth() &&
                             m_host.GetWindowHeight() == m_host.GetLogicalHeight();
    // The text about an unreadable save is drawn over everything: drawn whole.
    if (background == 0 || !pixel_exact || (m_save_unreadable && !m_game_screen))
        return false;
    // Whatever the dialog over the menu shows, the menu's own next frame is drawn whole.
    m_mark.Forget();
    // The dialog steps and draws the sparkles; a dialog that hides the
    // whole menu asks for no part.
    if (parts.empty())
        return true;
    // Each button is drawn only within the parts, so nothing outside them
    // changes.
    auto touched = [&parts](const CDraw2D::SRect& rect) {
        std::vector<CDraw2D::SRect> found;
        for (const CDraw2D::SRect& part : parts)
            if (part.x < rect.x + rect.width && rect.x < part.x + part.width && part.y < rect.y + rect.height &&
                rect.y < part.y + part.height)
                found.push_back(part);
        return found;
    };
    // Nothing drawn over the parts reads the depth, which a copied
    // background leaves as the last frame had it. The dialog draws the
    // sparkles over all this.
    CDraw2D::SetDepthTest(false);
    DrawBackgroundParts(parts, light);
    CDraw2D::SetTexturing(false);
    CDraw2D::SetColor(light, light, light, 1.0f);
    for (CButton* button : GetButtonsInOrder())
    {
        const std::vector<CDraw2D::SRect> within =
            touched({button->GetPosition().x, button->GetPosition().y, button->GetWidth(), button->GetHeight()});
        if (!within.empty())
            button->DrawParts(within);
    }
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    return true;
}

void CGameMenu::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE)
        m_host.CloseScreen(false);
    if (key == CKeyMap::VK_RETURN)
        m_host.Minimize();
    CScreen::OnKeyDown(key);
}

void CGameMenu::MapToLogical(int x, int y, int& lx, int& ly) const
{
    WindowToLogical(x, y, m_host.GetWindowWidth(), m_host.GetWindowHeight(), m_host.GetLogicalWidth(),
                    m_host.GetLogicalHeight(), lx, ly);
}

void CGameMenu::OnCommand(CWidget* sender)
{
    if (sender == nullptr)
        return;
    if (sender == m_new_game_button.get())
        OpenNewGame();
    else if (sender == m_continue_button.get())
    {
        // Only a game that exists can be resumed, whatever the button shows.
        if (m_game_screen)
        {
            m_host.SetScreen(m_game_screen.get());
            m_host.EnterGameMode();
        }
    }
    else if (sender == m_exit_button.get() || sender == m_quit_button.get())
        m_host.CloseScreen(false);
    else if (sender == m_help_button.get())
        OpenHelp();
    else if (sender == m_top7_button.get())
        OpenTop7();
    else if (sender == m_options_button.get())
        OpenOptions();
    else if (sender == m_fullscreen_button.get())
    {
        ToggleFullScreen();
        Activate();
    }
    else if (sender == m_minimize_button.get())
    {
        LeaveFullScreen();
        m_host.Minimize();
        Activate();
    }
    else if (sender == m_link_button.get())
    {
        LeaveFullScreen();
        Activate();
        m_host.OpenSiteAddress();
    }
}

void CGameMenu::ToggleFullScreen()
{
    if (m_host.IsFullScreen())
        LeaveFullScreen();
    else if (m_host.SetDisplayMode(m_host.GetLogicalWidth(), m_host.GetLogicalHeight()))
        SetDraggable(false);
}

void CGameMenu::LeaveFullScreen()
{
    if (!m_host.IsFullScreen())
        return;
    m_host.RestoreWindowed();
    SetDraggable(true);
}

void CGameMenu::OpenNewGame()
{
    if (m_kind.m_start_without_dialog && !m_game_screen)
    {
        m_params->SetLastDifficulty(0);
        m_params->SetLastSize(0);
        StartGame(m_kind.m_make_game_screen());
        return;
    }
    if (m_new_game_dialog)
        return;
    ReloadSkins();
    m_new_game_dialog = m_kind.m_make_new_game_dialog(m_group, *m_params);
    if (m_new_game_dialog)
        m_host.OpenOverlay(m_new_game_dialog.get());
}

void CGameMenu::OpenHelp()
{
    if (m_help_dialog)
        return;
    ReloadSkins();
    m_help_dialog = std::make_unique<CHelpDialog>(m_group, m_host);
    m_host.OpenOverlay(m_help_dialog.get());
}

void CGameMenu::OpenTop7()
{
    if (m_top7_dialog)
        return;
    CScoreCaptionList list;
    ReloadSkins();
    m_top7_dialog = std::make_unique<CTop7Dialog>(m_group, m_host);
    m_params->GetScoreCaption(list);
    m_top7_dialog->SetTables(list);
    m_host.OpenOverlay(m_top7_dialog.get());
}

void CGameMenu::OpenOptions()
{
    if (m_options_dialog)
        return;
    ReloadSkins();
    m_options_dialog = std::make_unique<COptionsDialog>(m_group, m_params->GetBrickModelTable(), m_host);
    m_options_dialog->SetSkin(m_params->GetCurrentSkin(), m_params->GetSkinsCount());
    m_options_dialog->SetAutosave(m_params->GetAutosave());
    if (m_params->HasAnimation())
        m_options_dialog->SetAnimation(m_params->GetAnimation());
    m_host.OpenOverlay(m_options_dialog.get());
}

void CGameMenu::OnDialogClosed(int result, CScreen* dialog)
{
    if (dialog == nullptr)
        return;
    if (dialog == m_help_dialog.get())
        m_help_dialog.reset();
    else if (dialog == m_game_over_dialog.get())
    {
        m_game_over_dialog.reset();
        RemoveSaveFile();
    }
    else if (dialog == m_top7_dialog.get())
        m_top7_dialog.reset();
    else if (dialog == m_write_failure_dialog.get())
        m_write_failure_dialog.reset();
    else if (dialog == m_new_game_dialog.get())
        CloseNewGame(result);
    else if (dialog == m_options_dialog.get())
        CloseOptions();
}

void CGameMenu::CloseNewGame(int result)
{
    if (result == RESULT_START)
    {
        const int difficulty = m_new_game_dialog->GetSelectedDifficulty();
        const int size = m_new_game_dialog->GetSelectedSize();
        // The paused game is dropped unsaved; its file is replaced when the
        // menu is left.
        SetGameScreen(nullptr);
        m_params->SetLastDifficulty(difficulty);
        m_params->SetLastSize(size);
        StartGame(m_kind.m_make_game_screen());
    }
    m_new_game_dialog.reset();
}

void CGameMenu::CloseOptions()
{
    m_params->SetCurrentSkin(m_options_dialog->GetSkinIndex());
    m_params->SetAutosave(m_options_dialog->GetAutosave());
    if (m_params->HasAnimation() && m_options_dialog->HasAnimationBox())
        m_params->SetAnimation(m_options_dialog->GetAnimation());
    if (m_game_screen)
        m_game_screen->Reskin();
    m_options_dialog.reset();
}

void CGameMenu::OnScreenClosed(CScreen* screen)
{
    if (screen == nullptr || screen != m_game_screen.get())
        return;
    // The paused game waits under the menu: its held picture is drawn anew
    // when it shows again, and meanwhile the menu's pictures need the room.
    m_game_screen->ReleaseHeldPicture();
    if (!m_host.IsMinimized())
        m_host.EnterMenuMode();
    if (!m_game_screen->IsGameOver())
        return;
    EndGame();
}
