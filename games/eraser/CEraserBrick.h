#pragma once

#include "shell/game/CGameBrick.h"

class CEraserParams;
class CFramePrint;
class CGameEvents;

// One brick of the eraser board: the model of its colour in the current
// skin; marked when its group is taken (it then swells, fades and bursts
// into sparkles), highlighted while the cursor rests on its group (it then
// shrinks a little and brightens).
class CEraserBrick : public CGameBrick
{
public:
    static constexpr float kFadePerMs = 0.004f;
    static constexpr float kZoomStep = 0.03f;
    static constexpr float kMinZoom = 0.8f;

    explicit CEraserBrick(const CEraserParams* params);

    void Mark();
    void Unmark();
    bool IsMarked() const { return m_is_marked; }
    void SetHighlight(bool on) { m_is_highlighted = on; }
    bool IsHighlighted() const { return m_is_highlighted; }
    float GetAlpha() const { return m_alpha; }
    float GetZoom() const { return m_zoom; }
    // Marked, highlighted or still zooming back: more than its model to draw.
    bool IsDrawnAlone() const { return m_is_marked || m_is_highlighted || m_zoom != 1.0f; }

    // One step of the vanishing; true once the brick is gone. The first step
    // bursts sparkles in the brick's colour.
    bool Vanish(float dt, CGameEvents* events);

    // One frame of the highlight's zoom: a highlighted brick shrinks a
    // little, any other grows back; a marked one keeps its zoom.
    void StepZoom();

    // Reads the brick only: drawn again in parts of a frame, or to check
    // one, it must draw the same each time.
    void Draw() override;
    // What Draw reads or steps, for the frame cache.
    void AddToPrint(CFramePrint& print) const;
    // The largest scale Draw can give the model: a vanishing brick swells,
    // a highlighted one only shrinks.
    float GetDrawnScaleBound() const;
    // Grows the print's open board part by everything Draw can cover.
    void AddDrawnBox(CFramePrint& print) const;

protected:
    // The model of (current skin, colour).
    const CModel* FindLook(int color) const override;

private:
    const CEraserParams* m_params;
    float m_alpha = 1.0f;
    bool m_is_marked = false;
    bool m_is_highlighted = false;
    float m_zoom = 1.0f;
    bool m_sparkled = false;
};
