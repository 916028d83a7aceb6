#pragma once

#include "engine/gfx/CVector4.h"

#include <cstdint>
#include <vector>

#include "engine/gfx/CSparkle.h"

class CSprite;

// A back sparkle: starts below the 800 x 600 screen and rises slowly, spinning and
// swaying in a wind that all back sparkles share.
class CBackSparkle
{
public:
    static constexpr float kStartY = 650.0f;
    static constexpr float kEndY = -50.0f;
    static constexpr float kMaxSpeedX = 0.5f;

    CBackSparkle(CSprite* sprite, const SparkleRandom& random);
    virtual ~CBackSparkle() = default;

    // One step per frame; true when the sparkle has left the top of the screen.
    bool Update();
    // Adds this sparkle's cell to the corners of a run of its sprite's cells
    // (CSprite::AddCell), its colour multiplied by `light`.
    void Emit(std::vector<CSprite::SCellVertex>& out, float light = 1.0f) const;

    // The shared wind: a new drift now and then, held for 900 to 1799 steps.
    static void UpdateDrift(const SparkleRandom& random);
    static float GetDrift();
    static void ResetDrift();

    const CVector4& GetPosition() const { return m_position; }
    const CVector4& GetVelocity() const { return m_velocity; }
    void SetPosition(const CVector4& position) { m_position = position; }
    void SetVelocity(const CVector4& velocity) { m_velocity = velocity; }
    float GetAlpha() const { return m_alpha; }
    float GetAngle() const { return m_angle; }
    float GetSpin() const { return m_spin; }
    int32_t GetGroup() const { return m_group; }
    int32_t GetFrame() const { return m_frame; }

private:
    CSprite* m_sprite;
    int32_t m_group;
    int32_t m_frame;
    CVector4 m_position;
    CVector4 m_velocity;
    float m_alpha;
    float m_angle;
    float m_spin;
};
