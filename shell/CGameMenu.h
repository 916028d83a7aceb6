#pragma once
// The screen of one game kind: New game, Continue, Top 7, Options, Help and
// the way back to the main menu. It owns the kind's parameter object and a
// resource manager of its own while it lives, resumes the kind's unfinished
// game from its save file, and writes it back when it is left.

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CScreen.h"
#include "engine/gfx/CBackBufferMark.h"
#include "engine/gfx/CWindowCopy.h"
#include "shell/game/CDrawnOverCells.h"

class CBitmapFont;
class CButton;
class CConfigFile;
class CGameKindRegistry;
class CGameOverDialog;
class CGameParams;
class CGameScreen;
class CHelpDialog;
class CMenuHost;
class CNewGameDialog;
class COptionsDialog;
class CResManager;
class CTexture;
class CTextDialog;
class CTop7Dialog;
struct SGameKind;

class CGameMenu : public CScreen
{
public:
    // The scrambling key of every saved game.
    static const char* const SAVE_KEY;
    // Damaged saves kept aside, each under a name of its own; the oldest is
    // given up for a new one.
    static constexpr int KEPT_UNREADABLE_SAVES = 9;

    // The menu of the kind that the group's m_game_kind names; null when that
    // kind is not in the registry (its main-menu button then opens nothing).
    static std::unique_ptr<CGameMenu> Create(CConfigFile& group, const CGameKindRegistry& kinds, CMenuHost& host);

    // Loads the kind's parameters, settings, tables and textures and resumes
    // its saved game, if any. The group and host outlive the menu.
    CGameMenu(CConfigFile& group, const SGameKind& kind, CMenuHost& host);
    // Saves the running game (when autosave is on), the settings and the
    // tables, then tears down before it withdraws what it registered.
    ~CGameMenu() override;

    void Draw() override;
    void OnHiddenFrame() override { m_mark.Forget(); }
    bool DrawParts(const std::vector<CDraw2D::SRect>& parts, std::vector<CDraw2D::SRect>& spilled,
                   float light) override;
    bool DrawShaded(float light) override;
    // Under a dialog nothing of the menu moves but the sparkles it leaves
    // to the dialog.
    bool IsStillWhenShaded() const override { return true; }
    void Activate() override;
    void Deactivate() override;
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;
    void OnDialogClosed(int result, CScreen* dialog) override;
    void OnScreenClosed(CScreen* screen) override;

    // Window pixels -> the logical layout space, truncated toward zero.
    void MapToLogical(int x, int y, int& lx, int& ly) const override;

    int GetKindIndex() const;
    CGameParams& GetParams() const { return *m_params; }
    CResManager& GetResManager() const { return *m_res_manager; }
    CGameScreen* GetGameScreen() const { return m_game_screen.get(); }
    CNewGameDialog* GetNewGameDialog() const { return m_new_game_dialog.get(); }
    CGameOverDialog* GetGameOverDialog() const { return m_game_over_dialog.get(); }
    CTop7Dialog* GetTop7Dialog() const { return m_top7_dialog.get(); }
    CTextDialog* GetWriteFailureDialog() const { return m_write_failure_dialog.get(); }
    void Update(float dt) override;
    COptionsDialog* GetOptionsDialog() const { return m_options_dialog.get(); }
    CHelpDialog* GetHelpDialog() const { return m_help_dialog.get(); }
    // Empty when the kind's save file name was refused: nothing is then
    // read, written or deleted.
    const std::string& GetSavePath() const { return m_save_path; }
    // The saved game was there but could not be read; it was moved aside
    // (or, when even that failed, left where it was) and is never written
    // over. Of the ones moved aside the newest KEPT_UNREADABLE_SAVES stay.
    bool IsSaveUnreadable() const { return m_save_unreadable; }
    // It could not be moved aside: it stays in its place, and no game of
    // this visit is saved.
    bool IsSaveLeftInPlace() const { return m_save_left_in_place; }
    static const char* const kUnreadableSaveText;   // "The saved game could not be read"
    // "Saved game unreadable and left in place: games are not saved this time."
    static const char* const kSaveLeftInPlaceText;
    // The note the menu shows where Continue would be, of the two above.
    const char* GetUnreadableSaveNote() const;
    static constexpr float kUnreadableSaveTextSize = 18.0f;
    static constexpr float kUnreadableSaveMinTextSize = 12.0f;
    // A line's height is the text size and this.
    static constexpr float kUnreadableSaveLineGap = 4.0f;
    struct SNoteLayout
    {
        std::vector<std::string> lines;
        float size = kUnreadableSaveTextSize;
    };
    // A note broken into lines no wider than the button it stands in for,
    // at the largest size (down to the least) at which they stand within its
    // height.
    static SNoteLayout LayOutUnreadableSaveText(const CBitmapFont& font, const char* text, float width,
                                                float height);

