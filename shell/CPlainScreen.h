#pragma once
// A screen that only clears the window to one colour: what the program shows
// while it has nothing else to show.

#include "engine/CScreen.h"

class CPlainScreen : public CScreen
{
public:
    CPlainScreen(float r, float g, float b);

    void Draw() override;
    void OnKeyDown(int key) override;

private:
    float m_r;
    float m_g;
    float m_b;
};
