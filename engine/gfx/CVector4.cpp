#include "engine/gfx/CVector4.h"

#include <cmath>

CVector4& CVector4::operator+=(const CVector4& o)
{
    x += o.x;
    y += o.y;
    z += o.z;
    return *this;
}

CVector4& CVector4::operator*=(float s)
{
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

float CVector4::Length() const
{
    return std::sqrt(LengthSquared());
}

CVector4& CVector4::Normalize()
{
    const float length = Length();
    if (length == 0.0f)
        return *this;
    x /= length;
    y /= length;
    z /= length;
    return *this;
}

float FloatAbs(float value)
{
    return value < 0.0f ? -value : value;
}
