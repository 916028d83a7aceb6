#include "tools/assetgen/CShape.h"

#include <algorithm>
#include <cmath>

float CShape::Circle(float x, float y, float cx, float cy, float radius)
{
    return std::hypot(x - cx, y - cy) - radius;
}

float CShape::RoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius)
{
    const float qx = std::fabs(x - cx) - halfWidth + radius;
    const float qy = std::fabs(y - cy) - halfHeight + radius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    const float inside = std::min(std::max(qx, qy), 0.0f);
    return outside + inside - radius;
}

float CShape::Segment(float x, float y, float ax, float ay, float bx, float by, float halfThickness)
{
    const float px = x - ax;
    const float py = y - ay;
    const float dx = bx - ax;
    const float dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0.0f ? std::min(1.0f, std::max(0.0f, (px * dx + py * dy) / len2)) : 0.0f;
    return std::hypot(px - dx * t, py - dy * t) - halfThickness;
}

float CShape::Polygon(float x, float y, const Points& corners)
{
    const size_t n = corners.size();
    if (n < 3)
        return 1e9f;
    float best = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++)
    {
        const float ax = corners[j].first, ay = corners[j].second;
        const float bx = corners[i].first, by = corners[i].second;
        const float ex = bx - ax, ey = by - ay;
        const float wx = x - ax, wy = y - ay;
        const float len2 = ex * ex + ey * ey;
        const float t = len2 > 0.0f ? std::min(1.0f, std::max(0.0f, (wx * ex + wy * ey) / len2)) : 0.0f;
        const float qx = wx - ex * t, qy = wy - ey * t;
        best = std::min(best, qx * qx + qy * qy);
        if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey)
            inside = !inside;
    }
    const float d = std::sqrt(best);
    return inside ? -d : d;
}

CShape::Points CShape::Star(float cx, float cy, int points, float outer, float inner, float rotation)
{
    Points out;
    const int corners = inner == outer ? points : points * 2;
    for (int i = 0; i < corners; ++i)
    {
        const float r = (inner == outer || i % 2 == 0) ? outer : inner;
        const float angle = rotation + 6.2831853f * i / corners - 1.5707963f;
        out.emplace_back(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    return out;
}

float CShape::Ring(float x, float y, float cx, float cy, float radius, float halfThickness)
{
    return std::fabs(std::hypot(x - cx, y - cy) - radius) - halfThickness;
}
