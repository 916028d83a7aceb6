#pragma once
// The main menu: the bottom screen for the whole run. A background, a
// spinning title, one button per game kind, the window buttons (minimise,
// full screen, exit, the site link) and the quit button, which opens the
// exit window. Building it loads the shell's shared resources into the main
// resource manager: the nine layout groups, the window pictures, the title,
// the kind thumbnails, and the font registered as "font_1".

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CBitmapFont.h"
#include "engine/frame/CScreen.h"
#include "shell/CMainMenuHover.h"
#include "shell/CMainMenuLayer.h"

class CButton;
class CConfigFile;
class CExitWnd;
class CModel;
class CResManager;
class CSprite;
class CGameKindRegistry;
class CTexture;

class CMainMenu : public CScreen
{
public:
    static constexpr int kKindCount = CMainMenuHover::kKindCount;
    static constexpr const char* kFontName = "font_1";
    static constexpr const char* kTitleName = "mw_main_title";
    static constexpr float kTitleStartAngle = -220.0f;
    static constexpr float kTitleSpin = -0.4f;

    // Builds the game menu of a kind from the kind's layout group, or returns
    // null when that kind has no game yet (its button then opens nothing).
    using GameMenuFactory = std::function<std::unique_ptr<CScreen>(int kind, CConfigFile& group)>;
    // The one hook through which the main menu reaches the game menus.
    static void SetGameMenuFactory(GameMenuFactory factory);

    // The kinds shown, from the table of kinds; set once before the menu is
    // built. An index without a kind gets no button.
    static void SetKinds(const CGameKindRegistry& kinds);
    // The kinds in the order of every per-kind list (the system's kind index);
    // null for an index without a kind.
    static const char* GetKindName(int kind);
    static const char* GetKindGroup(int kind);
    static const char* GetKindButtonKey(int kind);

    // Loads everything into the given manager (the application's main one).
    // A missing file throws the pack's error.
    explicit CMainMenu(CResManager& resources);
    ~CMainMenu() override;

    void Update(float dt) override;
    void Draw() override;
    void OnHiddenFrame() override;
    void Activate() override;
    void Deactivate() override;
    void OnKeyDown(int key) override;
    // Window pixels -> the logical layout space.
    void MapToLogical(int x, int y, int& lx, int& ly) const override;
    void OnCommand(CWidget* sender) override;
    void OnDialogClosed(int result, CScreen* dialog) override;
    void OnScreenClosed(CScreen* screen) override;

    // GL state for a window of the given pixel size, and the animation back
    // to its start.
    void SetupView(int logical_width, int logical_height, int window_width, int window_height);
    void Animate(float dt);
    void SetFullScreen();
    void SetWindowed();

    // The addresses of "dat/param.txt"; an empty one opens nothing.
    void SetWebAddresses(const std::string& game_url, const std::string& site_url);

    const CMainMenuHover& GetHover() const { return m_hover; }
    CButton* GetKindButton(int kind) const;
    CButton* GetQuitButton() const { return m_quit_button.get(); }
    CButton* GetExitButton() const { return m_exit_button.get(); }
    CButton* GetFullScreenButton() const { return m_fullscreen_button.get(); }
    CButton* GetMinimizeButton() const { return m_minimize_button.get(); }
    CButton* GetSiteButton() const { return m_site_button.get(); }
    CExitWnd* GetExitWnd() const { return m_exit_wnd.get(); }
    CScreen* GetGameMenu() const { return m_game_menu.get(); }
    const CModel& GetTitle() const { return *m_title; }
    const CSprite& GetThumbnail(int kind) const { return *m_thumbnails[kind]; }
    const CBitmapFont& GetFont() const { return m_font; }

protected:
    // The ways out of the program; tests replace them.
    virtual void OpenAddress(const std::string& url);
    virtual void PostClose();

private:
    std::unique_ptr<CButton> MakeButton(const CConfigFile& layout, const char* picture_key, const char* place_key);
    void LoadTexture(const CConfigFile& layout, const char* key, bool dynamic);
    void OpenExitWindow();
    void OpenGameMenu(int kind);
    void SyncThumbnails();
    // Reads the kind's thumbnail the first time its button is hovered.
    void LoadThumbnail(int kind);
    static void PlaceThumbnail(CSprite& thumbnail);
    // Background, buttons, credit line and thumbnails.
    void DrawStillLayer(float view_width, float view_height);
    // Clears depth where the title can be drawn and marks that area drawn over.
    void PrepareTitleArea(int width, int height, float view_width, float view_height);
    void SetTextureFilters(bool pixel_exact);
    static void SetMagnification(const CTexture* texture, bool nearest);

    CResManager& m_resources;
    std::unique_ptr<CScreen> m_game_menu;
    int m_logical_width;
    int m_logical_height;
    std::unique_ptr<CButton> m_kind_buttons[kKindCount];
    std::unique_ptr<CButton> m_quit_button;
    std::unique_ptr<CButton> m_fullscreen_button;
    std::unique_ptr<CButton> m_minimize_button;
    std::unique_ptr<CButton> m_exit_button;
    std::unique_ptr<CButton> m_site_button;
    CTexture* m_background;
    CBitmapFont m_font;
    std::unique_ptr<CExitWnd> m_exit_wnd;
    std::unique_ptr<CModel> m_title;
    float m_title_angle;
    float m_title_angle_step;
    CMainMenuHover m_hover;
    std::vector<std::unique_ptr<CSprite>> m_thumbnails;
    std::string m_game_url;
    std::string m_site_url;
    CMainMenuLayer m_layer;
    // The first frame is drawn: thumbnails may be read from now on.
    bool m_drawn = false;
    bool m_thumbnail_loaded[kKindCount] = {};
    // The layout's pictures, let go while another screen covers this one.
    std::vector<std::string> m_own_textures;
    bool m_covered = false;
    std::string m_exit_picture_file;
    // Whether the window shows the layout one texel a pixel.
    bool m_pixel_exact = true;
};
