#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/CScreen.h"

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
// new game. It preselects the parameter object's last choices and closes with
// result 0 (OK, Enter) or 1 (Cancel, Esc); the game menu then reads the two
// radio groups. A kind's dialog adds its radio buttons in its constructor.
class CNewGameDialog : public CScreen
{
public:
    ~CNewGameDialog() override;

    CWidgetGroup& GetSizeGroup() { return *m_size_group; }
    CWidgetGroup& GetDifficultyGroup() { return *m_difficulty_group; }
    int GetSelectedSize() const;
    int GetSelectedDifficulty() const;

    void Draw() override;
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;

    void SetScreenSize(int width, int height);
    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

protected:
    // layout: the kind's menu group; params: the kind's parameter object.
    // Both may be null (a dialog without layout or without remembered choice).
    CNewGameDialog(CConfigFile* layout, CGameParams* params);

    // Adds one choice in display order; a hidden choice can never be picked.
    // widthText sets the width of the radio button's caption hit area.
    void AddSizeChoice(const char* key, const char* caption, const char* widthText, bool hidden = false);
    void AddDifficultyChoice(const char* key, const char* caption, const char* widthText,
                             bool hidden = false);
    // Selects the remembered size and difficulty; call after the choices are added.
    // A remembered value that is out of range or hidden selects the first shown choice.
    void Preselect();

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
};
