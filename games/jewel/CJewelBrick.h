#pragma once

#include <memory>

#include "shell/game/CGameBrick.h"

class CFramePrint;
class CGameEvents;
class CJewelParams;

// One jewel brick: the model of its colour in the current skin, the pointer's
// hover and the player's selection, and its removal: a fade-out that swells
// the brick, or a recolouring in which the new colour's model stands in its
// place until the fade ends and the brick takes the new look.
class CJewelBrick : public CGameBrick
{
public:
    static constexpr float FADE_SPEED = 0.004f;
    static constexpr float STRUCK_FADE_SPEED = 0.003f;

    // params and events may be null (no model, silent).
    CJewelBrick(const CJewelParams* params, CGameEvents* events);
    ~CJewelBrick() override;

    // Recolouring with effect: the new colour shows through a fade-out. The
    // brick's colour (and its own look, hidden while it fades) change at once.
    void ChangeColor(int color);

    void Mark();
    void Unmark();
    bool IsMarked() const { return m_marked; }
    bool IsSelected() const { return m_selected; }
    void SetSelected(bool selected) { m_selected = selected; }
    bool IsHovered() const { return m_hovered; }
    void SetHovered(bool hovered) { m_hovered = hovered; }
    bool IsStruck() const { return m_struck; }
    bool IsRecoloring() const { return m_overlay != nullptr; }
    // The new colour's look shown while a recolouring fades; null otherwise.
    const CModel* GetOverlay() const { return m_overlay.get(); }
    // Struck, fading, selected, hovered or still pulsing back: more than its
    // model to draw.
    bool IsDrawnAlone() const { return m_struck || m_marked || m_selected || m_hovered || m_pulse != 1.0f; }
    // A selected brick turns to and fro in every frame: the field draws it
    // apart, over the rest of the picture.
    bool IsTurning() const { return m_selected && !m_marked; }
    float GetAlpha() const { return m_alpha; }
    float GetPulse() const { return m_pulse; }
    float GetWobble() const { return m_wobble; }

    // The fade-out of a bonus strike: 50 sparkles at once, a slower fade.
    void StartFlyAway();
    // One step of a marked brick's fade; true when it has faded out and the
    // field is to delete it. A recolouring ends in the new look instead.
    bool FlyStep(float dt);

    void Draw() override;
    // One frame's step of the pulse and the wobble; the field steps it with
    // the game, so that drawing a frame twice (or not at all) changes nothing.
    void StepLook();
    // What Draw reads, for the frame cache, but for the wobble: it shows
    // only on a turning brick, which the field draws in every frame. Grows
    // the print's open part by the box the brick draws in.
    void AddToPrint(CFramePrint& print) const;
    // Grows the print's open part by the box of board points the brick
    // draws in: its look's (or, struck, its overlay's) box at its place, the
    // sphere round it when turned; nothing without a mesh.
    void AddDrawnBox(CFramePrint& print) const;

    static int SparkleGroup(int color);

protected:
    const CModel* FindLook(int color) const override;

private:
    void Sparkle(int count);

    const CJewelParams* m_params;
    CGameEvents* m_events;
    float m_alpha = 1.0f;
    bool m_marked = false;
    bool m_selected = false;
    bool m_hovered = false;
    bool m_struck = false;
    float m_fade_speed = FADE_SPEED;
    std::unique_ptr<CModel> m_overlay;
    float m_pulse = 1.0f;
    // Degrees about y while selected.
    float m_wobble = 0.0f;
    float m_wobble_step = 10.0f;
    bool m_sparkled = false;
};
