#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CScreen.h"
#include "shell/game/CHeldDialogFrame.h"

class CBitmapFont;
class CButton;
class CConfigFile;
class CGameParams;
class CRadioButton;
class CResManager;
class CTexture;
class CWidget;
class CWidgetGroup;

// The overlay in which the player picks the field size and the difficulty of a
// new game, the same for every kind.
//
// A kind's dialog, in its constructor: adds its size choices and then its
// difficulty (or colour option) choices in index order (AddSizeChoice,
// AddDifficultyChoice; as many as it has, e.g. four sizes, and hidden ones
// where a kind offers fewer), may change the title (SetTitle, or SetQuestion
// when it shows no choice), the window picture (SetWindowPicture) and dim the
// screen behind it (SetDimScreen), and last calls Preselect.
// A kind can rely on:
// - the layout keys "m_nd_width", "m_nd_height", "m_nd_ok_btn",
//   "m_nd_cancel_btn" and each choice's key being read from its menu group,
//   the panel centred on the 800 x 600 screen, the pointer mapped into it;
// - result 0 on OK or Enter, 1 on Cancel or Esc; the game menu then stores
//   the two groups' selected indexes in the parameter object;
// - Preselect taking the parameter object's last size and difficulty, with
//   the rule for a stored choice that cannot be shown: out of range -> the
//   first shown choice; hidden -> the nearest shown choice below it, else the
//   nearest above; when no choice of a group is shown at all, a stored
//   choice in range stands, so OK starts with the stored values.
class CNewGameDialog : public CScreen
{
public:
    ~CNewGameDialog() override;

    CWidgetGroup& GetSizeGroup() { return *m_size_group; }
    CWidgetGroup& GetDifficultyGroup() { return *m_difficulty_group; }
    int GetSelectedSize() const;
    int GetSelectedDifficulty() const;

    void Draw() override;
    bool DrawOver(CScreen& under) override;
    void OnHiddenFrame() override { m_held.Forget(); }
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;

    void SetScreenSize(int width, int height);
    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // Where the title starts across the panel, so that it stands centred.
    float GetTitleX() const;
    // The foot of the title's line and its text size: its box spans
    // GetTitleY() - GetTitleSize() to GetTitleY().
    float GetTitleY() const { return m_title_y; }
    float GetTitleSize() const { return m_title_size; }

    // The index that Preselect selects among choices shown or hidden for a
    // remembered index (see the rule at the top); -1 when there are none.
    static int ChooseShown(const std::vector<bool>& shown, int remembered);

protected:
    // layout: the kind's menu group; params: the kind's parameter object.
    // Both may be null (a dialog without layout or without remembered choice).
    CNewGameDialog(CConfigFile* layout, CGameParams* params);

    // Adds one choice in display order; a hidden choice can never be picked.
    // widthText sets the width of the radio button's caption hit area.
    void AddSizeChoice(const char* key, const char* caption, const char* widthText, bool hidden = false);
    void AddDifficultyChoice(const char* key, const char* caption, const char* widthText,
                             bool hidden = false);
    // Selects the remembered size and difficulty; call after the choices are
    // added. See the rule at the top for a value out of range or hidden.
    void Preselect();

    // The title drawn twice, a black shadow two units right and down, then
    // white, centred across the panel with its foot at y. Default: "Start
    // new game", size 50, y 120.
    void SetTitle(const char* text, float size, float y);
    // For a dialog that only asks: the title's box stands midway between the
    // panel's top and the OK button's, so the question fills the panel's
    // upper part as a title and choices do. Call after the layout is read.
    void SetQuestion(const char* text, float size);
    // The panel's picture in the menu's manager; null draws no panel picture.
    // Default: "m_dialog_window_back".
    void SetWindowPicture(const char* textureName);
    // Draws the whole screen behind the panel darkened (black at alpha 0.75).
    void SetDimScreen(bool dim) { m_dim_screen = dim; }

    // Maps window pixels into the dialog's own logical coordinates.
    void MapToLogical(int x, int y, int& outX, int& outY) const override;

private:
    struct SChoice
    {
        std::unique_ptr<CRadioButton> m_radio;
        std::string m_caption;
    };

    void AddChoice(std::vector<SChoice>& choices, CWidgetGroup& group, const char* key,
                   const char* caption, const char* widthText, bool hidden);
    static void Preselect(std::vector<SChoice>& choices, CWidgetGroup& group, int index);
    // The frame's layers (see CHeldDialogFrame): the dimming and the panel;
    // the title, captions and buttons.
    CHeldDialogFrame::SLayers Layers();
    void DrawGround(const std::vector<CDraw2D::SRect>& parts) const;
    // Where the dialog picture's gold frame ends, in texels from the
    // picture's edges, and the radius of its corners there.
    static constexpr float kFrameInset = 5.0f;
    static constexpr float kFrameRadius = 20.0f;
    // The panel ends at the gold frame of its picture: what of the picture
    // it shows (texel fractions), and its corners' radii across and down.
    void PanelShape(CDraw2D::SRect& source, float& radiusX, float& radiusY) const;
    void DrawChoices();
    void Close(int result);

    std::unique_ptr<CWidgetGroup> m_size_group;
    std::unique_ptr<CWidgetGroup> m_difficulty_group;
    CConfigFile* m_layout;
    CResManager* m_resources;
    CGameParams* m_params;
    CBitmapFont* m_font;
    int m_screen_width = 800;
    int m_screen_height = 600;
    std::unique_ptr<CButton> m_ok_button;
    std::unique_ptr<CButton> m_cancel_button;
    std::vector<SChoice> m_size_choices;
    std::vector<SChoice> m_difficulty_choices;
    CTexture* m_background = nullptr;
    float m_x = 0;
    float m_y = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_closing = false;
    std::string m_title = "Start new game";
    float m_title_size = 50.0f;
    float m_title_y = 120.0f;
    bool m_dim_screen = false;
    CHeldDialogFrame m_held{*this};
};
