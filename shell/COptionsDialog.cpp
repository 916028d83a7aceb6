#include "shell/COptionsDialog.h"

#include <algorithm>
#include <cmath>

#include "engine/gfx/CBitmapFont.h"
#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/CMenuHost.h"
#include "shell/game/CGameParams.h"
#include "shell/game/GameLookup.h"
#include "platform/CKeyMap.h"

namespace
{
const float CAPTION_SIZE = 35.0f;
const float LABEL_SIZE = 30.0f;
const float PREVIEW_SCALE = 40.0f;
const float PREVIEW_STEP = 75.0f;
// Places on the panel, from its top-left corner; the layout places the
// widgets around them.
const float TITLE_Y = 94.0f;
const float VOLUME_LABEL_X = 170.0f;
const float VOLUME_LABEL_Y = 484.0f;
const float HINT_X = 200.0f;
const float HINT_Y = 514.0f;
const float VOLUME_X = 440.0f;
const float VOLUME_STEP_X = 45.0f;
const float VOLUME_Y = 444.0f;

CTexture* FindTexture(CResManager* resources, const char* name)
{
    return resources ? resources->FindTexture(name) : nullptr;
}

int ReadInt(const CConfigFile& group, const char* key, const char* fallback = "0")
{
    return StrToInt(group.GetValue(key, fallback));
}
}

COptionsDialog::COptionsDialog(CConfigFile& group, const std::vector<CModel*>& skinModels, CMenuHost& host)
    : m_host(host), m_group(group), m_skin_models(skinModels)
{
    m_font = m_host.GetFont();
    CResManager* resources = m_host.GetCurrentResManager();
    SetLogicalSize(m_host.GetLogicalWidth(), m_host.GetLogicalHeight());
    SetShade(false);
    SetPanelVisible(true);
    SetPosition(ReadInt(m_group, "m_od_x"), ReadInt(m_group, "m_od_y"));
    SetSize(ReadInt(m_group, "m_od_width"), ReadInt(m_group, "m_od_height"));

    m_close_button = std::make_unique<CButton>(this, FindTexture(resources, "m_close_btn"));
    m_close_button->LoadPosition(m_group, "m_od_close_btn");
    AddChild(m_close_button.get());

    // Both boxes take clicks over the width of the longer caption.
    const float boxCaption = m_font ? m_font->GetTextWidth("Autosave", CAPTION_SIZE) : 0.0f;
    m_autosave_box = MakeBox("m_od_autosave_chb", boxCaption);
    m_sound_box = MakeBox("m_od_sound_chb", boxCaption);
    if (ReadInt(m_group, "m_od_animation_chb.x", "-1") != -1)
        m_animation_box =
            MakeBox("m_od_animation_chb", m_font ? m_font->GetTextWidth("Animation", CAPTION_SIZE) : 0.0f);

    m_skin_up_button = std::make_unique<CButton>(this, FindTexture(resources, "m_skin_up_btn"));
    m_skin_up_button->LoadPosition(m_group, "m_od_skin_up_btn");
    AddChild(m_skin_up_button.get());
    m_skin_down_button = std::make_unique<CButton>(this, FindTexture(resources, "m_skin_down_btn"));
    m_skin_down_button->LoadPosition(m_group, "m_od_skin_down_btn");
    AddChild(m_skin_down_button.get());

    m_sound_box->SetChecked(m_host.IsSoundOn());

    m_preview_x = static_cast<float>(ReadInt(m_group, "m_od_skin.x"));
    m_preview_y = static_cast<float>(ReadInt(m_group, "m_od_skin.y"));
    for (auto& model : m_preview)
        model = std::make_unique<CModel>();

    m_panel = FindTexture(resources, "m_dialog_window_back");

    CTexture* box = FindTexture(resources, "m_check_box");
    for (int i = 0; i < VOLUME_BOXES; ++i)
    {
        m_volume_boxes[i] = std::make_unique<CCheckBox>(this, box, 0.0f);
        m_volume_boxes[i]->SetPosition(VOLUME_X + VOLUME_STEP_X * i, VOLUME_Y, 1.0f);
        AddChild(m_volume_boxes[i].get());
    }

    const int index = m_host.GetMusicVolume() / VOLUME_STEP;
    if (index < VOLUME_BOXES)
        SetVolume(index);
    else
    {
        // Above the last step no box matches: the bar shows full and the
        // volume is left as it is.
        for (auto& volumeBox : m_volume_boxes)
            volumeBox->SetChecked(true);
    }
}

COptionsDialog::~COptionsDialog() {}

