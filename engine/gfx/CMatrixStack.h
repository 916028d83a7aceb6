#pragma once
// The current GL matrix stack seen from the screens above the engine:
// saving and restoring the modelview matrix, moving and turning it, and
// projecting through it.

class CMatrixStack
{
public:
    static void Push();
    static void Pop();
    static void Translate(float x, float y, float z);
    // Degrees about the axis (x, y, z).
    static void Rotate(float degrees, float x, float y, float z);

    // Projects the eight corners of the box with half sizes (hx, hy, hz)
    // centred on the current origin into window pixels through the current
    // modelview, projection and viewport, and widens left/right/bottom/top
    // to take them in. False when a corner cannot be projected or falls
    // outside the depth range; the bounds are then of no use.
    static bool WidenToProjectedBox(float hx, float hy, float hz, double& left, double& right, double& bottom,
                                    double& top);
};
