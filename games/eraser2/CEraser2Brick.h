#pragma once

#include <memory>

#include "shell/game/CGameBrick.h"

class CEraser2Params;
class CFramePrint;
class CGameEvents;
class CSprite;

// One brick of the Eraser II board or of a feeder column: the model of its
// colour in the current skin. It shrinks while the cursor rests on its
// group, swells and fades when taken, and a brick fresh from a feeder may
// wear an animated bonus icon and a number on its right half. Icon and
// number are only shown; nothing in the rules reads them.
class CEraser2Brick : public CGameBrick
{
public:
    static constexpr float kFadePerMs = 0.004f;
    static constexpr float kZoomStep = 0.025f;
    static constexpr float kMinZoom = 0.75f;
    static constexpr unsigned kSpriteDelayMs = 200;
    static constexpr int kBonusKinds = 5;

    explicit CEraser2Brick(const CEraser2Params* params);
    ~CEraser2Brick() override;

    void MarkForRemoval();
    void Unmark();
    bool IsVanishing() const { return m_vanishing; }
    // One step of the vanishing; true once the brick is gone. The first step
    // bursts sparkles in the brick's colour.
    bool StepVanish(float dt, CGameEvents* events);
    float GetAlpha() const { return m_alpha; }

    void SetHighlight(bool on) { m_highlighted = on; }
    bool IsHighlighted() const { return m_highlighted; }
    // Vanishing, highlighted or zooming back: more than its model to draw.
    bool IsDrawnAlone() const { return m_vanishing || m_highlighted || m_zoom != 1.0f || m_swell != 0.0f; }

    // Kind 1..5 shows its icon with the number 0..9; 0 or less changes nothing.
    void SetBonus(int kind, int number);
    int GetBonusKind() const { return m_bonus_kind; }
    int GetNumber() const { return m_number; }
    const CSprite* GetBonusSprite() const { return m_bonus_sprite.get(); }
    const CSprite* GetNumberSprite() const { return m_number_sprite.get(); }
    // Runs the icon and number animations on by dt milliseconds.
    void AdvanceSprites(float dt);

    // The brick's model, shrunk or swollen as it stands. It only reads: a
    // frame may draw the board more than once, in clipped places. Icon and
    // number are not drawn here: they turn all the time, so the field draws
    // them apart, all in one go (see PlaceSprites).
    void Draw() override;
    // One frame of the zoom toward the highlight and of the vanishing swell.
    void StepLook();
    // The side the brick is drawn at: its scale with the swell, zoomed.
    float GetDrawnSize() const { return (GetScale() + m_swell) * m_zoom; }
    // What Draw reads, for the frame cache (not the sprites), and where it
    // draws, as the box of the print's open part.
    void AddToPrint(CFramePrint& print) const;
    // The box of board points Draw covers; false without a mesh.
    bool GetDrawnBox(CVector4& low, CVector4& high) const;
    // Puts icon and number on the right half of the brick's front at its
    // drawn size, icon above, number below; false without an icon. low and
    // high: the corners of the half they cover, in board space.
    bool PlaceSprites(CVector4& low, CVector4& high);
    // The opacity icon and number are drawn with: the brick's while it fades.
    float GetSpriteAlpha() const { return m_vanishing ? m_alpha : 1.0f; }

protected:
    const CModel* FindLook(int color) const override;

private:
    // How fast a vanishing brick swells, in model units a frame at full fade.
    static constexpr float kSwell = 10.0f;

    const CEraser2Params* m_params;
    float m_alpha = 1.0f;
    bool m_vanishing = false;
    bool m_highlighted = false;
    float m_zoom = 1.0f;
    // What the vanishing has added to the drawn size so far.
    float m_swell = 0.0f;
    bool m_sparkled = false;
    int m_bonus_kind = 0;
    std::unique_ptr<CSprite> m_bonus_sprite;
    int m_number = 0;
    std::unique_ptr<CSprite> m_number_sprite;
};
