#pragma once
// The kind's options: Autosave, Sound, the Animation box where the kind's
// layout places one, a swinging preview of six bricks of the chosen skin,
// and six boxes for the music volume. Sound and volume act at once on the
// whole program; autosave, animation and skin are read back by the game
// menu when the dialog has closed.

#include <memory>
#include <vector>

#include "engine/frame/CDialog.h"
#include "shell/game/CHeldDialogFrame.h"

class CBitmapFont;
class CButton;
class CCheckBox;
class CConfigFile;
class CMenuHost;
class CModel;
class CTexture;

class COptionsDialog : public CDialog
{
public:
    static constexpr int VOLUME_BOXES = 6;
    static constexpr int VOLUME_STEP = 21;
    static constexpr int PREVIEW_MODELS = 8;
    static constexpr int SHOWN_MODELS = 6;
    static constexpr float SPIN_SPEED = 0.051f;   // degrees per millisecond
    static constexpr float SPIN_LIMIT = 40.0f;

    // skinModels: the kind's brick models, MODELS_PER_SKIN entries per skin,
    // owned by the kind's parameter object (entries may be null).
    COptionsDialog(CConfigFile& group, const std::vector<CModel*>& skinModels, CMenuHost& host);
    ~COptionsDialog() override;

    // Shows the skin buttons only when there is more than one skin; the
    // index is kept inside 0..count-1.
    void SetSkin(int index, int count);
    void SetAutosave(bool on);
    // Does nothing when the layout places no Animation box.
    void SetAnimation(bool on);
    // Lights boxes 0..index and sets the music volume to index * 21.
    void SetVolume(int index);

    int GetSkinIndex() const { return m_skin_index; }
    int GetSkinCount() const { return m_skin_count; }
    bool GetAutosave() const { return m_autosave; }
    bool GetAnimation() const { return m_animation; }
    bool HasAnimationBox() const { return m_animation_box != nullptr; }
    float GetSpinAngle() const { return m_spin_angle; }
    const CModel& GetPreviewModel(int i) const { return *m_preview[i]; }

    void Update(float dt) override;
    void Draw() override;
    bool DrawOver(CScreen& under) override;
    void OnHiddenFrame() override { m_held.Forget(); }
    void OnKeyDown(int key) override;
    void OnCommand(CWidget* sender) override;
    void OnDialogClosed(int result, CScreen* dialog) override;

    CButton* GetCloseButton() const { return m_close_button.get(); }
    CButton* GetSkinUpButton() const { return m_skin_up_button.get(); }
    CButton* GetSkinDownButton() const { return m_skin_down_button.get(); }
    CCheckBox* GetAutosaveBox() const { return m_autosave_box.get(); }
    CCheckBox* GetSoundBox() const { return m_sound_box.get(); }
    CCheckBox* GetAnimationBox() const { return m_animation_box.get(); }
    CCheckBox* GetVolumeBox(int i) const { return m_volume_boxes[i].get(); }

    // How far from its place a brick of the preview can draw, across and
    // down, turned any way about the upright axis and half about the axis
    // facing the player (as the preview turns it): from the box round its
    // mesh, with a unit more for the pixels at its edge. False, and nothing
    // set, when the mesh is not known.
    static bool PreviewReach(const CModel& model, float& across, float& down);

private:
    std::unique_ptr<CCheckBox> MakeBox(const char* key, float captionWidth);
    void Close(int result);
    void DrawCaption(const char* text, const CCheckBox* box) const;
    // The frame's layers (see CHeldDialogFrame): the panel; widgets and
    // captions; the turning preview, live.
    CHeldDialogFrame::SLayers Layers();
    void DrawTexts();
    // The bricks of the preview whose place in `which` is true.
    void DrawPreview(const std::vector<bool>& which) const;

    CMenuHost& m_host;
    CBitmapFont* m_font = nullptr;
    std::unique_ptr<CButton> m_close_button;
    std::unique_ptr<CButton> m_skin_up_button;
    std::unique_ptr<CButton> m_skin_down_button;
    std::unique_ptr<CCheckBox> m_autosave_box;
    std::unique_ptr<CCheckBox> m_sound_box;
    std::unique_ptr<CCheckBox> m_animation_box;
    CTexture* m_panel = nullptr;
    CConfigFile& m_group;
    bool m_autosave = true;
    bool m_animation = true;
    std::unique_ptr<CModel> m_preview[PREVIEW_MODELS];
    std::vector<CModel*> m_skin_models;
    float m_preview_x = 0.0f;
    float m_preview_y = 0.0f;
    float m_spin_angle = 0.0f;
    bool m_spinning_up = true;
    int m_skin_index = 0;
    int m_skin_count = 1;
    std::unique_ptr<CCheckBox> m_volume_boxes[VOLUME_BOXES];
    CHeldDialogFrame m_held{*this};
};