    CButton* GetHelpButton() const { return m_help_button.get(); }
    CButton* GetMinimizeButton() const { return m_minimize_button.get(); }
    CButton* GetFullScreenButton() const { return m_fullscreen_button.get(); }
    CButton* GetExitButton() const { return m_exit_button.get(); }
    CButton* GetLinkButton() const { return m_link_button.get(); }
    CButton* GetNewGameButton() const { return m_new_game_button.get(); }
    CButton* GetContinueButton() const { return m_continue_button.get(); }
    CButton* GetTop7Button() const { return m_top7_button.get(); }
    CButton* GetOptionsButton() const { return m_options_button.get(); }
    CButton* GetQuitButton() const { return m_quit_button.get(); }

    // A plain relative name below the data directory: not empty, not the
    // "0" of a missing key, not absolute, no "..", and none of the files the
    // game keeps for other purposes. The menu also refuses a name that
    // another kind's group gives too.
    static bool IsUsableSaveName(const std::string& name);

private:
    std::unique_ptr<CButton> MakeButton(const char* key);
    void AddSkinTexture(const char* key, bool dynamic);
    std::string FindSavePath() const;
    void RestoreSavedGame();
    // Moves an unreadable save aside (SetAside); where it cannot, nothing
    // of this visit is saved over it.
    void SetUnreadableSaveAside();
    // "<path>.unreadable", then "<path>.unreadable2" and on.
    static std::string SetAsideName(const std::string& path, int n);
    // Moves the file at path to the next free one of `keep` names of its
    // own beside it, giving up the oldest file kept when every name holds
    // one; the name it now has, empty when it could not be moved. Only
    // files are counted, moved or given up: a folder or a link at a name
    // stays, and its name is skipped.
    static std::string SetAside(const std::string& path, int keep);
    void DrawUnreadableSaveText(const CBitmapFont& font) const;
    // The buttons in the order they are drawn.
    std::vector<CButton*> GetButtonsInOrder() const;
    // Draw, darkened to `light` as a black veil laid over the background
    // would leave everything (DrawShaded); 1: as it is. Without the back
    // sparkles for a dialog that draws them over the menu itself.
    void DrawLit(float light, bool sparkles);
    // The background within the parts, darkened to `light`: copied back
    // where a copy of it so darkened is held at the window's size, drawn
    // otherwise.
    void DrawBackgroundParts(const std::vector<CDraw2D::SRect>& parts, float light);
    void StartGame(std::unique_ptr<CGameScreen> screen);
    void EndGame();
    void RemoveSaveFile();
    void SetGameScreen(std::unique_ptr<CGameScreen> screen);
    void ToggleFullScreen();
    void LeaveFullScreen();

    // The dialogs' pictures, loaded again if a game let them go.
    void ReloadSkins();
    void OpenNewGame();
    void OpenHelp();
    void OpenTop7();
    void OpenOptions();
    void CloseNewGame(int result);
    void CloseOptions();

    CMenuHost& m_host;
    CConfigFile& m_group;
    const SGameKind& m_kind;
    std::string m_param_key;
    std::string m_save_path;
    bool m_save_unreadable = false;
    bool m_save_left_in_place = false;
    std::unique_ptr<CResManager> m_res_manager;
    // Background and buttons, let go while a game covers the menu.
    std::vector<std::string> m_own_textures;
    // The dialogs' panel and buttons: let go too while a game shows alone.
    std::vector<std::string> m_skin_textures;
    bool m_covered = false;
    CTexture* m_background = nullptr;
    // What the last frame drew over the background, and the buttons' states in it.
    CDrawnOverCells m_drawn_over;
    std::vector<int> m_drawn_buttons;
    CBackBufferMark m_mark;
    // The background as drawn into the window, one texel a pixel, the
    // picture it shows (0: none held) and the light it was darkened to: its
    // parts are copied back rather than drawn.
    CWindowCopy m_background_copy;
    unsigned int m_background_copy_id = 0;
    float m_background_copy_light = 1.0f;
    std::unique_ptr<CButton> m_help_button;
    std::unique_ptr<CButton> m_minimize_button;
    std::unique_ptr<CButton> m_fullscreen_button;
    std::unique_ptr<CButton> m_exit_button;
    std::unique_ptr<CButton> m_link_button;
    std::unique_ptr<CButton> m_new_game_button;
    std::unique_ptr<CButton> m_continue_button;
    std::unique_ptr<CButton> m_top7_button;
    std::unique_ptr<CButton> m_options_button;
    std::unique_ptr<CButton> m_quit_button;
    std::unique_ptr<CHelpDialog> m_help_dialog;
    std::unique_ptr<CGameOverDialog> m_game_over_dialog;
    std::unique_ptr<CTop7Dialog> m_top7_dialog;
    // Tells the player which files could not be written.
    std::unique_ptr<CTextDialog> m_write_failure_dialog;
    std::unique_ptr<COptionsDialog> m_options_dialog;
    std::unique_ptr<CGameScreen> m_game_screen;
    std::unique_ptr<CNewGameDialog> m_new_game_dialog;
    std::unique_ptr<CGameParams> m_params;
};
