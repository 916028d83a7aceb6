#pragma once

#include <memory>
#include <vector>

#include "engine/frame/CDialog.h"
#include "engine/widgets/CWidgetGroup.h"

class CButton;
class CCheckBox;
class CEditBox;
class CRadioButton;
class CTexture;

// One of each widget on an 800x600 dialog, for driving with a real mouse and
// keyboard. Every command is printed as one line on stdout; Esc prints the
// edit box's text and ends the program.
class CWidgetLabScreen : public CDialog
{
public:
    CWidgetLabScreen();
    ~CWidgetLabScreen() override;

    void Draw() override;
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;

private:
    std::vector<std::unique_ptr<CTexture>> m_textures;
    std::unique_ptr<CButton> m_button;
    std::unique_ptr<CCheckBox> m_checkBox;
    std::unique_ptr<CRadioButton> m_radioA;
    std::unique_ptr<CRadioButton> m_radioB;
    std::unique_ptr<CEditBox> m_editBox;
    CWidgetGroup m_group;
};
