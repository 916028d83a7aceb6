#pragma once

class CGameApp;
class CGameField;

// Lets a finished level's rows fall away one after another under gravity
// until they are far below the field.
class CLevelFlipEffect
{
public:
    static constexpr float GRAVITY = -0.03f;
    static constexpr float GONE_Y = -500.0f;

    CLevelFlipEffect(CGameApp* app, CGameField* field, int firstRow = 0);

    void Update(float dt);
    bool IsDone() const { return m_done; }
    void ApplyRotation() const;

    int GetFallingRow() const { return m_falling_row; }

private:
    void StartFall();
    void StepFall(float dt);

    CGameApp* m_app;
    CGameField* m_field;
    int m_falling_row = 0;
    float m_start_y = 0.0f;
    int m_first_row;
    bool m_done = false;
    float m_angle = 0.0f;
    // The last brick position seen, carried across empty rows so that a row
    // without bricks still lets the fall go on and end.
    float m_last_y = 0.0f;
    bool m_seen_brick = false;
};