std::unique_ptr<CCheckBox> COptionsDialog::MakeBox(const char* key, float captionWidth)
{
    auto box = std::make_unique<CCheckBox>(this, FindTexture(m_host.GetCurrentResManager(), "m_check_box"),
                                           captionWidth);
    box->LoadPosition(m_group, key);
    AddChild(box.get());
    return box;
}

void COptionsDialog::SetSkin(int index, int count)
{
    m_skin_count = count < 1 ? 1 : count;
    m_skin_index = index < 0 ? 0 : (index >= m_skin_count ? m_skin_count - 1 : index);
    m_skin_up_button->SetVisible(m_skin_count != 1);
    m_skin_down_button->SetVisible(m_skin_count != 1);
    for (int i = 0; i < SHOWN_MODELS; ++i)
    {
        const std::size_t at = static_cast<std::size_t>(m_skin_index) * CGameParams::MODELS_PER_SKIN + i;
        if (at < m_skin_models.size() && m_skin_models[at] != nullptr)
            *m_preview[i] = *m_skin_models[at];
        m_preview[i]->SetScale(PREVIEW_SCALE);
        m_preview[i]->SetPosition(CVector4(m_preview_x + PREVIEW_STEP * i, m_preview_y, 0.0f));
    }
}

void COptionsDialog::SetAutosave(bool on)
{
    m_autosave = on;
    m_autosave_box->SetChecked(on);
}

void COptionsDialog::SetAnimation(bool on)
{
    if (!m_animation_box)
        return;
    m_animation = on;
    m_animation_box->SetChecked(on);
}

void COptionsDialog::SetVolume(int index)
{
    if (index < 0)
        index = 0;
    if (index >= VOLUME_BOXES)
        index = VOLUME_BOXES - 1;
    for (int i = 0; i < VOLUME_BOXES; ++i)
        m_volume_boxes[i]->SetChecked(i <= index);
    m_host.SetMusicVolume(index * VOLUME_STEP);
}

void COptionsDialog::Close(int result)
{
    SetResult(result);
    m_host.CloseScreen(false);
}

void COptionsDialog::OnCommand(CWidget* sender)
{
    if (sender == nullptr)
        return;
    if (sender == m_close_button.get())
        Close(0);
    else if (sender == m_autosave_box.get())
        m_autosave = m_autosave_box->IsChecked();
    else if (m_animation_box && sender == m_animation_box.get())
        m_animation = m_animation_box->IsChecked();
    else if (sender == m_sound_box.get())
        m_host.SetSoundOn(m_sound_box->IsChecked());
    else if (sender == m_skin_up_button.get())
        SetSkin(m_skin_index + 1 >= m_skin_count ? 0 : m_skin_index + 1, m_skin_count);
    else if (sender == m_skin_down_button.get())
        SetSkin(m_skin_index - 1 < 0 ? m_skin_count - 1 : m_skin_index - 1, m_skin_count);
    else
        for (int i = 0; i < VOLUME_BOXES; ++i)
            if (sender == m_volume_boxes[i].get())
                SetVolume(i);
}

void COptionsDialog::OnDialogClosed(int, CScreen*) {}

void COptionsDialog::OnKeyDown(int key)
{
    if (key == CKeyMap::VK_ESCAPE)
        Close(1);
    else if (key == CKeyMap::VK_RETURN)
        Close(0);
}

void COptionsDialog::Update(float dt)
{
    if (m_spinning_up)
    {
        m_spin_angle += SPIN_SPEED * dt;
        if (m_spin_angle > SPIN_LIMIT)
            m_spinning_up = false;
    }
    else
    {
        m_spin_angle -= SPIN_SPEED * dt;
        if (m_spin_angle < -SPIN_LIMIT)
            m_spinning_up = true;
    }
    CScreen::Update(dt);
}

void COptionsDialog::DrawCaption(const char* text, const CCheckBox* box) const
{
    const CVector4 p = box->GetPosition();
    m_font->DrawText(text, LABEL_SIZE, p.x + 55.0f, p.y + 43.0f, p.z, 1.0f, 1.0f, 1.0f, 1.0f, false);
}

namespace
{
// Round a brick's place in the preview when its mesh is not known: a brick
// of the preview's size turned as far as it turns.
const float PREVIEW_REACH = 34.0f;
}

