#pragma once

#include <utility>
#include <vector>

// Signed distances (negative inside) of the simple shapes that the pictures
// are built from, in pixels.
class CShape
{
public:
    using Points = std::vector<std::pair<float, float>>;

    static float Circle(float x, float y, float cx, float cy, float radius);
    static float RoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius);
    // A stroke of the given half thickness from (ax, ay) to (bx, by), round ends.
    static float Segment(float x, float y, float ax, float ay, float bx, float by, float halfThickness);
    // Any simple polygon, corners in order.
    static float Polygon(float x, float y, const Points& corners);
    // A regular star (or polygon when inner == outer) centred at (cx, cy).
    static Points Star(float cx, float cy, int points, float outer, float inner, float rotation);
    static float Ring(float x, float y, float cx, float cy, float radius, float halfThickness);
};
