#pragma once
// The one vector type: positions, velocities, colours and light parameters.
// Arithmetic works on x, y, z; every vector an operation creates has w = 1,
// and in-place operations keep w as it was.

class CVector4
{
public:
    // Contiguous, x first: GetConstData() feeds glLightfv and glVertex3fv.
    float x;
    float y;
    float z;
    float w;

    CVector4() : x(0.0f), y(0.0f), z(0.0f), w(1.0f) {}
    CVector4(float ax, float ay, float az) : x(ax), y(ay), z(az), w(1.0f) {}
    CVector4(const CVector4& other) = default;
    CVector4& operator=(const CVector4& other) = default;

    CVector4 operator+(const CVector4& o) const { return CVector4(x + o.x, y + o.y, z + o.z); }
    CVector4 operator-(const CVector4& o) const { return CVector4(x - o.x, y - o.y, z - o.z); }
    CVector4 operator*(float s) const { return CVector4(s * x, s * y, s * z); }
    CVector4& operator+=(const CVector4& o);
    CVector4& operator*=(float s);

    float Length() const;
    float LengthSquared() const { return x * x + y * y + z * z; }
    // A zero vector stays unchanged rather than turning into NaNs.
    CVector4& Normalize();
    void Set(float ax, float ay, float az) { x = ax; y = ay; z = az; }

    const float* GetConstData() const { return &x; }
    float* GetData() { return &x; }
};

float FloatAbs(float value);
