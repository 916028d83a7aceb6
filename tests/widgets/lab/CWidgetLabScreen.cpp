#include "tests/widgets/lab/CWidgetLabScreen.h"

#include <GL/gl.h>

#include <cstdio>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/widgets/CEditBox.h"
#include "engine/widgets/CRadioButton.h"
#include "engine/gfx/CTexture.h"
#include "platform/CKeyMap.h"
#include "platform/CPlatform.h"
#include "tests/files/CTestPictures.h"

namespace
{
// A strip of flat frames, frame 1 first in the file (the bottom band).
std::unique_ptr<CTexture> MakeStrip(int width, int frameHeight,
                                    const std::vector<unsigned>& colors)
{
    std::vector<unsigned char> pixels;
    for (unsigned color : colors)
        for (int i = 0; i < width * frameHeight; ++i)
            pixels.insert(pixels.end(), {static_cast<unsigned char>(color), static_cast<unsigned char>(color >> 8),
                                         static_cast<unsigned char>(color >> 16), 255});
    const auto tga = CTestPictures::Tga(width, frameHeight * static_cast<int>(colors.size()), 32, pixels);
    auto texture = std::make_unique<CTexture>();
    texture->DecodeTga(tga.data(), tga.size(), false, true);
    return texture;
}

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}
}

CWidgetLabScreen::CWidgetLabScreen()
{
    SetLogicalSize(800, 600);
    SetPosition(0, 0);
    SetSize(800, 600);

    m_textures.push_back(MakeStrip(120, 40, {0x803030, 0x30a030, 0x3030c0}));
    m_button = std::make_unique<CButton>(this, m_textures.back().get());
    m_button->SetPosition(100.0f, 100.0f, 0.0f);

    m_textures.push_back(MakeStrip(32, 32, {0x606060, 0x909090, 0x20a020, 0x60e060}));
    m_checkBox = std::make_unique<CCheckBox>(this, m_textures.back().get(), 100.0f);
    m_checkBox->SetPosition(100.0f, 200.0f, 0.0f);

    m_radioA = std::make_unique<CRadioButton>(this, m_textures.back().get(), 60.0f);
    m_radioA->SetPosition(100.0f, 300.0f, 0.0f);
    m_radioB = std::make_unique<CRadioButton>(this, m_textures.back().get(), 60.0f);
    m_radioB->SetPosition(300.0f, 300.0f, 0.0f);
    m_group.Add(m_radioA.get());
    m_group.Add(m_radioB.get());
    m_radioA->SetSelected(true);
    m_group.Select(m_radioA.get());

    m_textures.push_back(MakeStrip(300, 50, {0x404040, 0x707020}));
    m_editBox = std::make_unique<CEditBox>(this, nullptr, 35.0f, m_textures.back().get());
    m_editBox->SetPosition(100.0f, 400.0f, 10.0f);
    m_editBox->SetMaxLength(15);

    AddChild(m_button.get());
    AddChild(m_checkBox.get());
    AddChild(m_radioA.get());
    AddChild(m_radioB.get());
    AddChild(m_editBox.get());
}

CWidgetLabScreen::~CWidgetLabScreen() = default;

void CWidgetLabScreen::Draw()
{
    glClearColor(0.1f, 0.1f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 800.0, 600.0, 0.0, -50.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    CDialog::Draw();
}

void CWidgetLabScreen::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE) {
        std::printf("text %s\n", m_editBox->GetText());
        std::fflush(stdout);
        CPlatform::PostQuit(0);
        return;
    }
    CScreen::OnKeyDown(key);
}

void CWidgetLabScreen::OnCommand(CWidget* sender)
{
    CScreen::OnCommand(sender);
    if (sender == m_button.get()) {
        Say("command button");
    } else if (sender == m_checkBox.get()) {
        Say(m_checkBox->IsChecked() ? "command check 1" : "command check 0");
    } else if (m_group.Contains(sender)) {
        m_group.Select(static_cast<CRadioButton*>(sender));
        std::printf("command radio %d\n", m_group.GetSelectedIndex());
        std::fflush(stdout);
    }
}
