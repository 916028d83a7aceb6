#pragma once

#include <memory>

#include "shell/game/CGameBrick.h"

class CFramePrint;
class CGameEvents;
class CRandom;
class CLight;
class CRemoverParams;
class CSprite;

// One brick of the remover: the model of its colour in the current skin, a
// selected/fading state, the new mark of a brick placed this turn, and an
// optional bonus (value 1..4) that outlives a number of removal phases.
class CRemoverBrick : public CGameBrick
{
public:
    static constexpr int MAX_BONUS_VALUE = 4;
    static constexpr int MAX_BONUS_LIFE = 2;
    // Fade-out steps from alpha 1 until Vanish reports the brick gone.
    static constexpr int FADE_STEPS = 25;

    CRemoverBrick(const CRemoverParams* params, CLight* light);
    ~CRemoverBrick() override;

    void Select();
    void Unselect();
    bool IsSelected() const { return m_selected; }
    void SetAlpha(float alpha) { m_brick_alpha = alpha; }
    float GetAlpha() const { return m_brick_alpha; }
    bool SetNew(bool isNew) { m_new = isNew; return m_new; }
    bool IsNew() const { return m_new; }

    // A value of 0 or below leaves the brick as it is.
    void SetBonus(int value, int life);
    int GetBonusValue() const { return m_bonus_value; }
    int GetBonusLife() const { return m_bonus_life; }
    bool HasBonusSprite() const { return m_bonus_sprite != nullptr; }
    // Fading, selected or carrying a sprite: more than its model to draw.
    bool IsDrawnAlone() const { return m_selected || m_new || m_bonus_sprite; }

    // One fade step; true once the brick has faded out. The first call bursts
    // sparkles in the brick's colour.
    bool Vanish(CGameEvents* events);
    // One removal phase of the bonus life; the bonus goes when its life is
    // spent. The sparkles' colours are drawn from random.
    void CountDownBonus(CGameEvents* events, CRandom& random);

    void Update(float dt) override;
    void Draw() override;
    // What Draw reads, for the frame cache, as a part of its own within the
    // box it draws in (the model and the bonus marks on its top). blended:
    // the caller draws it with blending on, which shows where its picture is
    // see-through.
    void AddToPrint(CFramePrint& print, bool blended = false) const;

    CLight* GetLight() const { return m_light; }

protected:
    // The model of (current skin, colour).
    const CModel* FindLook(int color) const override;

private:
    void DropBonus();

    const CRemoverParams* m_params;
    float m_brick_alpha = 1.0f;
    bool m_selected = false;
    CLight* m_light;
    bool m_new = false;
    bool m_sparkled = false;
    int m_bonus_value = 0;
    std::unique_ptr<CSprite> m_bonus_sprite;
    int m_bonus_life = 0;
    std::unique_ptr<CSprite> m_number_sprite;
};
