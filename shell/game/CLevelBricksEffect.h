#pragma once

class CGameApp;
class CGameField;

// Brings a level's bricks into their cells when the level starts: rows slide
// in from alternate sides (0), drop in from above (1), or grow and turn one
// after another (2). Works on any field through the brick models.
class CLevelBricksEffect
{
public:
    enum { EFFECT_ALTERNATE = 0, EFFECT_SAME_SIDE = 1, EFFECT_GROW = 2 };

    // Runs the start step at once. firstRow: rows below it are never touched.
    CLevelBricksEffect(CGameApp* app, CGameField* field, int effect, int firstRow = 0);

    void Update(float dt);
    bool IsDone() const { return m_done; }
    void ApplyRotation() const;

    int GetEffect() const { return m_effect; }
    int GetLimitRow() const { return m_limit_row; }

private:
    void StartAlternate();
    void StartSameSide();
    void StartGrow();
    void StepSlide(float dt);
    void StepGrow();
    bool HasBricks() const;
    void LockRow(int row);

    CGameApp* m_app;
    CGameField* m_field;
    int m_limit_row = 0;
    int m_first_row;
    float m_speed = 1.0f;
    bool m_done = false;
    float m_angle = 0.0f;
    int m_effect;
};