CHeldDialogFrame::SLayers COptionsDialog::Layers()
{
    CHeldDialogFrame::SLayers layers;
    layers.width = static_cast<float>(GetLogicalWidth());
    layers.height = static_cast<float>(GetLogicalHeight());
    const CDraw2D::SRect panel{GetX(), GetY(), static_cast<float>(GetWidth()), static_cast<float>(GetHeight())};
    layers.opaque = panel;
    layers.drawGround = [this, panel](const std::vector<CDraw2D::SRect>& parts) {
        // Laid without blending, as the panel always was.
        CDraw2D::SetTexturing(true);
        CDraw2D::DrawPlacedPictureParts(m_panel ? m_panel->GetId() : 0, panel, parts, true);
    };
    layers.drawOver = [this] { DrawTexts(); };
    // Each brick of the preview apart: between them the panel stays as it is.
    for (int i = 0; i < SHOWN_MODELS; ++i)
    {
        const CVector4& p = m_preview[i]->GetPosition();
        float across = PREVIEW_REACH, down = PREVIEW_REACH;
        PreviewReach(*m_preview[i], across, down);
        layers.live.push_back({GetX() + p.x - across, GetY() + p.y - down, 2.0f * across, 2.0f * down});
        layers.liveLook.push_back(m_spin_angle + 1000.0f * m_skin_index);
    }
    layers.drawLive = [this](const std::vector<bool>& which) { DrawPreview(which); };
    return layers;
}

bool COptionsDialog::PreviewReach(const CModel& model, float& across, float& down)
{
    const CMesh* mesh = model.GetMesh();
    float low[3], high[3];
    if (mesh == nullptr || !mesh->GetBounds(low, high))
        return false;
    // Turned about the upright axis a vertex keeps its distance from it;
    // the half turn about the axis facing the player only mirrors it.
    const float x = std::max(std::fabs(low[0]), std::fabs(high[0]));
    const float y = std::max(std::fabs(low[1]), std::fabs(high[1]));
    const float z = std::max(std::fabs(low[2]), std::fabs(high[2]));
    const float scale = std::fabs(model.GetScale());
    across = std::hypot(x, z) * scale + 1.0f;
    down = y * scale + 1.0f;
    return true;
}

void COptionsDialog::DrawTexts()
{
    const float w = static_cast<float>(GetWidth());
    CMatrixStack::Push();
    CDialog::Draw();
    if (m_font)
    {
        // Centred across the panel.
        const float titleX = (w - m_font->GetTextWidth("Options", 50.0f)) / 2.0f;
        m_font->DrawText("Options", 50.0f, titleX + 2.0f, TITLE_Y + 2.0f, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f, false);
        m_font->DrawText("Options", 50.0f, titleX, TITLE_Y, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f, false);
        DrawCaption("Autosave", m_autosave_box.get());
        DrawCaption("Sound", m_sound_box.get());
        m_font->DrawText("Music volume", LABEL_SIZE, VOLUME_LABEL_X, VOLUME_LABEL_Y, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                         false);
        m_font->DrawText("Press F5 in game to change current sound track", 15.0f, HINT_X, HINT_Y, 1.0f, 1.0f, 1.0f,
                         0.0f, 1.0f, false);
        if (m_animation_box)
            DrawCaption("Animation", m_animation_box.get());
    }
    CMatrixStack::Pop();
}

void COptionsDialog::DrawPreview(const std::vector<bool>& which) const
{
    CMatrixStack::Push();
    // Where CDialog::Draw puts the dialog's own corner.
    CMatrixStack::Translate(GetX(), GetY(), 0.5f);
    CDraw2D::SetBlend(false);
    CDraw2D::SetDepthTest(true);
    CDraw2D::SetDepthWrite(true);
    CMatrixStack::Translate(0.0f, 0.0f, 10.0f);
    for (int i = 0; i < SHOWN_MODELS; ++i)
    {
        if (i >= static_cast<int>(which.size()) || !which[i])
            continue;
        CMatrixStack::Push();
        const CVector4& p = m_preview[i]->GetPosition();
        CMatrixStack::Translate(p.x, p.y, p.z);
        CMatrixStack::Rotate(180.0f, 0.0f, 0.0f, 1.0f);
        CMatrixStack::Rotate(m_spin_angle, 0.0f, 1.0f, 0.0f);
        m_preview[i]->Draw();
        CMatrixStack::Pop();
    }
    CDraw2D::SetDepthTest(false);
    CMatrixStack::Pop();
}

bool COptionsDialog::DrawOver(CScreen& under)
{
    std::vector<float> look;
    CHeldDialogFrame::AddChildrenLook(*this, look);
    m_held.Draw(&under, Layers(), look);
    return true;
}

void COptionsDialog::Draw()
{
    m_held.DrawUnheld(Layers());
}
